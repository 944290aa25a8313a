#include "models/PartsText.h"

#include <cstring>

#include "maths/PointsStringXY.h"

namespace ModelSys
{
namespace
{
const char* const BLANKS = " \t\r\n";
const char* const SEPARATORS = " \t\r\n,";
} // namespace

void readPartsText(const std::string& text, std::vector<PartsItem>& items)
{
    const MathStuff::PointsStringXY points(0.0f);
    std::string::size_type pos = 0;
    while ((pos = text.find_first_not_of(SEPARATORS, pos)) != std::string::npos)
    {
        std::string::size_type end = text.find_first_of(std::string(SEPARATORS) + ":", pos);
        PartsItem item;
        item.name = text.substr(pos, end == std::string::npos ? end : end - pos);
        if (end != std::string::npos && text[end] == ':')
        {
            const std::string::size_type start = end + 1;
            end = text.find_first_of(BLANKS, start);
            const std::string offset = text.substr(start, end == std::string::npos ? end : end - start);
            if (!offset.empty() && offset.find(':') == std::string::npos)
            {
                item.hasOffset = true;
                item.offset = points.stringToPoint(offset);
            }
        }
        pos = end;
        if (!item.name.empty())
            items.push_back(item);
        if (pos == std::string::npos)
            break;
    }
}
} // namespace ModelSys
