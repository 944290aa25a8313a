#include "models/ModelMaker.h"

#include <map>
#include <memory>
#include <set>
#include <vector>

#include "CFG/Info.h"
#include "CFG/Overrides.h"
#include "models/CompositeModel.h"
#include "models/MeshStore.h"
#include "models/ModelFileManager.h"
#include "models/ModelMakerHelper.h"
#include "models/ModelPart.h"
#include "models/PartsText.h"
#include "models/TextWords.h"

namespace ModelSys
{
// One tree being built from a blueprint, with what bounds it.
class ModelMaker::Build
{
public:
    Build(const ModelMaker& makerIn, const Blueprint& blueprintIn) : maker(makerIn), blueprint(blueprintIn)
    {
        for (std::size_t i = 0; i < blueprint.size(); ++i)
            firstEntry.insert(std::make_pair(blueprint[i].first, i));
    }

    Model* entry(const BlueprintEntry& entry, const MathStuff::Vector3<float>& offset, int depth)
    {
        if (gaveUp || ++tried > MAX_MODELS)
            return giveUp();
        if (entry.first.empty())
            return nullptr;
        if (entry.second.empty())
            return maker.create(entry.first, offset, nullptr);
        if (depth > MAX_DEPTH)
            return giveUp();
        std::unique_ptr<CompositeModel> composite(new CompositeModel(entry.first));
        std::vector<PartsItem> items;
        readPartsText(entry.second, items);
        onPath.insert(entry.first);
        MathStuff::Vector3<float> running = offset;
        for (const PartsItem& item : items)
        {
            if (item.hasOffset)
                running = item.offset;
            Model* child = this->entry(lookUp(item.name), running, depth + 1);
            if (gaveUp)
                break;
            if (child != nullptr)
                composite->addPart(child);
        }
        onPath.erase(onPath.find(entry.first));
        return gaveUp ? nullptr : composite.release();
    }

    bool gaveUp = false;

private:
    Model* giveUp()
    {
        gaveUp = true;
        return nullptr;
    }

    // The first entry of that name; a name without an entry, or one being expanded above, is a mesh.
    BlueprintEntry lookUp(const std::string& name) const
    {
        std::map<std::string, std::size_t>::const_iterator found = firstEntry.find(name);
        if (found == firstEntry.end() || onPath.count(name) > 0)
            return BlueprintEntry(name, std::string());
        return blueprint[found->second];
    }

    const ModelMaker& maker;
    const Blueprint& blueprint;
    std::map<std::string, std::size_t> firstEntry;
    std::multiset<std::string> onPath;
    int tried = 0;
};

namespace
{
// Collects name and, once each, the entries below it; false past the depth bound.
bool collect(const CFG::Info* info, Blueprint& blueprint, std::set<std::string>& seen,
             const std::string& name, const std::string& parts, int depth)
{
    if (!parts.empty() && depth > ModelMaker::MAX_DEPTH)
        return false;
    std::string text = parts;
    for (char& c : text)
    {
        if (c == '\n')
            c = ' ';
    }
    blueprint.push_back(BlueprintEntry(name, text));
    seen.insert(name);
    std::vector<PartsItem> items;
    readPartsText(text, items);
    for (const PartsItem& item : items)
    {
        if (seen.count(item.name) > 0)
            continue;
        if (!collect(info, blueprint, seen, item.name, info->get(item.name + "_PARTS"), depth + 1))
            return false;
    }
    return true;
}
} // namespace

ModelMaker::ModelMaker(MeshStore* meshStoreIn) : meshStore(meshStoreIn), fileManager(nullptr) {}

ModelMaker::ModelMaker(ModelFileManager* fileManagerIn)
    : meshStore(fileManagerIn->getMeshStore()), fileManager(fileManagerIn)
{
}

ModelMaker::~ModelMaker() = default;

MeshStore* ModelMaker::getMeshStore() const
{
    return meshStore;
}

ModelFileManager* ModelMaker::getFileManager() const
{
    return fileManager;
}

bool ModelMaker::loadModelFile(const std::string& file) const
{
    return fileManager != nullptr && fileManager->load(file);
}

Model* ModelMaker::create(const std::string& meshName) const
{
    return create(meshName, MathStuff::Vector3<float>(), nullptr);
}

Model* ModelMaker::create(const std::string& meshName, const MathStuff::Vector3<float>& offset,
                          MatSys::Material* material) const
{
    const Mesh* mesh = meshStore != nullptr ? meshStore->get(meshName) : nullptr;
    if (mesh == nullptr)
        return nullptr;
    return new ModelPart(meshName, mesh, offset, material);
}

Model* ModelMaker::create(const std::string& modelName, const std::string& fileName) const
{
    if (fileManager != nullptr && endsWith(fileName, ".tdm"))
        return createFromAssembly(modelName, fileName);
    if (fileManager != nullptr && !fileName.empty())
        return createFromPMF(modelName, fileName);
    return create(modelName);
}

Model* ModelMaker::create(const Blueprint& blueprint) const
{
    if (blueprint.empty())
        return nullptr;
    return makeModel(blueprint, blueprint.front(), MathStuff::Vector3<float>());
}

Model* ModelMaker::makeModel(const Blueprint& blueprint, const BlueprintEntry& entry,
                             MathStuff::Vector3<float> offset) const
{
    Build build(*this, blueprint);
    return build.entry(entry, offset, 1);
}

bool ModelMaker::makeBlueprint(const CFG::Info* info, Blueprint& blueprint, const std::string& name,
                               const std::string& parts) const
{
    std::set<std::string> seen;
    for (const BlueprintEntry& entry : blueprint)
        seen.insert(entry.first);
    return collect(info, blueprint, seen, name, parts, 1);
}

Model* ModelMaker::createFromAssembly(const std::string& modelName, const std::string& fileName) const
{
    const CFG::Info info(fileManager->getLoadDir() + fileName, CFG::getDefaultOverrides());
    std::vector<std::string> required;
    splitWords(info.get(modelName.empty() ? "REQUIRES" : modelName + "_REQUIRES"), required);
    for (const std::string& file : required)
        loadModelFile(file);
    const std::string root = modelName.empty() ? fileStem(fileName) : modelName;
    Blueprint blueprint;
    if (!makeBlueprint(&info, blueprint, root, info.get(modelName.empty() ? "PARTS" : modelName + "_PARTS")))
        return nullptr;
    Build build(*this, blueprint);
    Model* model = build.entry(blueprint.front(), MathStuff::Vector3<float>(), 1);
    if (model != nullptr || build.gaveUp)
        return model;
    return create(modelName);
}

Model* ModelMaker::createFromPMF(const std::string& modelName, const std::string& fileName) const
{
    if (fileManager->load(fileName) && endsWith(fileName, ".pmf") && !meshStore->exists(modelName))
    {
        Blueprint blueprint;
        ModelMakerHelper().makeBlueprintFromPMF(modelName, fileManager->getLoadDir() + fileName, blueprint);
        Build build(*this, blueprint);
        Model* model = build.entry(blueprint.front(), MathStuff::Vector3<float>(), 1);
        // An assembly of parts none of which has a mesh is no model: the caller is told so.
        if (model != nullptr && model->getComposite() != nullptr && model->getNumParts() == 0)
        {
            delete model;
            model = nullptr;
        }
        if (model != nullptr || build.gaveUp)
            return model;
    }
    return create(modelName);
}
} // namespace ModelSys
