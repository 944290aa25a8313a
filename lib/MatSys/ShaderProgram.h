#pragma once

#include <string>
#include <vector>

#include "MatSys/I_ShaderProgram.h"
#include "util/BasicStore.h"
#include "util/NonCopyable.h"

namespace MatSys
{
class I_Shader;
class ShaderParam;

namespace OGL
{
// One linked GLSL program with the locations of its uniforms, read once when it is linked, and a
// parameter set of its own that it sends as uniforms only when they may differ from what was sent last.
class ShaderProgram : public I_ShaderProgram, private Util::NonCopyable<ShaderProgram>
{
public:
    ShaderProgram();
    ~ShaderProgram() override;

    // Links the shaders and records the uniform locations; false with the reason in log when it fails.
    bool link(const std::vector<I_Shader*>& shaders, std::string& log);

    // 0 until linked.
    unsigned int getID() const override;
    // Sends params, or the own parameters when they changed since they were last sent. A parameter
    // without a uniform, or of a type no uniform call takes, is skipped and makes the answer false; the
    // others are sent all the same.
    bool beginUsing(const ShaderParams* params) override;
    void endUsing() override;
    const ShaderParams& getParams() const override;
    // Sends nothing: the next beginUsing without parameters does.
    bool setParams(const ShaderParams& params) override;

private:
    void recordUniforms(std::string& log, bool& result);
    bool send(const ShaderParam& param) const;

    unsigned int m_id;
    Util::BasicStore<std::string, int> m_uniformLocations;
    ShaderParams* m_ownParams;
    bool m_paramsChanged;
};
} // namespace OGL
} // namespace MatSys
