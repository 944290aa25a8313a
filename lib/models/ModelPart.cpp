#include "models/ModelPart.h"

#include "Render/I_RenderQueue.h"
#include "models/Mesh.h"
#include "models/ModelPartIterator.h"

namespace ModelSys
{
ModelPart::ModelPart(const std::string& name, const Mesh* meshIn, const MathStuff::Vector3<float>& offsetIn,
                     MatSys::Material* materialIn)
    : Model(name), mesh(meshIn), offset(offsetIn), material(materialIn)
{
}

ModelPart::~ModelPart() = default;

void ModelPart::addPart(Model*) {}

void ModelPart::removePart(Model*) {}

Model::IteratorHandle ModelPart::getIterator()
{
    return IteratorHandle(new ModelPartIterator(this));
}

unsigned int ModelPart::getNumParts() const
{
    return 1;
}

void ModelPart::display(Render::I_RenderQueue* queue, const Placements& placements,
                        const Materials& materials)
{
    if (queue == nullptr || placements.empty())
        return;
    MatSys::Material* chosen = materials.empty() ? nullptr : materials.front();
    if (chosen == nullptr)
        chosen = material;
    if (chosen == nullptr && mesh != nullptr)
        chosen = mesh->getMaterial();
    // The offset is in the model's own units: the queue scales it with the rest of the placement.
    queue->add(placements.front(), offset, mesh, chosen);
}
} // namespace ModelSys
