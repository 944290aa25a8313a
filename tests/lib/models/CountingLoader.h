#pragma once

#include <map>
#include <string>
#include <vector>

#include "models/Mesh.h"
#include "models/MeshStore.h"
#include "models/ModelFileLoader.h"

namespace Testing
{
// A loader that reads nothing: each load is counted, and a file listed in meshesOf puts meshes of those
// names (over no vertex array) into the mesh store. A file listed in failing fails with its text.
class CountingLoader : public ModelSys::ModelFileLoader
{
public:
    CountingLoader(ModelSys::MeshStore* meshStore, const std::string& dir)
        : ModelFileLoader(meshStore, nullptr, nullptr, dir)
    {
    }

    bool load(const std::string& fileName, Names& meshNames, Names& materialNames, Names& textureNames,
              std::string& errorLog) override
    {
        ++loads[fileName];
        order.push_back(fileName);
        for (const std::string& mesh : meshesOf[fileName])
        {
            getMeshStore()->add(mesh, new ModelSys::Mesh(nullptr, 0, 3, nullptr));
            meshNames.push_back(mesh);
        }
        materialNames.push_back("mat:" + fileName);
        textureNames.push_back("tex:" + fileName);
        if (failing.count(fileName) > 0)
        {
            errorLog += failing[fileName];
            return false;
        }
        return true;
    }

    std::map<std::string, int> loads;
    std::vector<std::string> order;
    std::map<std::string, std::vector<std::string>> meshesOf;
    std::map<std::string, std::string> failing;
};
} // namespace Testing
