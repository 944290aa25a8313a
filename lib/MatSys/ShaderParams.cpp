#include "MatSys/ShaderParams.h"

#include "MatSys/ShaderParamsImpl.h"
#include "MatSys/ShaderParamsIterator.h"
#include "util/StringUtil.h"

namespace MatSys
{
namespace
{
// Cuts a line at ':' and '='; a run of separators cuts once and separators at either end make no token.
// Tokens are trimmed afterwards, so one of blanks only still counts, as an empty token.
std::vector<std::string> lineTokens(const std::string& line)
{
    std::vector<std::string> tokens;
    std::string::size_type pos = line.find_first_not_of(":=");
    while (pos != std::string::npos)
    {
        std::string::size_type end = line.find_first_of(":=", pos);
        tokens.push_back(
            Util::trim(line.substr(pos, end == std::string::npos ? std::string::npos : end - pos)));
        pos = end == std::string::npos ? end : line.find_first_not_of(":=", end);
    }
    return tokens;
}
} // namespace

ShaderParams::ShaderParams() : m_impl(new Impl()) {}

ShaderParams::ShaderParams(const ShaderParams& other) : m_impl(new Impl())
{
    merge(other);
}

ShaderParams::~ShaderParams()
{
    delete m_impl;
}

void ShaderParams::add(const ShaderParam& param)
{
    m_impl->add(param.name, param);
}

void ShaderParams::add(const std::string& line)
{
    const std::vector<std::string> tokens = lineTokens(line);
    if (tokens.size() != 3)
        return;
    add(ShaderParam(tokens[0], tokens[1], tokens[2]));
}

void ShaderParams::add(const std::vector<std::string>& lines)
{
    for (const std::string& line : lines)
        add(line);
}

void ShaderParams::merge(const ShaderParams& other)
{
    // Merging a set into itself changes nothing, and walking a map while writing to it is not safe.
    if (&other == this)
        return;
    for (IteratorHandle it = other.getIterator(); !it->isDone(); it->next())
        add(it->currentItem());
}

ShaderParams::IteratorHandle ShaderParams::getIterator() const
{
    return IteratorHandle(new ShaderParamsIterator(this));
}

const ShaderParam* ShaderParams::find(const std::string& name) const
{
    return m_impl->findPtr(name);
}
} // namespace MatSys
