#pragma once

#include <atomic>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

// A fresh directory under the system's temporary directory, removed with everything in it.
class TempDir
{
public:
    TempDir()
    {
        static std::atomic<int> l_count{0};
        m_path = std::filesystem::temp_directory_path() /
                 ("orvik-cfg-" + std::to_string(::getpid()) + "-" + std::to_string(l_count++));
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~TempDir()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string path(const std::string& name) const { return (m_path / name).string(); }

    // Writes text exactly as given and answers the file's path.
    std::string write(const std::string& name, const std::string& text) const
    {
        std::ofstream out(path(name), std::ios::binary | std::ios::trunc);
        out << text;
        return path(name);
    }

private:
    std::filesystem::path m_path;
};
