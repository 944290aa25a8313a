#pragma once

#include "models/ModelIterator.h"
#include "util/NonCopyable.h"

namespace ModelSys
{
class CompositeModel;

// Yields every descendant of its root, not the root itself, in pre-order: a child, then that child's
// own descendants, then the next child. The tree must not change while it is walked.
class CompositeModelIterator : public ModelIterator, private Util::NonCopyable<CompositeModelIterator>
{
public:
    explicit CompositeModelIterator(CompositeModel* root);
    ~CompositeModelIterator() override;

    void first() override;
    void next() override;
    bool isDone() const override;
    Model* currentItem() const override;

private:
    struct Impl;
    Impl* impl;
};
} // namespace ModelSys
