// Feeds arbitrary bytes to the model maker as an assembly file (".tdm") over a mesh store holding a few
// meshes. However the file nests or repeats its assemblies, making the tree must end, stay within the
// maker's bounds and leave a tree whose parent links agree with its children.
#include <cstdint>
#include <memory>
#include <string>

#include "FuzzFiles.h"

#include "models/CompositeModel.h"
#include "models/Mesh.h"
#include "models/MeshStore.h"
#include "models/Model.h"
#include "models/ModelFileLoader.h"
#include "models/ModelFileManager.h"
#include "models/ModelMaker.h"

namespace
{
void check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

// Loads nothing: the files an assembly requires are only counted as tried.
class NoLoader : public ModelSys::ModelFileLoader
{
public:
    NoLoader(ModelSys::MeshStore* meshes, const std::string& dir)
        : ModelFileLoader(meshes, nullptr, nullptr, dir)
    {
    }
    bool load(const std::string&, Names&, Names&, Names&, std::string&) override { return false; }
};

int countTree(const ModelSys::Model* model, int depth)
{
    check(depth <= ModelSys::ModelMaker::MAX_DEPTH + 1);
    const ModelSys::CompositeModel* composite = model->getComposite();
    if (composite == nullptr)
        return 1;
    int count = 1;
    for (const ModelSys::Model* child : composite->getChildren())
    {
        check(child->getParent() == model);
        count += countTree(child, depth + 1);
    }
    return count;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    FuzzFiles::dir().write("t.tdm", FuzzFiles::text(data, size));
    ModelSys::MeshStore meshes(nullptr);
    for (const char* name : {"a", "b", "c", "t", "wall", "door", "roof"})
        meshes.add(name, new ModelSys::Mesh(nullptr, 0, 3, nullptr));
    NoLoader loader(&meshes, FuzzFiles::dir().path(""));
    ModelSys::ModelFileManager manager(&loader);
    ModelSys::ModelMaker maker(&manager);
    for (const char* modelName : {"", "door"})
    {
        std::unique_ptr<ModelSys::Model> model(maker.create(modelName, "t.tdm"));
        if (model != nullptr)
            check(countTree(model.get(), 1) <= ModelSys::ModelMaker::MAX_MODELS);
    }
    return 0;
}
