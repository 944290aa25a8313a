#include "MatSys/TextureOptionsMaker.h"

#include <vector>

#include "util/StringUtil.h"

namespace MatSys
{
namespace
{
struct Token
{
    const char* text;
    bool TextureOptions::*flag;
    bool value;
};

const Token l_tokens[] = {
    {"2D", &TextureOptions::is2D, true},           {"3D", &TextureOptions::is2D, false},
    {"LINR", &TextureOptions::linearFilter, true}, {"NEAR", &TextureOptions::linearFilter, false},
    {"MIP", &TextureOptions::mipmaps, true},       {"NMIP", &TextureOptions::mipmaps, false},
    {"CMP", &TextureOptions::compressed, true},    {"NCMP", &TextureOptions::compressed, false},
};
} // namespace

TextureOptions TextureOptionsMaker::make(std::string name) const
{
    TextureOptions options;
    std::vector<std::string> pieces;
    Util::splitString(name, ".", pieces, false, true);
    for (const std::string& piece : pieces)
    {
        for (const Token& token : l_tokens)
        {
            if (piece == token.text)
                options.*token.flag = token.value;
        }
    }
    return options;
}
} // namespace MatSys
