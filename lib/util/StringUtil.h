#pragma once

#include <ios>
#include <limits>
#include <sstream>
#include <string>
#include <type_traits>
#include <vector>

namespace Util
{
// The blanks that configuration and point texts are trimmed of and split at.
constexpr const char* BLANKS = " \t\n\r";

// Splits text at each occurrence of the whole delimiter and appends the pieces to out.
// Returns the size of out afterwards. An empty delimiter leaves the text whole as one piece.
int splitString(const std::string& text, const std::string& delimiter, std::vector<std::string>& out,
                bool keepEmpty = false, bool trimEach = false);

// A copy of text without the leading and trailing characters listed in chars.
std::string trim(const std::string& text, const char* chars = BLANKS);

// Reads a number at the start of text in the given base (8, 10 or 16; any other value lets the text's
// own prefix decide). Text that is not a number, a number that does not fit T, and a negative number
// for an unsigned T all read 0; trailing text is ignored.
template <class T> T strToNum(const std::string& text, int base)
{
    std::istringstream in(text);
    if (!std::is_floating_point<T>::value)
    {
        if (base == 8)
            in >> std::oct;
        else if (base == 10)
            in >> std::dec;
        else if (base == 16)
            in >> std::hex;
        else
            in.unsetf(std::ios::basefield);
    }
    if (std::is_unsigned<T>::value)
    {
        // The standard stream wraps "-5" into a huge unsigned value; a negative count is no count.
        std::string::size_type first = text.find_first_not_of(" \t\n\r\f\v");
        if (first != std::string::npos && text[first] == '-')
            return T(0);
    }
    T result = T(0);
    in >> result;
    if (in.fail())
        return T(0);
    return result;
}

// Base 16 when the text begins exactly with "0x", else base 10.
template <class T> T strToNum(const std::string& text)
{
    return strToNum<T>(text, text.compare(0, 2, "0x") == 0 ? 16 : 10);
}

// Writes value in base 8, 10 or 16 (others print decimal) with a base prefix, padded with '0' to width.
// Floats print with six significant digits, in exponent notation only where they need it.
template <class T> std::string numToStr(T value, int base = 10, int width = 0)
{
    std::ostringstream out;
    out.fill('0');
    out.setf(std::ios::showbase);
    out.width(width);
    if (base == 8)
        out << std::oct;
    else if (base == 16)
        out << std::hex;
    else
        out << std::dec;
    out << value;
    return out.str();
}

// Appends strToNum of each text to out.
template <class T> void getNumbers(const std::vector<std::string>& texts, std::vector<T>& out)
{
    for (const std::string& text : texts)
        out.push_back(strToNum<T>(text));
}
} // namespace Util
