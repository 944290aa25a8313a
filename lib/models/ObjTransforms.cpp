#include <cmath>
#include <cstdlib>
#include <utility>
#include <vector>

#include "models/ObjReader.h"
#include "models/ObjReaderInternal.h"

namespace ModelSys
{
namespace
{
// The smallest and largest coordinate of every axis over the positions; zeros without positions.
void bounds(const _GLMscene* scene, float* low, float* high)
{
    for (int axis = 0; axis < 3; ++axis)
    {
        low[axis] = scene->numvertices > 0 ? scene->vertices[3 + axis] : 0.0f;
        high[axis] = low[axis];
    }
    for (std::uint32_t i = 1; i <= scene->numvertices; ++i)
    {
        for (int axis = 0; axis < 3; ++axis)
        {
            const float value = scene->vertices[3 * i + axis];
            if (value < low[axis])
                low[axis] = value;
            if (value > high[axis])
                high[axis] = value;
        }
    }
}

float largestSize(_GLMscene* scene)
{
    float dimensions[3];
    glmDimensions(scene, dimensions);
    float largest = dimensions[0];
    if (dimensions[1] > largest)
        largest = dimensions[1];
    if (dimensions[2] > largest)
        largest = dimensions[2];
    return largest;
}

void replaceTexcoords(_GLMscene* scene, std::uint32_t count)
{
    std::free(scene->texcoords);
    scene->numtexcoords = count;
    scene->texcoords = count > 0 ? static_cast<float*>(glmAlloc(2 * (count + 1u), sizeof(float))) : nullptr;
}
} // namespace

void glmScale(_GLMscene* scene, float factor)
{
    for (std::uint32_t i = 1; i <= scene->numvertices; ++i)
    {
        scene->vertices[3 * i + 0] *= factor;
        scene->vertices[3 * i + 1] *= factor;
        scene->vertices[3 * i + 2] *= factor;
    }
}

void glmReverseWinding(_GLMscene* scene)
{
    for (std::uint32_t i = 0; i < scene->numtriangles; ++i)
    {
        _GLMtri& triangle = scene->triangles[i];
        std::swap(triangle.vindices[0], triangle.vindices[2]);
        if (scene->numnormals > 0)
            std::swap(triangle.nindices[0], triangle.nindices[2]);
        if (scene->numtexcoords > 0)
            std::swap(triangle.tindices[0], triangle.tindices[2]);
    }
    for (std::uint32_t i = 3; i < 3 * (scene->numfacetnorms + 1u); ++i)
        scene->facetnorms[i] = -scene->facetnorms[i];
    for (std::uint32_t i = 3; i < 3 * (scene->numnormals + 1u); ++i)
        scene->normals[i] = -scene->normals[i];
}

void glmDimensions(_GLMscene* scene, float* dimensions)
{
    float low[3];
    float high[3];
    bounds(scene, low, high);
    for (int axis = 0; axis < 3; ++axis)
        dimensions[axis] = std::fabs(high[axis]) + std::fabs(low[axis]);
}

float glmUnitize(_GLMscene* scene)
{
    float low[3];
    float high[3];
    bounds(scene, low, high);
    const float largest = largestSize(scene);
    const float scale = largest != 0.0f ? 2.0f / largest : 1.0f;
    for (std::uint32_t i = 1; i <= scene->numvertices; ++i)
    {
        for (int axis = 0; axis < 3; ++axis)
        {
            float& value = scene->vertices[3 * i + axis];
            value = (value - (high[axis] + low[axis]) * 0.5f) * scale;
        }
    }
    return scale;
}

void glmLinearTexture(_GLMscene* scene)
{
    const float largest = std::fabs(largestSize(scene));
    const float s = largest != 0.0f ? 2.0f / largest : 1.0f;
    replaceTexcoords(scene, scene->numvertices);
    for (std::uint32_t i = 1; i <= scene->numvertices; ++i)
    {
        scene->texcoords[2 * i + 0] = 0.5f * (scene->vertices[3 * i + 0] * s + 1.0f);
        scene->texcoords[2 * i + 1] = 0.5f * (scene->vertices[3 * i + 2] * s + 1.0f);
    }
    for (std::uint32_t i = 0; i < scene->numtriangles; ++i)
    {
        for (int c = 0; c < 3; ++c)
            scene->triangles[i].tindices[c] = scene->triangles[i].vindices[c];
    }
}

void glmSpheremapTexture(_GLMscene* scene)
{
    const float pi = 3.14159265f;
    replaceTexcoords(scene, scene->numnormals);
    for (std::uint32_t i = 1; i <= scene->numnormals; ++i)
    {
        const float a = scene->normals[3 * i + 0];
        const float b = scene->normals[3 * i + 1];
        const float c = scene->normals[3 * i + 2];
        const float r = std::sqrt(b * b + c * c);
        float u = 0.0f;
        float v = 0.0f;
        if (r != 0.0f)
        {
            const float theta = b == 0.0f ? 1.5707961f : std::asin(b / r);
            const float phi = a == 0.0f ? pi / 2.0f : std::acos(a / std::sqrt(r * r + a * a));
            u = (theta + pi / 2.0f) / pi;
            v = phi / pi;
        }
        scene->texcoords[2 * i + 0] = u;
        scene->texcoords[2 * i + 1] = v;
    }
    for (std::uint32_t i = 0; i < scene->numtriangles; ++i)
    {
        for (int c = 0; c < 3; ++c)
            scene->triangles[i].tindices[c] = scene->triangles[i].nindices[c];
    }
}

std::uint32_t glmWeldVectors(const float* vectors, std::uint32_t count, float epsilon, float* distinct,
                             std::uint32_t* mapping)
{
    std::uint32_t kept = 0;
    for (std::uint32_t i = 1; i <= count; ++i)
    {
        const float* v = vectors + 3 * i;
        std::uint32_t match = 0;
        for (std::uint32_t j = 1; j <= kept && match == 0; ++j)
        {
            const float* d = distinct + 3 * j;
            if (std::fabs(v[0] - d[0]) < epsilon && std::fabs(v[1] - d[1]) < epsilon &&
                std::fabs(v[2] - d[2]) < epsilon)
                match = j;
        }
        if (match == 0)
        {
            match = ++kept;
            for (int axis = 0; axis < 3; ++axis)
                distinct[3 * match + axis] = v[axis];
        }
        mapping[i] = match;
    }
    return kept;
}

void glmWeld(_GLMscene* scene, float distance)
{
    const std::uint32_t count = scene->numvertices;
    float* distinct = static_cast<float*>(glmAlloc(3 * (count + 1u), sizeof(float)));
    std::vector<std::uint32_t> mapping(count + 1u, 0);
    const std::uint32_t kept = glmWeldVectors(scene->vertices, count, distance, distinct, mapping.data());
    for (std::uint32_t i = 0; i < scene->numtriangles; ++i)
    {
        for (int c = 0; c < 3; ++c)
        {
            std::uint32_t& index = scene->triangles[i].vindices[c];
            if (index >= 1 && index <= count)
                index = mapping[index];
        }
    }
    std::free(scene->vertices);
    scene->vertices = distinct;
    scene->numvertices = kept;
}
} // namespace ModelSys
