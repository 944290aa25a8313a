#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

namespace Orvik
{
// The input layer takes a file it cannot read for an empty configuration and so gives a controller without
// bindings; the game's states cannot be worked without theirs, so they ask first. An empty file is readable.
inline bool canReadInputFile(const std::string& file)
{
    std::error_code ignored;
    if (!std::filesystem::is_regular_file(file, ignored))
        return false;
    std::ifstream in(file, std::ios::binary);
    return in.is_open();
}
} // namespace Orvik
