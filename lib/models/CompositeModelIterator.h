#pragma once

#include "models/ModelIterator.h"

namespace ModelSys
{
class CompositeModel;

// Yields every descendant of its root, not the root itself, in pre-order: a child, then that child's
// own descendants, then the next child. The tree must not change while it is walked.
class CompositeModelIterator : public ModelIterator
{
public:
    explicit CompositeModelIterator(CompositeModel* root);
    ~CompositeModelIterator() override;

    CompositeModelIterator(const CompositeModelIterator&) = delete;
    CompositeModelIterator& operator=(const CompositeModelIterator&) = delete;

    void first() override;
    void next() override;
    bool isDone() const override;
    Model* currentItem() const override;

private:
    struct Impl;
    Impl* impl;
};
} // namespace ModelSys
