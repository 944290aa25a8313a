#include "MatSys/ShaderProgram.h"

#include "MatSys/I_Shader.h"
#include "MatSys/ShaderParams.h"
#include "Render/OpenGL.h"

namespace MatSys
{
namespace OGL
{
namespace
{
void drainErrors()
{
    while (glGetError() != GL_NO_ERROR)
    {
    }
}

bool endsWith(const std::string& text, const std::string& ending)
{
    return text.size() >= ending.size() &&
           text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}
} // namespace

ShaderProgram::ShaderProgram() : m_id(0), m_uniformLocations(-1), m_ownParams(nullptr), m_paramsChanged(false)
{
}

ShaderProgram::~ShaderProgram()
{
    if (m_id != 0)
        glDeleteProgram(m_id);
    delete m_ownParams;
}

unsigned int ShaderProgram::getID() const
{
    return m_id;
}

bool ShaderProgram::link(const std::vector<I_Shader*>& shaders, std::string& log)
{
    log.clear();
    m_id = glCreateProgram();
    if (m_id == 0)
    {
        log = "ShaderProgram::link - glCreateProgram failed";
        return false;
    }
    for (I_Shader* shader : shaders)
        glAttachShader(m_id, shader->getID());
    glLinkProgram(m_id);
    GLint status = 0;
    glGetProgramiv(m_id, GL_LINK_STATUS, &status);
    if (status == 0)
    {
        GLint size = 0;
        glGetProgramiv(m_id, GL_INFO_LOG_LENGTH, &size);
        if (size > 0)
        {
            std::vector<GLchar> buffer(static_cast<size_t>(size));
            GLsizei written = 0;
            glGetProgramInfoLog(m_id, size, &written, buffer.data());
            log.append(buffer.data(), static_cast<size_t>(written));
        }
        drainErrors();
        return false;
    }
    bool result = true;
    glUseProgram(m_id);
    recordUniforms(log, result);
    m_paramsChanged = true;
    beginUsing(nullptr);
    endUsing();
    return result;
}

void ShaderProgram::recordUniforms(std::string& log, bool& result)
{
    GLint count = 0;
    glGetProgramiv(m_id, GL_ACTIVE_UNIFORMS, &count);
    for (GLint index = 0; index < count; ++index)
    {
        GLchar buffer[100] = {0};
        GLsizei length = 0;
        GLint size = 0;
        GLenum type = 0;
        glGetActiveUniform(m_id, static_cast<GLuint>(index), sizeof(buffer), &length, &size, &type, buffer);
        const std::string name(buffer, static_cast<size_t>(length));
        if (name.compare(0, 3, "gl_") == 0)
            continue;
        const GLint location = glGetUniformLocation(m_id, name.c_str());
        if (location == -1)
        {
            log = "WTF! UniformLoc not found for: " + name;
            result = false;
            continue;
        }
        m_uniformLocations.add(name, location);
        // Drivers differ in naming an array by its first element; a parameter names the array.
        if (endsWith(name, "[0]"))
            m_uniformLocations.add(name.substr(0, name.size() - 3), location);
    }
}

bool ShaderProgram::beginUsing(const ShaderParams* params)
{
    if (m_id == 0)
        return false;
    glUseProgram(m_id);
    const ShaderParams* chosen = params;
    if (params == nullptr && m_paramsChanged)
    {
        m_paramsChanged = false;
        chosen = m_ownParams;
    }
    else if (params != nullptr)
        m_paramsChanged = true;
    if (chosen == nullptr)
        return true;

    bool result = true;
    for (ShaderParams::IteratorHandle it = chosen->getIterator(); !it->isDone(); it->next())
        if (!send(it->currentItem()))
            result = false;
    drainErrors();
    return result;
}

bool ShaderProgram::send(const ShaderParam& param) const
{
    const GLint location = m_uniformLocations.find(param.name);
    if (location == -1)
        return false;
    const std::string& type = param.type;
    const GLfloat* f = param.values.f;
    const GLint* i = param.values.i;
    const GLsizei count = param.vectorCount;
    if (type == "1f")
        glUniform1f(location, f[0]);
    else if (type == "2f")
        glUniform2f(location, f[0], f[1]);
    else if (type == "3f")
        glUniform3f(location, f[0], f[1], f[2]);
    else if (type == "4f")
        glUniform4f(location, f[0], f[1], f[2], f[3]);
    else if (type == "1i" || type == "sampler1D" || type == "sampler2D" || type == "sampler3D")
        glUniform1i(location, i[0]);
    else if (type == "2i")
        glUniform2i(location, i[0], i[1]);
    else if (type == "3i")
        glUniform3i(location, i[0], i[1], i[2]);
    else if (type == "4i")
        glUniform4i(location, i[0], i[1], i[2], i[3]);
    else if (type == "1fv")
        glUniform1fv(location, count, f);
    else if (type == "2fv")
        glUniform2fv(location, count, f);
    else if (type == "3fv")
        glUniform3fv(location, count, f);
    else if (type == "4fv")
        glUniform4fv(location, count, f);
    else if (type == "1iv")
        glUniform1iv(location, count, i);
    else if (type == "2iv")
        glUniform2iv(location, count, i);
    else if (type == "3iv")
        glUniform3iv(location, count, i);
    else if (type == "4iv")
        glUniform4iv(location, count, i);
    else
        return false;
    return true;
}

void ShaderProgram::endUsing()
{
    glUseProgram(0);
}

const ShaderParams& ShaderProgram::getParams() const
{
    static const ShaderParams l_emptyParams;
    return m_ownParams != nullptr ? *m_ownParams : l_emptyParams;
}

bool ShaderProgram::setParams(const ShaderParams& params)
{
    // Copy first: params may be the set this program holds.
    ShaderParams* replacement = new ShaderParams(params);
    delete m_ownParams;
    m_ownParams = replacement;
    m_paramsChanged = true;
    return true;
}
} // namespace OGL
} // namespace MatSys
