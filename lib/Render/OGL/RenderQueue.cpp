#include "Render/OGL/RenderQueue.h"

#include "MatSys/Material.h"
#include "Render/I_VertexArray.h"
#include "Render/OGL/VertexArray.h"
#include "Render/OpenGL.h"
#include "maths/Matrix4x4.h"
#include "models/Mesh.h"

namespace Render
{
namespace OGL
{
namespace
{
// Binds the array unless it is the one still bound; the one bound before is released first, so
// attributes it enabled and this one lacks do not stay on.
void bindArray(const I_VertexArray* array)
{
    const I_VertexArray* bound = ::OGL::VertexArray::getBoundArray();
    if (array == bound)
        return;
    if (bound)
        bound->endUsing();
    array->beginUsing();
}
} // namespace

void RenderQueue::add(const MathStuff::Orientation<float>& placement, const ModelSys::Mesh* mesh,
                      MatSys::Material* material)
{
    add(placement, MathStuff::Vector3<float>(0.0f, 0.0f, 0.0f), mesh, material);
}

void RenderQueue::add(const MathStuff::Orientation<float>& placement, const MathStuff::Vector3<float>& offset,
                      const ModelSys::Mesh* mesh, MatSys::Material* material)
{
    if (!mesh || !mesh->getVertexArray() || mesh->getSize() <= 0)
        return;
    if (material)
        material->beginUsing();
    glPushMatrix();
    MathStuff::Matrix4x4<float> model;
    placement.getTransformation(model);
    glMultMatrixf(model.values);
    // The offset moves the mesh in the placement's own scaled and turned frame.
    glTranslatef(offset.x, offset.y, offset.z);

    bindArray(mesh->getVertexArray());
    glDrawArrays(GL_TRIANGLES, mesh->getFirst(), mesh->getSize());

    glPopMatrix();
    if (material)
        material->endUsing();
}
} // namespace OGL
} // namespace Render
