#pragma once

#include "models/ModelIterator.h"

namespace ModelSys
{
class ModelPart;

// Yields its part once; first() starts again.
class ModelPartIterator : public ModelIterator
{
public:
    explicit ModelPartIterator(ModelPart* part);
    ~ModelPartIterator() override;

    void first() override;
    void next() override;
    bool isDone() const override;
    Model* currentItem() const override;

private:
    ModelPart* part;
    ModelPart* current;
};
} // namespace ModelSys
