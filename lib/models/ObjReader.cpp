#include "models/ObjReader.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <new>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "models/ObjReaderInternal.h"
#include "models/ObjText.h"

namespace ModelSys
{
namespace
{
std::uint32_t triangleCount(const std::vector<ObjFaceVertex>& corners)
{
    return corners.size() < 3 ? 0u : static_cast<std::uint32_t>(corners.size() - 2);
}

// Reads the MTL file an mtllib statement names, unless this OBJ file has read it already: a file naming
// one library over and over would otherwise read it again each time.
bool readLibrary(_GLMscene* scene, const std::string& name, std::unordered_set<std::string>& read)
{
    const std::string path = std::filesystem::path(glmMtlPath(scene, name.c_str())).lexically_normal().string();
    if (!read.insert(path).second)
        return true;
    std::free(scene->mtllibname);
    scene->mtllibname = glmStrdup(name.c_str());
    return glmReadMTL(scene, name.c_str());
}

// Counts what the file holds and reads its MTL files. False when the read has to stop.
bool firstPass(_GLMscene* scene, ObjText& text)
{
    _GLMfacegroup* group = scene->groups;
    std::unordered_set<std::string> libraries;
    std::vector<ObjFaceVertex> corners;
    std::string word;
    while (text.nextWord(word))
    {
        switch (word[0])
        {
        case 'v':
            if (word.size() == 1)
                ++scene->numvertices;
            else if (word[1] == 'n')
                ++scene->numnormals;
            else if (word[1] == 't')
                ++scene->numtexcoords;
            else
            {
                std::printf("glmFirstPass(): Unknown token \"%s\".\n", word.c_str());
                return false;
            }
            text.skipLine();
            break;
        case 'f':
            readObjFace(text, corners);
            scene->numtriangles += triangleCount(corners);
            group->numtriangles += triangleCount(corners);
            break;
        case 'g':
            group = glmAddGroup(scene, text.restOfLine().c_str());
            break;
        case 'm':
            if (!readLibrary(scene, firstWord(text.restOfLine()), libraries))
                return false;
            break;
        default:
            text.skipLine();
            break;
        }
    }
    return true;
}

void allocate(_GLMscene* scene, std::map<const _GLMfacegroup*, std::uint32_t>& capacity)
{
    for (_GLMfacegroup* group = scene->groups; group != nullptr; group = group->next)
    {
        capacity[group] = group->numtriangles;
        group->triangles = static_cast<std::uint32_t*>(glmAlloc(group->numtriangles, sizeof(std::uint32_t)));
        group->numtriangles = 0;
    }
    scene->vertices = static_cast<float*>(glmAlloc(3 * (scene->numvertices + 1u), sizeof(float)));
    scene->triangles = static_cast<_GLMtri*>(glmAlloc(scene->numtriangles, sizeof(_GLMtri)));
    if (scene->numnormals > 0)
        scene->normals = static_cast<float*>(glmAlloc(3 * (scene->numnormals + 1u), sizeof(float)));
    if (scene->numtexcoords > 0)
        scene->texcoords = static_cast<float*>(glmAlloc(2 * (scene->numtexcoords + 1u), sizeof(float)));
}

// Reads the line's numbers into the next entry (from 1 to last) of a table of count floats an entry;
// numbers that do not read are 0.
void readNumbers(ObjText& text, float* table, std::uint32_t& index, std::uint32_t last, int count)
{
    if (index > last)
    {
        text.skipLine();
        return;
    }
    float* entry = table + static_cast<std::size_t>(count) * index++;
    const int got = scanFloats(text.restOfLine(), entry, count);
    for (int i = got; i < count; ++i)
        entry[i] = 0.0f;
}

struct FillState
{
    _GLMfacegroup* group;
    std::uint32_t material = 0;
    std::uint32_t nextVertex = 1;
    std::uint32_t nextNormal = 1;
    std::uint32_t nextTexcoord = 1;
    std::uint32_t nextTriangle = 0;
    std::map<const _GLMfacegroup*, std::uint32_t> capacity;
};

bool storeFace(_GLMscene* scene, FillState& state, const std::vector<ObjFaceVertex>& corners)
{
    for (const ObjFaceVertex& corner : corners)
    {
        if (corner.v < 1 || static_cast<std::uint32_t>(corner.v) > scene->numvertices)
        {
            std::fprintf(stderr, "glmReadOBJ() failed: face names position %d of %u in \"%s\".\n", corner.v,
                         scene->numvertices, scene->pathname);
            return false;
        }
    }
    for (std::uint32_t k = 0; k < triangleCount(corners); ++k)
    {
        // The passes read faces alike, so the counts hold; the check keeps every write inside them.
        if (state.nextTriangle >= scene->numtriangles ||
            state.group->numtriangles >= state.capacity[state.group])
            return false;
        const ObjFaceVertex* picked[3] = {&corners[0], &corners[k + 1], &corners[k + 2]};
        _GLMtri& triangle = scene->triangles[state.nextTriangle];
        for (int c = 0; c < 3; ++c)
        {
            triangle.vindices[c] = static_cast<std::uint32_t>(picked[c]->v);
            triangle.nindices[c] = static_cast<std::uint32_t>(picked[c]->n);
            triangle.tindices[c] = static_cast<std::uint32_t>(picked[c]->t);
        }
        triangle.findex = 0;
        state.group->triangles[state.group->numtriangles++] = state.nextTriangle++;
    }
    return true;
}

bool secondPass(_GLMscene* scene, ObjText& text, FillState& state)
{
    std::vector<ObjFaceVertex> corners;
    std::string word;
    while (text.nextWord(word))
    {
        if (word == "v")
            readNumbers(text, scene->vertices, state.nextVertex, scene->numvertices, 3);
        else if (word[0] == 'v' && word[1] == 'n')
            readNumbers(text, scene->normals, state.nextNormal, scene->numnormals, 3);
        else if (word[0] == 'v' && word[1] == 't')
            readNumbers(text, scene->texcoords, state.nextTexcoord, scene->numtexcoords, 2);
        else if (word[0] == 'g')
        {
            state.group = glmFindGroup(scene, text.restOfLine().c_str());
            if (state.group == nullptr)
                return false;
            state.group->material = state.material;
        }
        else if (word[0] == 'u')
        {
            state.material = glmFindMaterial(scene, firstWord(text.restOfLine()).c_str());
            state.group->material = state.material;
        }
        else if (word[0] == 'f')
        {
            readObjFace(text, corners);
            if (!storeFace(scene, state, corners))
                return false;
        }
        else
            text.skipLine();
    }
    return true;
}

_GLMscene* newScene(const char* path)
{
    _GLMscene* scene = static_cast<_GLMscene*>(glmAlloc(1, sizeof(_GLMscene)));
    scene->pathname = glmStrdup(path);
    glmAddGroup(scene, "default");
    return scene;
}
} // namespace

struct GroupIndex
{
    std::unordered_map<std::string, _GLMfacegroup*> byName;
};

namespace
{
// Built on first use from the list, so that a record filled some other way is indexed too.
GroupIndex& groupIndex(_GLMscene* scene)
{
    if (scene->groupIndex == nullptr)
    {
        scene->groupIndex = new GroupIndex;
        // Oldest first, so that of two groups with one name the newer is found, as walking the list does.
        std::vector<_GLMfacegroup*> oldestFirst;
        for (_GLMfacegroup* group = scene->groups; group != nullptr; group = group->next)
            oldestFirst.push_back(group);
        for (auto it = oldestFirst.rbegin(); it != oldestFirst.rend(); ++it)
            scene->groupIndex->byName[(*it)->name] = *it;
    }
    return *scene->groupIndex;
}
} // namespace

char* glmStrdup(const char* text)
{
    const std::size_t length = std::strlen(text);
    char* copy = static_cast<char*>(glmAlloc(length + 1, 1));
    std::memcpy(copy, text, length);
    return copy;
}

void* glmAlloc(std::size_t count, std::size_t size)
{
    void* memory = std::calloc(count == 0 ? 1 : count, size == 0 ? 1 : size);
    if (memory == nullptr)
        throw std::bad_alloc();
    return memory;
}

_GLMscene* glmReadOBJ(const char* path)
{
    ObjText text;
    if (!text.load(path))
    {
        std::fprintf(stderr, "glmReadOBJ() failed: can't open data file \"%s\".\n", path);
        return nullptr;
    }
    _GLMscene* scene = newScene(path);
    if (!firstPass(scene, text))
    {
        glmDelete(scene);
        return nullptr;
    }
    FillState state;
    allocate(scene, state.capacity);
    state.group = glmFindGroup(scene, "default");
    text.rewind();
    if (!secondPass(scene, text, state))
    {
        glmDelete(scene);
        return nullptr;
    }
    return scene;
}

void glmDelete(_GLMscene* scene)
{
    if (scene == nullptr)
        return;
    std::free(scene->pathname);
    std::free(scene->mtllibname);
    std::free(scene->vertices);
    std::free(scene->normals);
    std::free(scene->texcoords);
    std::free(scene->facetnorms);
    std::free(scene->triangles);
    for (std::uint32_t i = 0; i < scene->nummaterials; ++i)
    {
        std::free(scene->materials[i].name);
        std::free(scene->materials[i].textureFile);
    }
    std::free(scene->materials);
    delete scene->groupIndex;
    while (scene->groups != nullptr)
    {
        _GLMfacegroup* group = scene->groups;
        scene->groups = group->next;
        std::free(group->name);
        std::free(group->triangles);
        std::free(group);
    }
    std::free(scene);
}

_GLMfacegroup* glmFindGroup(_GLMscene* scene, const char* name)
{
    const GroupIndex& index = groupIndex(scene);
    const auto found = index.byName.find(name);
    return found == index.byName.end() ? nullptr : found->second;
}

_GLMfacegroup* glmAddGroup(_GLMscene* scene, const char* name)
{
    _GLMfacegroup* group = glmFindGroup(scene, name);
    if (group != nullptr)
        return group;
    group = static_cast<_GLMfacegroup*>(glmAlloc(1, sizeof(_GLMfacegroup)));
    group->name = glmStrdup(name);
    group->next = scene->groups;
    scene->groups = group;
    ++scene->numgroups;
    groupIndex(scene).byName[group->name] = group;
    return group;
}

std::uint32_t glmFindMaterial(_GLMscene* scene, const char* name)
{
    for (std::uint32_t i = 0; i < scene->nummaterials; ++i)
    {
        if (std::strcmp(scene->materials[i].name, name) == 0)
            return i;
    }
    std::printf("glmFindMaterial():  can't find material \"%s\".\n", name);
    return 0;
}
} // namespace ModelSys
