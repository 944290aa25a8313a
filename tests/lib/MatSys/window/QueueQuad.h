#pragma once

#include "MatSys/Material.h"
#include "Render/OGL/RenderQueue.h"
#include "Render/OGL/VertexArray.h"
#include "maths/Orientation.h"
#include "models/Mesh.h"

namespace Testing
{
// A square of two triangles over the whole viewport, drawn through the render queue with a material as
// the game draws its meshes. Its texture coordinates are its positions. Make it with a context current.
class QueueQuad
{
public:
    QueueQuad() : m_array(6 * 3 * int(sizeof(float))), m_mesh(&m_array, 0, 6, nullptr)
    {
        const float corners[6 * 3] = {-1, -1, 0, 1, -1, 0, 1, 1, 0, -1, -1, 0, 1, 1, 0, -1, 1, 0};
        m_array.defineVertexInfo(3, Render::I_VertexArray::FLOAT);
        m_array.setUseVertexInfoAsTextureInfo(true);
        m_array.putVertices(corners, 6, 0);
    }

    // Matrices are reset, so the corners are clip coordinates.
    void draw(MatSys::Material* material)
    {
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        const MathStuff::Orientation<float> placement(
            MathStuff::Vector3<float>(0, 0, 0), MathStuff::Vector3<float>(0, 0, 1), MathStuff::Vector3<float>(0, 1, 0),
            MathStuff::Vector3<float>(1, 1, 1));
        m_queue.add(placement, &m_mesh, material);
    }

private:
    ::OGL::VertexArray m_array;
    ModelSys::Mesh m_mesh;
    Render::OGL::RenderQueue m_queue;
};
} // namespace Testing
