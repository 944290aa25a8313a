#pragma once

#include <cstdio>
#include <string>

#include "models/CompositeModel.h"
#include "models/Model.h"
#include "models/ModelPart.h"

namespace Testing
{
// A model tree as text: a leaf as name@x,y,z, a composite as name(child child ...); "null" for none.
inline std::string treeText(const ModelSys::Model* model)
{
    if (model == nullptr)
        return "null";
    const ModelSys::CompositeModel* composite = model->getComposite();
    if (composite == nullptr)
    {
        const ModelSys::ModelPart* part = dynamic_cast<const ModelSys::ModelPart*>(model);
        char offset[96];
        std::snprintf(offset, sizeof offset, "@%g,%g,%g", part->getOffset().x, part->getOffset().y,
                      part->getOffset().z);
        return model->name + offset;
    }
    std::string text = model->name + "(";
    for (std::size_t i = 0; i < composite->getChildren().size(); ++i)
        text += (i > 0 ? " " : "") + treeText(composite->getChildren()[i]);
    return text + ")";
}
} // namespace Testing
