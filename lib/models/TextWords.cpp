#include "models/TextWords.h"

#include "util/StringUtil.h"

namespace ModelSys
{
void splitWords(const std::string& text, std::vector<std::string>& out)
{
    std::string::size_type start = text.find_first_not_of(Util::BLANKS);
    while (start != std::string::npos)
    {
        const std::string::size_type end = text.find_first_of(Util::BLANKS, start);
        out.push_back(text.substr(start, end == std::string::npos ? end : end - start));
        start = text.find_first_not_of(Util::BLANKS, end);
    }
}

std::string fileStem(const std::string& fileName)
{
    std::string stem = fileName;
    const std::string::size_type slash = stem.find_last_of('/');
    if (slash != std::string::npos)
        stem.erase(0, slash + 1);
    const std::string::size_type dot = stem.find_last_of('.');
    if (dot != std::string::npos)
        stem.erase(dot);
    return stem;
}

bool endsWith(const std::string& text, const std::string& ending)
{
    return text.size() >= ending.size() &&
           text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}
} // namespace ModelSys
