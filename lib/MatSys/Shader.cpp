#include "MatSys/Shader.h"

#include "Render/OpenGL.h"

namespace MatSys
{
namespace OGL
{
Shader::Shader(unsigned int type, const std::vector<std::string>& sources) : m_type(type), m_id(0)
{
    setSources(sources);
}

Shader::~Shader()
{
    if (m_id != 0)
        glDeleteShader(m_id);
}

unsigned int Shader::getID() const
{
    return m_id;
}

void Shader::setSources(const std::vector<std::string>& sources)
{
    freeSources();
    m_sources = sources;
}

void Shader::freeSources()
{
    std::vector<std::string>().swap(m_sources);
}

bool Shader::compile(std::string& log)
{
    log.clear();
    if (m_id != 0)
        return true;
    m_id = glCreateShader(m_type);
    if (m_id == 0)
    {
        // An unknown type or a lost context: nothing to hand the sources to.
        while (glGetError() != GL_NO_ERROR)
        {
        }
        log = "Shader::compile - glCreateShader failed";
        return false;
    }
    std::vector<const GLchar*> texts;
    for (const std::string& source : m_sources)
        texts.push_back(source.c_str());
    glShaderSource(m_id, static_cast<GLsizei>(texts.size()), texts.data(), nullptr);
    glCompileShader(m_id);
    freeSources();

    GLint status = 0;
    glGetShaderiv(m_id, GL_COMPILE_STATUS, &status);
    if (status != 0)
        return true;
    GLint size = 0;
    glGetShaderiv(m_id, GL_INFO_LOG_LENGTH, &size);
    if (size > 0)
    {
        std::vector<GLchar> buffer(static_cast<size_t>(size));
        GLsizei written = 0;
        glGetShaderInfoLog(m_id, size, &written, buffer.data());
        log.append(buffer.data(), static_cast<size_t>(written));
    }
    return false;
}
} // namespace OGL
} // namespace MatSys
