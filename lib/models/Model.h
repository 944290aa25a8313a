#pragma once

#include <memory>
#include <string>
#include <vector>

#include "maths/Orientation.h"
#include "util/NamedObject.h"
#include "util/NonCopyable.h"

namespace Render
{
class I_RenderQueue;
} // namespace Render

namespace MatSys
{
class Material;
} // namespace MatSys

namespace ModelSys
{
class CompositeModel;
class ModelIterator;

// A node of a model tree: a leaf drawing one mesh, or a composite owning its children. A model belongs
// to one composite at most, and deleting it unhooks it from that composite.
class Model : public Util::NamedObject, public Util::NonCopyable<Model>
{
public:
    using IteratorHandle = std::unique_ptr<ModelIterator>;
    using Placements = std::vector<MathStuff::Orientation<float>>;
    using Materials = std::vector<MatSys::Material*>;

    explicit Model(const std::string& name);
    ~Model() override;

    virtual void addPart(Model* child) = 0;
    // The child is not deleted.
    virtual void removePart(Model* child) = 0;
    virtual IteratorHandle getIterator() = 0;
    virtual unsigned int getNumParts() const = 0;
    // Entry i of each vector goes to part i; materials may be empty (no material given).
    virtual void display(Render::I_RenderQueue* queue, const Placements& placements,
                         const Materials& materials) = 0;
    // Every part at the placement with the material (null: each part's own choice).
    virtual void display(Render::I_RenderQueue* queue, const MathStuff::Orientation<float>& placement,
                         MatSys::Material* material);
    virtual CompositeModel* getComposite();
    virtual const CompositeModel* getComposite() const;

    Model* getParent() const { return parent; }

    // Takes the child from the parent it has, if any, and makes newParent (may be null) its parent. The
    // new parent's list of children is the caller's to update.
    static void changeParentOfChild(Model* newParent, Model* child);

private:
    Model* parent;
};
} // namespace ModelSys
