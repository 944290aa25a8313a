#pragma once

#include <cstdint>

// Reads a Wavefront OBJ file and the MTL file it names into one plain record, and transforms such
// records. Records, their arrays and texts live on the C heap and belong to the record: free them with
// glmDelete only.
//
// The dialect: a statement is known by the first character of its first word (for v in OBJ and K in
// MTL also by the second); faces of any size are fanned round their first vertex; indices are absolute
// and count from 1; of MTL only newmtl, Ka, Kd, Ks, Ns/Ni and map_Kd are read.

namespace ModelSys
{
// One triangle. Indices count from 1 as in the file; a normal or texture index that the face does not
// give holds all bits set.
struct _GLMtri
{
    std::uint32_t vindices[3];
    std::uint32_t nindices[3];
    std::uint32_t tindices[3];
    std::uint32_t findex;
};

struct _GLMmaterial
{
    char* name;
    char* textureFile; // from map_Kd; null when none
    float diffuse[4];  // Kd
    float ambient[4];  // Ka
    float specular[4]; // Ks
    float shininess;
};

struct _GLMfacegroup
{
    char* name;
    std::uint32_t numtriangles;
    std::uint32_t* triangles; // indices into the record's triangles
    std::uint32_t material;   // index into the record's materials
    _GLMfacegroup* next;      // the next older group
};

struct GroupIndex;

struct _GLMscene
{
    char* pathname;
    char* mtllibname; // null when no mtllib was read

    std::uint32_t numvertices;
    float* vertices; // 3 floats each, entries 1 to numvertices

    std::uint32_t numnormals;
    float* normals; // 3 floats each from entry 1; null when none

    std::uint32_t numtexcoords;
    float* texcoords; // 2 floats each from entry 1; null when none

    std::uint32_t numfacetnorms;
    float* facetnorms; // 3 floats each from entry 1; null until glmFacetNormals

    std::uint32_t numtriangles;
    _GLMtri* triangles; // from entry 0

    std::uint32_t nummaterials;
    _GLMmaterial* materials; // null when no MTL file was read

    std::uint32_t numgroups;
    _GLMfacegroup* groups; // newest first; the group "default" is last
    GroupIndex* groupIndex; // the groups by name, so that finding one does not walk the list
};

// A new record, or null (with a message) when the file, or its MTL file, cannot be read or does not
// make sense (an unknown v statement, a face naming a position that does not exist).
_GLMscene* glmReadOBJ(const char* path);
// Frees the record and everything in it; null is ignored.
void glmDelete(_GLMscene* scene);

// Multiplies every position by factor.
void glmScale(_GLMscene* scene, float factor);
// Swaps the first and third corner of every triangle and negates every normal and facet normal.
void glmReverseWinding(_GLMscene* scene);

_GLMfacegroup* glmFindGroup(_GLMscene* scene, const char* name);
_GLMfacegroup* glmAddGroup(_GLMscene* scene, const char* name);
// The index of the first material of that name; 0, with a message, when none has it.
std::uint32_t glmFindMaterial(_GLMscene* scene, const char* name);
// For x, y and z: |largest| + |smallest| coordinate over all positions (0 without positions).
void glmDimensions(_GLMscene* scene, float* dimensions);
// Centres the positions' box on the origin and scales it to a largest size of 2; answers the scale (1
// when every size is 0, as there is nothing to scale).
float glmUnitize(_GLMscene* scene);
// One unit normal per triangle, (Q - P) x (R - P); a triangle without area gets (0, 0, 0).
void glmFacetNormals(_GLMscene* scene);
// Smooth normals from the facet normals (nothing without them): at each position the triangles whose
// facet normal is within angle degrees of the last triangle's share one averaged normal.
void glmVertexNormals(_GLMscene* scene, float angle);
// Texture coordinates from x and z, one per position.
void glmLinearTexture(_GLMscene* scene);
// Sphere-map texture coordinates, one per normal.
void glmSpheremapTexture(_GLMscene* scene);
// Merges positions closer than distance in each of x, y and z into the first of them.
void glmWeld(_GLMscene* scene, float distance);
// The search behind glmWeld: writes the distinct vectors of vectors (entries 1 to count, 3 floats each)
// to distinct (same layout) and, for each entry i, the entry of distinct it went to into mapping[i].
// Answers the number of distinct vectors.
std::uint32_t glmWeldVectors(const float* vectors, std::uint32_t count, float epsilon, float* distinct,
                             std::uint32_t* mapping);
} // namespace ModelSys
