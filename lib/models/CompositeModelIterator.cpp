#include "models/CompositeModelIterator.h"

#include <utility>
#include <vector>

#include "models/CompositeModel.h"

namespace ModelSys
{
struct CompositeModelIterator::Impl
{
    using Position = CompositeModel::Children::const_iterator;
    using Range = std::pair<Position, Position>;

    explicit Impl(CompositeModel* rootIn) : root(rootIn) {}

    void pushChildrenOf(const CompositeModel* composite)
    {
        ranges.push_back(Range(composite->getChildren().begin(), composite->getChildren().end()));
    }

    // Drops the used-up ranges on top, so that the top (if any) stands on the next node.
    void settle()
    {
        while (!ranges.empty() && ranges.back().first == ranges.back().second)
            ranges.pop_back();
    }

    CompositeModel* root;
    std::vector<Range> ranges;
};

CompositeModelIterator::CompositeModelIterator(CompositeModel* root) : impl(new Impl(root))
{
    impl->pushChildrenOf(root);
}

CompositeModelIterator::~CompositeModelIterator()
{
    delete impl;
}

void CompositeModelIterator::first()
{
    impl->ranges.clear();
    impl->pushChildrenOf(impl->root);
}

bool CompositeModelIterator::isDone() const
{
    impl->settle();
    return impl->ranges.empty();
}

Model* CompositeModelIterator::currentItem() const
{
    if (isDone())
        return nullptr;
    return *impl->ranges.back().first;
}

void CompositeModelIterator::next()
{
    if (isDone())
        return;
    Model* child = *impl->ranges.back().first;
    ++impl->ranges.back().first;
    const CompositeModel* composite = child->getComposite();
    if (composite != nullptr)
        impl->pushChildrenOf(composite);
}
} // namespace ModelSys
