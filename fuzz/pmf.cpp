// Feeds arbitrary bytes to the poly-model reader as a ".pmf" file: every part's triangles, then the
// loader over vertex arrays in memory. Every write must land inside the array it was made for and every
// mesh must cover a range of its array, and no file may give more vertices than the loader's bound.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "FuzzFiles.h"
#include "models/Mesh.h"
#include "models/MeshStore.h"
#include "models/MeshStoreIterator.h"
#include "models/ModelFileLoaderPMF.h"
#include "models/PolyModel.h"
#include "models/PolyModelFile.h"
#include "support/MemoryVertexArray.h"

namespace
{
void check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

void readParts(const std::string& path)
{
    std::vector<ModelSys::PolyModel*> models;
    {
        ModelSys::PolyModelFile file(path);
        check(file.makeModels(models) >= 1);
    }
    for (ModelSys::PolyModel* model : models)
    {
        for (const ModelSys::PolyModel::Part* part : model->getParts())
        {
            ModelSys::PolyModel::Points points;
            part->getPoints(points);
            check(points.size() % 3 == 0);
        }
        delete model;
    }
}

void load(const std::string& dir)
{
    Testing::MemoryVertexArrayFactory factory;
    ModelSys::MeshStore meshes(&factory);
    ModelSys::ModelFileLoaderPMF loader(&meshes, nullptr, nullptr, dir);
    std::vector<std::string> meshNames, materialNames, textureNames;
    std::string log;
    loader.load("f.pmf", meshNames, materialNames, textureNames, log);
    std::size_t vertices = 0;
    for (const Testing::MemoryVertexArray* array : factory.made)
    {
        check(array->outside == 0);
        vertices += static_cast<std::size_t>(array->getBufferSize()) / (array->textureInfo.declared ? 20 : 12);
    }
    check(vertices <= ModelSys::ModelFileLoaderPMF::MAX_VERTICES);
    ModelSys::MeshStore::IteratorHandle it = meshes.getIterator();
    for (; !it->isDone(); it->next())
    {
        const ModelSys::Mesh* mesh = it->currentItem().second;
        const Testing::MemoryVertexArray* array =
            static_cast<const Testing::MemoryVertexArray*>(mesh->getVertexArray());
        const int stride = array->textureInfo.declared ? 20 : 12;
        check(mesh->getFirst() >= 0 && mesh->getSize() > 0);
        check((mesh->getFirst() + mesh->getSize()) * stride <= array->getBufferSize());
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    const std::string path = FuzzFiles::dir().write("f.pmf", FuzzFiles::text(data, size));
    readParts(path);
    load(FuzzFiles::dir().path(""));
    return 0;
}
