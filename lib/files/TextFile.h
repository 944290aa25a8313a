#pragma once

#include <ios>
#include <string>
#include <vector>

#include "files/I_KeyReplacer.h"

namespace Files
{
// Whole-file text operations.
class TextFile
{
public:
    TextFile() = delete;

    // Appends each line of file followed by separator ("\n" after an empty line); CR LF ends a line
    // like LF. False, with out untouched, when the file is missing, empty or unreadable.
    static bool load(const std::string& file, std::string& out, const char* separator);

    // Size in bytes of a readable regular file; 0 for anything else.
    static std::streamoff size(const std::string& file);

    // Writes each line followed by a line end; true only when every byte reached the file.
    static bool save(const std::string& file, const std::vector<std::string>& lines);
    static bool save(const std::string& file, const std::string& text);

    // load, then "::NAME::" references replaced by info (a configuration store); out is untouched on false.
    static bool loadAndReplaceCfg(const I_KeyReplacer* info, const std::string& file, std::string& out,
                                  const char* separator);
};
} // namespace Files
