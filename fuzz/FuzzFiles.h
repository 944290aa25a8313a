#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <unistd.h>
#include <vector>

// The readers take file names, so every fuzz input is written to files of a directory of this process.
namespace FuzzFiles
{
// Separates the files of one input (a file, its companions, an override file, a script of events).
constexpr const char* PART_SEPARATOR = "\n~~~~\n";

inline std::string text(const std::uint8_t* data, std::size_t size)
{
    return std::string(reinterpret_cast<const char*>(data), size);
}

// The input cut at every separator; pieces beyond maxParts stay in the last one.
inline std::vector<std::string> parts(const std::string& input, std::size_t maxParts)
{
    std::vector<std::string> out;
    const std::string separator = PART_SEPARATOR;
    std::size_t start = 0;
    while (out.size() + 1 < maxParts)
    {
        const std::size_t at = input.find(separator, start);
        if (at == std::string::npos)
            break;
        out.push_back(input.substr(start, at - start));
        start = at + separator.size();
    }
    out.push_back(input.substr(start));
    return out;
}

class Dir
{
public:
    Dir()
    {
        m_path = std::filesystem::temp_directory_path() / ("orvik-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(m_path);
    }
    ~Dir()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    Dir(const Dir&) = delete;
    Dir& operator=(const Dir&) = delete;

    std::string path(const std::string& name) const { return (m_path / name).string(); }

    std::string write(const std::string& name, const std::string& bytes) const
    {
        const std::string file = path(name);
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return file;
    }

    void remove(const std::string& name) const { std::remove(path(name).c_str()); }

private:
    std::filesystem::path m_path;
};

// One directory for the whole run, removed at exit.
inline const Dir& dir()
{
    static Dir l_dir;
    return l_dir;
}

// Writes the file as the given part, or removes it when the input has no such part, so that nothing
// of an earlier input is read.
inline std::string writePart(const std::vector<std::string>& pieces, std::size_t index,
                             const std::string& name)
{
    if (index < pieces.size())
        return dir().write(name, pieces[index]);
    dir().remove(name);
    return dir().path(name);
}
} // namespace FuzzFiles
