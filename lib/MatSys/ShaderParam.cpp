#include "MatSys/ShaderParam.h"

#include <vector>

#include "util/StringUtil.h"

namespace MatSys
{
ShaderParam::ShaderParam() : Util::NamedObject("UNNAMED_SHADER_PARAM"), vectorCount(0)
{
    for (int slot = 0; slot < MAX_VALUES; ++slot)
        values.i[slot] = 0;
}

ShaderParam::ShaderParam(const std::string& name, const std::string& t, const std::string& text)
    : Util::NamedObject(name), type(t), valueText(text), vectorCount(0)
{
    parseValues();
}

void ShaderParam::parseValues()
{
    const bool floats = isFloat();
    for (int slot = 0; slot < MAX_VALUES; ++slot)
    {
        if (floats)
            values.f[slot] = 0.0f;
        else
            values.i[slot] = 0;
    }

    std::vector<std::string> pieces;
    Util::splitString(valueText, ",", pieces, false, true);
    const int count = static_cast<int>(pieces.size());
    if (count > MAX_VALUES)
        return;

    for (int slot = 0; slot < count; ++slot)
    {
        const std::string& piece = pieces[slot];
        if (floats)
            values.f[slot] = Util::strToNum<float>(piece, 10);
        else
            values.i[slot] = Util::strToNum<int>(piece, piece.compare(0, 2, "0x") == 0 ? 16 : 10);
    }

    if (type.empty() || type[type.size() - 1] != 'v' || type[0] < '1' || type[0] > '4')
        return;
    const int width = type[0] - '0';
    const int vectors = count / width;
    if (vectors >= 1 && vectors <= 9 && count % width == 0)
        vectorCount = vectors;
}
} // namespace MatSys
