#pragma once

#include <string>
#include <vector>

#include "CFG/Info.h"
#include "util/StringUtil.h"

namespace CFG
{
// Reads configuration values as numbers: "0x" followed by hexadecimal digits, or decimal; anything
// that is not a number, and a missing key, read 0.
class InfoParser
{
public:
    // info is not owned and must outlive the parser.
    explicit InfoParser(const Info* store) : info(store) {}

    template <class T> T getNumber(const std::string& key) const { return Util::strToNum<T>(info->get(key)); }

    // Appends the numbers of key's value, cut on separator and trimmed, to out; answers how many it
    // appended. Empty pieces count as 0 only when keepEmpty is set.
    template <class T>
    int getNumbers(const std::string& key, std::vector<T>& out, const std::string& separator,
                   bool keepEmpty) const
    {
        std::vector<std::string> pieces;
        Util::splitString(info->get(key), separator, pieces, keepEmpty, true);
        Util::getNumbers(pieces, out);
        return static_cast<int>(pieces.size());
    }

    const Info* info;
};
} // namespace CFG
