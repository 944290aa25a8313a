#pragma once

#include "maths/Orientation.h"
#include "maths/Vector3.h"

namespace ModelSys
{
class Mesh;
} // namespace ModelSys

namespace MatSys
{
class Material;
} // namespace MatSys

namespace Render
{
// Draws meshes at placements with materials; it belongs to the render controller that hands it out.
class I_RenderQueue
{
public:
    virtual ~I_RenderQueue() = default;

    // A null material draws the mesh without one.
    virtual void add(const MathStuff::Orientation<float>& placement, const ModelSys::Mesh* mesh,
                     MatSys::Material* material) = 0;
    virtual void add(const MathStuff::Orientation<float>& placement, const MathStuff::Vector3<float>& offset,
                     const ModelSys::Mesh* mesh, MatSys::Material* material) = 0;
};
} // namespace Render
