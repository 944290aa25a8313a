#include "models/CompositeModel.h"

#include <algorithm>

#include "models/CompositeModelIterator.h"

namespace ModelSys
{
CompositeModel::CompositeModel(const std::string& name) : Model(name) {}

CompositeModel::~CompositeModel()
{
    // The children are let go of all at once: each child's destructor would otherwise take itself out
    // of the vector through removePart, a walk and a shift per child.
    Children orphans;
    orphans.swap(children);
    for (Model* child : orphans)
    {
        changeParentOfChild(nullptr, child);
        delete child;
    }
}

bool CompositeModel::isSelfOrAncestor(const Model* model) const
{
    for (const Model* node = this; node != nullptr; node = node->getParent())
    {
        if (node == model)
            return true;
    }
    return false;
}

void CompositeModel::addPart(Model* child)
{
    if (child == nullptr || isSelfOrAncestor(child))
        return;
    changeParentOfChild(this, child);
    children.push_back(child);
}

void CompositeModel::removePart(Model* child)
{
    Children::iterator pos = std::find(children.begin(), children.end(), child);
    if (pos == children.end())
        return;
    children.erase(pos);
    changeParentOfChild(nullptr, child);
}

Model::IteratorHandle CompositeModel::getIterator()
{
    return IteratorHandle(new CompositeModelIterator(this));
}

unsigned int CompositeModel::getNumParts() const
{
    return static_cast<unsigned int>(children.size());
}

void CompositeModel::display(Render::I_RenderQueue* queue, const Placements& placements,
                             const Materials& materials)
{
    // Each child draws its own subtree, so walking the children (not every descendant) draws every
    // leaf exactly once.
    const std::size_t count = std::min(children.size(), placements.size());
    for (std::size_t i = 0; i < count; ++i)
    {
        MatSys::Material* material = i < materials.size() ? materials[i] : nullptr;
        children[i]->display(queue, placements[i], material);
    }
}

CompositeModel* CompositeModel::getComposite()
{
    return this;
}

const CompositeModel* CompositeModel::getComposite() const
{
    return this;
}
} // namespace ModelSys
