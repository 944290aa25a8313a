// Feeds arbitrary bytes to the OBJ/MTL reader: the bytes up to the first zero byte are an OBJ file, the
// rest the MTL file "f.mtl" beside it. Whatever it reads must hold only indices inside its own arrays,
// and the transformations must run over it.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "models/ObjReader.h"

namespace
{
void check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

bool writeFile(const std::string& path, const std::uint8_t* data, size_t size)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return false;
    const bool written = size == 0 || std::fwrite(data, 1, size, file) == size;
    return std::fclose(file) == 0 && written;
}

void checkRecord(const ModelSys::_GLMscene* scene)
{
    std::uint32_t grouped = 0;
    for (const ModelSys::_GLMfacegroup* group = scene->groups; group != nullptr; group = group->next)
    {
        check(scene->nummaterials == 0 ? group->material == 0 : group->material < scene->nummaterials);
        for (std::uint32_t i = 0; i < group->numtriangles; ++i)
            check(group->triangles[i] < scene->numtriangles);
        grouped += group->numtriangles;
    }
    check(grouped == scene->numtriangles);
    for (std::uint32_t t = 0; t < scene->numtriangles; ++t)
    {
        for (int c = 0; c < 3; ++c)
            check(scene->triangles[t].vindices[c] >= 1 &&
                  scene->triangles[t].vindices[c] <= scene->numvertices);
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    static const std::string dir = "/tmp/orvik-fuzz-obj-" + std::to_string(::getpid());
    std::filesystem::create_directories(dir);
    size_t split = 0;
    while (split < size && data[split] != 0)
        ++split;
    const std::string obj = dir + "/f.obj";
    const std::string mtl = dir + "/f.mtl";
    std::remove(mtl.c_str());
    if (!writeFile(obj, data, split))
        return 0;
    if (split < size && !writeFile(mtl, data + split + 1, size - split - 1))
        return 0;
    ModelSys::_GLMscene* scene = ModelSys::glmReadOBJ(obj.c_str());
    if (scene == nullptr)
        return 0;
    checkRecord(scene);
    ModelSys::glmReverseWinding(scene);
    ModelSys::glmScale(scene, 2.0f);
    ModelSys::glmFacetNormals(scene);
    ModelSys::glmVertexNormals(scene, 90.0f);
    ModelSys::glmSpheremapTexture(scene);
    ModelSys::glmLinearTexture(scene);
    ModelSys::glmUnitize(scene);
    if (scene->numvertices < 2000)
        ModelSys::glmWeld(scene, 0.001f);
    checkRecord(scene);
    ModelSys::glmDelete(scene);
    return 0;
}
