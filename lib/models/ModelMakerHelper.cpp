#include "models/ModelMakerHelper.h"

#include <memory>
#include <sstream>

#include "models/PolyModel.h"
#include "models/PolyModelFile.h"

namespace ModelSys
{
bool ModelMakerHelper::makeBlueprintFromPMF(const std::string& modelName, const std::string& path,
                                            Blueprint& blueprint) const
{
    std::unique_ptr<PolyModel> model;
    {
        PolyModelFile file(path);
        model.reset(file.makeModel(modelName));
    }
    std::ostringstream parts;
    for (const PolyModel::Part* part : model->getParts())
    {
        parts << modelName << "." << part->name << ":" << part->offset.x << "," << part->offset.y << ","
              << part->offset.z << " ";
    }
    blueprint.push_back(BlueprintEntry(modelName, parts.str()));
    return true;
}
} // namespace ModelSys
