#include "models/Model.h"

namespace ModelSys
{
Model::Model(const std::string& name) : Util::NamedObject(name), parent(nullptr) {}

Model::~Model()
{
    if (parent != nullptr)
        parent->removePart(this);
}

void Model::display(Render::I_RenderQueue* queue, const MathStuff::Orientation<float>& placement,
                    MatSys::Material* material)
{
    const unsigned int parts = getNumParts();
    display(queue, Placements(parts, placement), Materials(parts, material));
}

CompositeModel* Model::getComposite()
{
    return nullptr;
}

const CompositeModel* Model::getComposite() const
{
    return nullptr;
}

void Model::changeParentOfChild(Model* newParent, Model* child)
{
    if (child == nullptr)
        return;
    if (child->parent != nullptr)
        child->parent->removePart(child);
    child->parent = newParent;
}
} // namespace ModelSys
