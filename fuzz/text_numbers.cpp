// The text and number helpers and the point strings. The input's first line is a delimiter and its
// second a base; the rest is the text that is split, trimmed, read as numbers of every kind and as
// points, and whose numbers are printed again.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzFiles.h"
#include "maths/PointsStringXY.h"
#include "maths/PointsStringZY.h"
#include "util/StringUtil.h"

namespace
{
template <class T> void readAndPrint(const std::string& text, int base)
{
    const T value = Util::strToNum<T>(text, base);
    Util::numToStr<T>(value, base, static_cast<int>(text.size() % 32));
    Util::numToStr<T>(Util::strToNum<T>(text));
}

std::string lineAt(const std::string& input, std::size_t& start)
{
    const std::size_t end = input.find('\n', start);
    const std::string line = input.substr(start, end == std::string::npos ? std::string::npos : end - start);
    start = end == std::string::npos ? input.size() : end + 1;
    return line;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input = FuzzFiles::text(data, size);
    std::size_t start = 0;
    const std::string delimiter = lineAt(input, start);
    const int base = Util::strToNum<int>(lineAt(input, start), 10);
    const std::string text = input.substr(start);

    for (int mode = 0; mode < 4; ++mode)
    {
        std::vector<std::string> pieces{"kept"};
        const int count = Util::splitString(text, delimiter, pieces, mode & 1, mode & 2);
        if (count != static_cast<int>(pieces.size()) || pieces.front() != "kept")
            __builtin_trap();
        std::vector<float> floats;
        std::vector<unsigned long> counts;
        Util::getNumbers(pieces, floats);
        Util::getNumbers(pieces, counts);
    }
    Util::trim(text);
    Util::trim(text, delimiter.c_str());

    readAndPrint<int>(text, base);
    readAndPrint<unsigned int>(text, base);
    readAndPrint<long>(text, base);
    readAndPrint<unsigned long>(text, base);
    readAndPrint<float>(text, base);
    readAndPrint<double>(text, base);

    std::vector<MathStuff::Vector3<float>> points;
    MathStuff::PointsStringXY xy(Util::strToNum<float>(delimiter));
    MathStuff::PointsStringZY zy(1.0f);
    xy.parse(text, points, false);
    const std::size_t first = points.size();
    zy.parse(text, points, true);
    if (points.size() != 2 * first)
        __builtin_trap();
    return 0;
}
