#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "models/ObjReader.h"
#include "models/ObjReaderInternal.h"

namespace ModelSys
{
namespace
{
void normalise(float* v)
{
    const float length = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
    if (length == 0.0f)
        return;
    v[0] /= length;
    v[1] /= length;
    v[2] /= length;
}

float dot(const float* a, const float* b)
{
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

// The normals being made, numbered from 1.
struct NewNormals
{
    explicit NewNormals(std::size_t capacity) : values(3 * (capacity + 1), 0.0f) {}

    std::uint32_t add(const float* normal)
    {
        ++count;
        for (int axis = 0; axis < 3; ++axis)
            values[3 * count + axis] = normal[axis];
        return count;
    }

    std::vector<float> values;
    std::uint32_t count = 0;
};

void setNormalAt(_GLMtri& triangle, std::uint32_t position, std::uint32_t normal)
{
    for (int c = 0; c < 3; ++c)
    {
        if (triangle.vindices[c] == position)
            triangle.nindices[c] = normal;
    }
}

// The triangles at one position, the last of them first.
void normalsAt(_GLMscene* scene, std::uint32_t position, const std::vector<std::uint32_t>& members,
               double threshold, NewNormals& made)
{
    const float* head = scene->facetnorms + 3 * scene->triangles[members.back()].findex;
    std::vector<bool> averaged(members.size(), false);
    float sum[3] = {0.0f, 0.0f, 0.0f};
    bool any = false;
    for (std::size_t k = members.size(); k-- > 0;)
    {
        const float* facet = scene->facetnorms + 3 * scene->triangles[members[k]].findex;
        if (dot(facet, head) > threshold)
        {
            for (int axis = 0; axis < 3; ++axis)
                sum[axis] += facet[axis];
            averaged[k] = any = true;
        }
    }
    std::uint32_t shared = 0;
    if (any)
    {
        normalise(sum);
        shared = made.add(sum);
    }
    for (std::size_t k = members.size(); k-- > 0;)
    {
        _GLMtri& triangle = scene->triangles[members[k]];
        const std::uint32_t normal = averaged[k] ? shared : made.add(scene->facetnorms + 3 * triangle.findex);
        setNormalAt(triangle, position, normal);
    }
}
} // namespace

void glmFacetNormals(_GLMscene* scene)
{
    std::free(scene->facetnorms);
    scene->numfacetnorms = scene->numtriangles;
    scene->facetnorms = static_cast<float*>(glmAlloc(3 * (scene->numtriangles + 1u), sizeof(float)));
    for (std::uint32_t k = 0; k < scene->numtriangles; ++k)
    {
        _GLMtri& triangle = scene->triangles[k];
        const float* p = scene->vertices + 3 * triangle.vindices[0];
        const float* q = scene->vertices + 3 * triangle.vindices[1];
        const float* r = scene->vertices + 3 * triangle.vindices[2];
        const float u[3] = {q[0] - p[0], q[1] - p[1], q[2] - p[2]};
        const float v[3] = {r[0] - p[0], r[1] - p[1], r[2] - p[2]};
        float* n = scene->facetnorms + 3 * (k + 1);
        n[0] = u[1] * v[2] - u[2] * v[1];
        n[1] = u[2] * v[0] - u[0] * v[2];
        n[2] = u[0] * v[1] - u[1] * v[0];
        normalise(n);
        triangle.findex = k + 1;
    }
}

void glmVertexNormals(_GLMscene* scene, float angle)
{
    if (scene->facetnorms == nullptr)
        return;
    const double threshold = std::cos(angle * 3.14159265358979323846 / 180.0);
    std::vector<std::vector<std::uint32_t>> members(scene->numvertices + 1u);
    std::size_t memberships = 0;
    for (std::uint32_t k = 0; k < scene->numtriangles; ++k)
    {
        for (int c = 0; c < 3; ++c)
        {
            members[scene->triangles[k].vindices[c]].push_back(k);
            ++memberships;
        }
    }
    NewNormals made(memberships + scene->numvertices);
    for (std::uint32_t i = 1; i <= scene->numvertices; ++i)
    {
        if (members[i].empty())
            std::fprintf(stderr, "glmVertexNormals(): vertex w/o a triangle\n");
        else
            normalsAt(scene, i, members[i], threshold, made);
    }
    std::free(scene->normals);
    scene->numnormals = made.count;
    scene->normals = static_cast<float*>(glmAlloc(3 * (made.count + 1u), sizeof(float)));
    for (std::size_t i = 3; i < 3 * (made.count + 1u); ++i)
        scene->normals[i] = made.values[i];
}
} // namespace ModelSys
