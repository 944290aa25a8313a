#include "MatSys/ShaderMaker.h"

#include <utility>

#include "CFG/CFG.h"
#include "CFG/Info.h"
#include "CFG/Overrides.h"
#include "MatSys/Shader.h"
#include "Render/OpenGL.h"
#include "files/TextFile.h"
#include "util/StringUtil.h"

namespace MatSys
{
namespace OGL
{
const std::string VS_EXT = ".VS";
const std::string FS_EXT = ".FS";

namespace
{
bool endsWith(const std::string& text, const std::string& ending)
{
    return text.size() >= ending.size() &&
           text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}

std::string stemOf(const std::string& name)
{
    return name.substr(0, name.find_last_of('.'));
}
} // namespace

ShaderMaker::ShaderMaker(const std::string& loadDir)
{
    setLoadDir(loadDir);
    m_typeMappings.push_back(std::make_pair(VS_EXT, int(GL_VERTEX_SHADER)));
    m_typeMappings.push_back(std::make_pair(FS_EXT, int(GL_FRAGMENT_SHADER)));
}

void ShaderMaker::setLoadDir(const std::string& dir)
{
    m_loadDir = dir;
    if (!m_loadDir.empty() && m_loadDir[m_loadDir.size() - 1] != '/')
        m_loadDir += "/";
}

void ShaderMaker::defineTypeMappings(const TypeMappings& mappings)
{
    m_typeMappings = mappings;
}

int ShaderMaker::nameToType(const std::string& name) const
{
    for (const std::pair<std::string, int>& mapping : m_typeMappings)
        if (endsWith(name, mapping.first))
            return mapping.second;
    return 0;
}

void ShaderMaker::getTypeStrings(std::vector<std::string>& out) const
{
    for (const std::pair<std::string, int>& mapping : m_typeMappings)
        out.push_back(mapping.first);
}

I_Shader* ShaderMaker::create(const std::string& name, const std::string& file)
{
    CFG::Info definition(file, CFG::getDefaultOverrides());
    std::string code = definition.get(name + "_CODE");
    std::string files = definition.get(name + "_FILES");
    if (code.empty() && files.empty())
    {
        code = definition.get("CODE");
        files = definition.get("FILES");
    }
    std::vector<std::string> list;
    Util::splitString(files, " ", list, false, true);
    if (code.empty() && list.empty())
        return create(name);
    return create(name, code, list);
}

I_Shader* ShaderMaker::create(const std::string& name)
{
    if (endsWith(name, ".glsl"))
        return create(stemOf(name), "", std::vector<std::string>{name});
    if (endsWith(name, ".shader"))
        return create(stemOf(name), m_loadDir + name);
    return nullptr;
}

I_Shader* ShaderMaker::create(const std::string& name, const std::string& code,
                              const std::vector<std::string>& files)
{
    const int type = nameToType(name);
    if (type == 0 || (code.empty() && files.empty()))
        return nullptr;
    std::vector<std::string> sources;
    if (!readSources(code, files, sources))
        return nullptr;
    Shader* shader = new Shader(static_cast<unsigned int>(type), sources);
    std::string log;
    if (!shader->compile(log))
    {
        delete shader;
        return nullptr;
    }
    return shader;
}

bool ShaderMaker::readSources(const std::string& code, const std::vector<std::string>& files,
                              std::vector<std::string>& sources) const
{
    if (code.size() > MAX_SOURCE_BYTES)
        return false;
    std::size_t total = code.size();
    if (!code.empty())
        sources.push_back(code);
    for (const std::string& file : files)
    {
        const std::string path = m_loadDir + file;
        const std::size_t left = MAX_SOURCE_BYTES - total;
        // Only references (or a line end added at the end) make a text longer than its file, so a file
        // larger than what is left cannot fit and is not read.
        if (Files::TextFile::size(path) > static_cast<std::streamoff>(left))
            return false;
        std::string text;
        if (!Files::TextFile::loadAndReplaceCfg(CFG::global(), path, text, "\n") || text.size() > left)
            return false;
        total += text.size();
        if (!text.empty())
            sources.push_back(std::move(text));
    }
    return true;
}
} // namespace OGL
} // namespace MatSys
