#include "MatSys/ShaderProgramMaker.h"

#include "CFG/Info.h"
#include "CFG/Overrides.h"
#include "MatSys/ShaderParams.h"
#include "MatSys/ShaderProgram.h"
#include "MatSys/ShaderStore.h"
#include "util/StringUtil.h"

namespace MatSys
{
namespace OGL
{
namespace
{
bool endsWith(const std::string& text, const std::string& ending)
{
    return text.size() >= ending.size() &&
           text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}
} // namespace

ShaderProgramMaker::ShaderProgramMaker(ShaderStore* shaderStore, const std::string& loadDir)
    : m_shaderStore(shaderStore)
{
    setLoadDir(loadDir);
}

void ShaderProgramMaker::setLoadDir(const std::string& dir)
{
    m_loadDir = dir;
    if (!m_loadDir.empty() && m_loadDir[m_loadDir.size() - 1] != '/')
        m_loadDir += "/";
}

I_ShaderProgram* ShaderProgramMaker::create(const std::string& name, const ShaderParams& params,
                                            const std::string& file)
{
    if (m_shaderStore == nullptr)
        return nullptr;
    CFG::Info definition(file, CFG::getDefaultOverrides());
    std::vector<std::string> shaderNames;
    Util::splitString(definition.get(name + "_SHADERS"), " ", shaderNames, false, true);
    // Shaders defined in the same file are made from it before the program asks the store for them.
    for (const std::string& shaderName : shaderNames)
        m_shaderStore->add(shaderName, file);
    if (m_shaderStore->add(name, file) != nullptr)
        shaderNames.push_back(name);

    ShaderParams copy(params);
    std::vector<std::string> lines;
    Util::splitString(definition.get(name + "_PARAMS"), "\n", lines, false, true);
    copy.add(lines);
    if (shaderNames.empty())
        return create(name, copy);
    return create(name, copy, shaderNames);
}

I_ShaderProgram* ShaderProgramMaker::create(const std::string& name, const ShaderParams& params)
{
    if (endsWith(name, ".prg"))
        return create(name.substr(0, name.find_last_of('.')), params, m_loadDir + name);
    return create(name, params, std::vector<std::string>{name});
}

I_ShaderProgram* ShaderProgramMaker::create(const std::string& name, const ShaderParams& params,
                                            const std::vector<std::string>& shaderNames)
{
    (void)name;
    if (m_shaderStore == nullptr)
        return nullptr;
    std::vector<I_Shader*> shaders;
    for (const std::string& shaderName : shaderNames)
    {
        I_Shader* shader = m_shaderStore->get(shaderName, true);
        if (shader != nullptr)
            shaders.push_back(shader);
    }
    if (shaders.empty())
        return nullptr;
    ShaderProgram* program = new ShaderProgram();
    std::string log;
    if (!program->link(shaders, log) || !program->setParams(params))
    {
        delete program;
        return nullptr;
    }
    return program;
}
} // namespace OGL
} // namespace MatSys
