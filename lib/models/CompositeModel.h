#pragma once

#include <string>
#include <vector>

#include "models/Model.h"

namespace ModelSys
{
// An inner node of a model tree: owns its children, in the order they were added.
class CompositeModel : public Model
{
public:
    using Children = std::vector<Model*>;

    explicit CompositeModel(const std::string& name);
    // Deletes every child.
    ~CompositeModel() override;

    // Takes the child from its previous parent and appends it. Null, the composite itself and any of
    // its ancestors are refused: a tree holding itself would never finish drawing or being deleted.
    void addPart(Model* child) override;
    void removePart(Model* child) override;
    // Every descendant, not the composite itself, in pre-order.
    IteratorHandle getIterator() override;
    // The direct children.
    unsigned int getNumParts() const override;
    // Child i is drawn once, with placement i and material i (none when materials is empty). Children
    // past the end of placements are not drawn.
    void display(Render::I_RenderQueue* queue, const Placements& placements,
                 const Materials& materials) override;
    using Model::display;
    CompositeModel* getComposite() override;
    const CompositeModel* getComposite() const override;

    const Children& getChildren() const { return children; }

private:
    Children children;

    bool isSelfOrAncestor(const Model* model) const;
};
} // namespace ModelSys
