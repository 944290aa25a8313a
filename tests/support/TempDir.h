#pragma once

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <unistd.h>

#include "util/NonCopyable.h"

namespace Testing
{
// Every directory of one test program lies in one folder of the program's. A death test's child dies
// without running destructors, so what it made would stay; its folder is the parent's (a forked child shares
// this object, a started one finds the owner in its environment) and goes when the parent ends normally.
struct ProgramTempDir : private Util::NonCopyable<ProgramTempDir>
{
    ProgramTempDir()
    {
        const char* inherited = std::getenv("ORVIK_TEST_TEMP_OWNER");
        owner = inherited != nullptr ? inherited : std::to_string(::getpid());
        if (inherited == nullptr)
            ::setenv("ORVIK_TEST_TEMP_OWNER", owner.c_str(), 1);
        path = std::filesystem::temp_directory_path() / ("orvik-tests-" + owner);
    }
    ~ProgramTempDir()
    {
        std::error_code ignored;
        if (owner == std::to_string(::getpid()))
            std::filesystem::remove_all(path, ignored);
    }

    std::string owner;
    std::filesystem::path path;
};

// Made before main, so the test program itself owns it and not a child that makes the first directory.
inline const ProgramTempDir programTempDir;

// A fresh directory under the system's temporary directory, removed with everything in it.
class TempDir : private Util::NonCopyable<TempDir>
{
public:
    // The pid keeps test programs running side by side apart, the counter the directories of one program.
    explicit TempDir(const std::string& prefix)
    {
        root = programDir() / (prefix + "-" + std::to_string(::getpid()) + "-" + std::to_string(counter()++));
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
    static const std::filesystem::path& programDir() { return programTempDir.path; }

    // One counter for the whole program, however many files include this header.
    static std::atomic<int>& counter()
    {
        static std::atomic<int> l_count{0};
        return l_count;
    }

    std::filesystem::path root;
};
} // namespace Testing
