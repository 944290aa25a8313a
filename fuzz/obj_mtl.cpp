// Feeds arbitrary bytes to the OBJ/MTL reader. Parts (cut at "\n~~~~\n"): the OBJ file "f.obj", the MTL
// file "f.mtl" beside it. Whatever it reads must hold only indices inside its own arrays, and the
// transformations must run over it.
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzFiles.h"

#include "models/ObjReader.h"

namespace
{
void check(bool condition)
{
    if (!condition)
        __builtin_trap();
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
    const std::vector<std::string> pieces = FuzzFiles::parts(FuzzFiles::text(data, size), 2);
    const std::string obj = FuzzFiles::writePart(pieces, 0, "f.obj");
    FuzzFiles::writePart(pieces, 1, "f.mtl");
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
