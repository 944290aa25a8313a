#include "util/StringUtil.h"

namespace Util
{
namespace
{
void takePiece(const std::string& piece, std::vector<std::string>& out, bool keepEmpty, bool trimEach)
{
    if (!trimEach)
    {
        out.push_back(piece);
        return;
    }
    std::string trimmed = trim(piece, BLANKS);
    // Pieces of blanks only are dropped unless empty pieces are wanted.
    if (!trimmed.empty() || keepEmpty)
        out.push_back(trimmed);
}
} // namespace

int splitString(const std::string& text, const std::string& delimiter, std::vector<std::string>& out,
                bool keepEmpty, bool trimEach)
{
    const std::string::size_type n = text.size();
    std::string::size_type start = 0;
    bool found = false;
    do
    {
        // An empty delimiter would match at every position without advancing.
        std::string::size_type p = delimiter.empty() ? std::string::npos : text.find(delimiter, start);
        found = p != std::string::npos;
        if (found)
        {
            std::string piece = text.substr(start, p - start);
            if (!piece.empty() || keepEmpty)
                takePiece(piece, out, keepEmpty, trimEach);
            start = p + delimiter.size();
        }
        else if (n != 0 || keepEmpty)
        {
            takePiece(text.substr(start), out, keepEmpty, trimEach);
        }
    } while (found && start < n);

    // A text that ends with the delimiter has an empty last piece.
    if (keepEmpty && found)
        out.push_back(std::string());
    return static_cast<int>(out.size());
}

std::string trim(const std::string& text, const char* chars)
{
    std::string::size_type first = text.find_first_not_of(chars);
    if (first == std::string::npos)
        return std::string();
    std::string::size_type last = text.find_last_not_of(chars);
    return text.substr(first, last - first + 1);
}
} // namespace Util
