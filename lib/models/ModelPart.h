#pragma once

#include <string>

#include "maths/Vector3.h"
#include "models/Model.h"

namespace ModelSys
{
class Mesh;

// A leaf: one mesh drawn at an offset from the placement, with an optional material of its own.
// It owns neither mesh nor material.
class ModelPart : public Model
{
public:
    ModelPart(const std::string& name, const Mesh* mesh, const MathStuff::Vector3<float>& offset,
              MatSys::Material* material);
    ~ModelPart() override;

    // A leaf has no children: both do nothing.
    void addPart(Model* child) override;
    void removePart(Model* child) override;
    // Yields the part itself, once.
    IteratorHandle getIterator() override;
    unsigned int getNumParts() const override;
    // Draws at the first placement. The material is the first given one unless null, else the part's,
    // else the mesh's.
    void display(Render::I_RenderQueue* queue, const Placements& placements,
                 const Materials& materials) override;
    using Model::display;

    const Mesh* getMesh() const { return mesh; }
    const MathStuff::Vector3<float>& getOffset() const { return offset; }
    MatSys::Material* getMaterial() const { return material; }

private:
    const Mesh* mesh;
    MathStuff::Vector3<float> offset;
    MatSys::Material* material;
};
} // namespace ModelSys
