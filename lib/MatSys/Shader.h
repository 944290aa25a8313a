#pragma once

#include <string>
#include <vector>

#include "MatSys/I_Shader.h"
#include "util/NonCopyable.h"

namespace MatSys
{
namespace OGL
{
// One OpenGL shader object: its type, its source texts until they are compiled, and its name once made.
class Shader : public I_Shader, private Util::NonCopyable<Shader>
{
public:
    Shader(unsigned int type, const std::vector<std::string>& sources);
    ~Shader() override;

    // 0 until compiled.
    unsigned int getID() const override;
    // Compiles once; the sources are let go as soon as OpenGL has them. On failure log holds the
    // compiler's log and the shader object stays until the destructor.
    virtual bool compile(std::string& log);
    virtual void setSources(const std::vector<std::string>& sources);
    virtual void freeSources();

private:
    unsigned int m_type;
    unsigned int m_id;
    std::vector<std::string> m_sources;
};
} // namespace OGL
} // namespace MatSys
