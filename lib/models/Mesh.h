#pragma once

namespace Render
{
class I_VertexArray;
} // namespace Render

namespace MatSys
{
class Material;
} // namespace MatSys

namespace ModelSys
{
// A named range of a vertex array, drawn as a list of triangles, with an optional material of its own.
// A mesh owns nothing (the mesh store owns the array, the material store the material) and never changes.
class Mesh
{
public:
    Mesh(Render::I_VertexArray* vertexArray, int first, int count, MatSys::Material* material);
    virtual ~Mesh();

    virtual Render::I_VertexArray* getVertexArray() const;
    // The index of the first vertex of the range.
    virtual int getFirst() const;
    // The number of vertices of the range.
    virtual int getSize() const;
    // May be null.
    virtual MatSys::Material* getMaterial() const;

private:
    Render::I_VertexArray* vertexArray;
    int first;
    int count;
    MatSys::Material* material;
};
} // namespace ModelSys
