// Parameter lines and sets: every line of the input is added to a set, and every line is also taken
// whole as a name, a type and a value list. A parameter must read back as it was parsed, vector counts
// must fit the slots, and copies and merges must hold the same parameters.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "MatSys/ShaderParams.h"
#include "util/StringUtil.h"

namespace
{
void check(bool condition)
{
    if (!condition)
        std::abort();
}

bool sameParam(const MatSys::ShaderParam& a, const MatSys::ShaderParam& b)
{
    return a.name == b.name && a.type == b.type && a.valueText == b.valueText &&
           a.vectorCount == b.vectorCount && std::memcmp(&a.values, &b.values, sizeof(a.values)) == 0;
}

void checkParam(const MatSys::ShaderParam& param)
{
    check(param.vectorCount >= 0 && param.vectorCount <= 9);
    if (param.vectorCount > 0)
    {
        const int width = param.type[0] - '0';
        check(width >= 1 && width <= 4 && param.type[param.type.size() - 1] == 'v');
        check(param.vectorCount * width <= MatSys::ShaderParam::MAX_VALUES);
    }
    check(sameParam(param, MatSys::ShaderParam(param.name, param.type, param.valueText)));
}

size_t countOf(const MatSys::ShaderParams& params)
{
    size_t count = 0;
    for (MatSys::ShaderParams::IteratorHandle it = params.getIterator(); !it->isDone(); it->next())
        ++count;
    return count;
}

void checkSameSets(const MatSys::ShaderParams& a, const MatSys::ShaderParams& b)
{
    check(countOf(a) == countOf(b));
    for (MatSys::ShaderParams::IteratorHandle it = a.getIterator(); !it->isDone(); it->next())
    {
        const MatSys::ShaderParam param = it->currentItem();
        const MatSys::ShaderParam* other = b.find(param.name);
        check(other != nullptr && sameParam(param, *other));
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> lines;
    Util::splitString(input, "\n", lines, true, false);

    MatSys::ShaderParams params;
    params.add(lines);
    std::string previous;
    bool first = true;
    for (MatSys::ShaderParams::IteratorHandle it = params.getIterator(); !it->isDone(); it->next())
    {
        const MatSys::ShaderParam param = it->currentItem();
        check(first || previous < param.name);
        first = false;
        previous = param.name;
        checkParam(param);
    }
    for (const std::string& line : lines)
        checkParam(MatSys::ShaderParam(line, line, line));

    MatSys::ShaderParams copy(params);
    checkSameSets(copy, params);
    copy.merge(params);
    copy.add(lines);
    checkSameSets(copy, params);
    return 0;
}
