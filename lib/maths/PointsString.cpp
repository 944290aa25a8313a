#include "maths/PointsString.h"

#include "util/StringUtil.h"

namespace MathStuff
{
PointsString::PointsString(float defaultCoordIn, bool zyIn) : defaultCoord(defaultCoordIn), zy(zyIn) {}

PointsString::~PointsString() = default;

void PointsString::setDefault(float coord)
{
    defaultCoord = coord;
}

bool PointsString::parse(const std::string& text, std::vector<Vector3<float>>& out, bool append) const
{
    if (!append)
        out.clear();
    std::string::size_type start = text.find_first_not_of(Util::BLANKS);
    while (start != std::string::npos)
    {
        const std::string::size_type end = text.find_first_of(Util::BLANKS, start);
        out.push_back(stringToPoint(text.substr(start, end == std::string::npos ? end : end - start)));
        start = text.find_first_not_of(Util::BLANKS, end);
    }
    return true;
}

Vector3<float> PointsString::stringToPoint(const std::string& text) const
{
    std::vector<std::string> pieces;
    Util::splitString(text, ",", pieces, false, true);
    std::vector<float> numbers;
    for (const std::string& piece : pieces)
        numbers.push_back(Util::strToNum<float>(piece, 10));

    if (numbers.size() == 3)
        return Vector3<float>(numbers[0], numbers[1], numbers[2]);
    if (numbers.size() == 2)
    {
        if (zy)
            return Vector3<float>(defaultCoord, numbers[1], numbers[0]);
        return Vector3<float>(numbers[0], numbers[1], defaultCoord);
    }
    return Vector3<float>();
}
} // namespace MathStuff
