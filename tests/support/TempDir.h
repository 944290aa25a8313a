#pragma once

#include <atomic>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <unistd.h>

#include "util/NonCopyable.h"

namespace Testing
{
// A fresh directory under the system's temporary directory, removed with everything in it.
class TempDir : private Util::NonCopyable<TempDir>
{
public:
    // The pid keeps test programs running side by side apart, the counter the directories of one program.
    explicit TempDir(const std::string& prefix)
    {
        root = std::filesystem::temp_directory_path() /
               (prefix + "-" + std::to_string(::getpid()) + "-" + std::to_string(counter()++));
        // A killed run with the same pid may have left files behind that a test counts on being absent.
        std::filesystem::remove_all(root);
        std::filesystem::create_directories(root);
    }
    ~TempDir()
    {
        std::error_code ignored;
        std::filesystem::remove_all(root, ignored);
    }

    std::string dir() const { return root.string(); }
    std::string path(const std::string& name) const { return (root / name).string(); }

    // Binary, so line ends and zero bytes reach the file exactly as given.
    std::string write(const std::string& name, const std::string& bytes) const
    {
        const std::string file = path(name);
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return file;
    }

private:
    // One counter for the whole program, however many files include this header.
    static std::atomic<int>& counter()
    {
        static std::atomic<int> l_count{0};
        return l_count;
    }

    std::filesystem::path root;
};
} // namespace Testing
