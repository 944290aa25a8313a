#include "files/TextFile.h"

#include <filesystem>
#include <fstream>

namespace Files
{
bool TextFile::load(const std::string& file, std::string& out, const char* separator)
{
    if (size(file) == 0)
    {
        return false;
    }
    std::ifstream in(file, std::ios::in | std::ios::binary);
    if (!in)
    {
        return false;
    }
    const std::string sep = separator ? separator : "";
    std::string text;
    std::string line;
    while (std::getline(in, line))
    {
        // Files written on other systems end their lines with CR LF; the CR is part of the line end.
        if (!line.empty() && line.back() == '\r')
        {
            line.pop_back();
        }
        text += line;
        text += line.empty() ? std::string("\n") : sep;
    }
    if (in.bad())
    {
        return false;
    }
    out += text;
    return true;
}

std::streamoff TextFile::size(const std::string& file)
{
    // A directory opens as a stream on some systems and reports a nonsense end position.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec))
    {
        return 0;
    }
    std::ifstream in(file, std::ios::in | std::ios::binary | std::ios::ate);
    if (!in)
    {
        return 0;
    }
    const std::streamoff end = in.tellg();
    return end > 0 ? end : 0;
}

bool TextFile::save(const std::string& file, const std::vector<std::string>& lines)
{
    std::ofstream out(file, std::ios::out | std::ios::trunc | std::ios::binary);
    if (!out)
    {
        return false;
    }
    for (const std::string& line : lines)
    {
        if (!(out << line << '\n'))
        {
            return false;
        }
    }
    // Writes are buffered: a full disk shows only when the buffer goes out.
    out.close();
    return !out.fail();
}

bool TextFile::save(const std::string& file, const std::string& text)
{
    return save(file, std::vector<std::string>{text});
}

bool TextFile::loadAndReplaceCfg(const I_KeyReplacer* info, const std::string& file, std::string& out,
                                 const char* separator)
{
    std::string text;
    if (!load(file, text, separator))
    {
        return false;
    }
    out = info ? info->replaceKeys(text) : text;
    return true;
}
} // namespace Files
