#pragma once

#include <string>

#include "models/Blueprint.h"

namespace ModelSys
{
// Turns a poly model into an assembly of its parts' meshes.
class ModelMakerHelper
{
public:
    virtual ~ModelMakerHelper() = default;

    // Appends one entry (model, "model.part:x,y,z ..." for each part with its offset) for the model of
    // that name in the poly-model file at path. Always true: the file always gives the model.
    virtual bool makeBlueprintFromPMF(const std::string& modelName, const std::string& path,
                                      Blueprint& blueprint) const;
};
} // namespace ModelSys
