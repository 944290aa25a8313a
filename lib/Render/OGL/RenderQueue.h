#pragma once

#include "Render/I_RenderQueue.h"

namespace Render
{
namespace OGL
{
// Draws each mesh as it is added, between its material's begin and end, under the placement's model
// matrix. Consecutive meshes of the array still bound are drawn without binding it again.
class RenderQueue : public I_RenderQueue
{
public:
    RenderQueue() = default;
    ~RenderQueue() override = default;

    void add(const MathStuff::Orientation<float>& placement, const ModelSys::Mesh* mesh,
             MatSys::Material* material) override;
    // A null mesh, or one without an array or vertices, draws nothing.
    void add(const MathStuff::Orientation<float>& placement, const MathStuff::Vector3<float>& offset,
             const ModelSys::Mesh* mesh, MatSys::Material* material) override;
};
} // namespace OGL
} // namespace Render
