#include "models/Mesh.h"

namespace ModelSys
{
Mesh::Mesh(Render::I_VertexArray* vertexArrayIn, int firstIn, int countIn, MatSys::Material* materialIn)
    : vertexArray(vertexArrayIn), first(firstIn), count(countIn), material(materialIn)
{
}

Mesh::~Mesh() = default;

Render::I_VertexArray* Mesh::getVertexArray() const
{
    return vertexArray;
}

int Mesh::getFirst() const
{
    return first;
}

int Mesh::getSize() const
{
    return count;
}

MatSys::Material* Mesh::getMaterial() const
{
    return material;
}
} // namespace ModelSys
