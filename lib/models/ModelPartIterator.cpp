#include "models/ModelPartIterator.h"

#include "models/ModelPart.h"

namespace ModelSys
{
ModelPartIterator::ModelPartIterator(ModelPart* partIn) : part(partIn), current(partIn) {}

ModelPartIterator::~ModelPartIterator() = default;

void ModelPartIterator::first()
{
    current = part;
}

void ModelPartIterator::next()
{
    current = nullptr;
}

bool ModelPartIterator::isDone() const
{
    return current == nullptr;
}

Model* ModelPartIterator::currentItem() const
{
    return current;
}
} // namespace ModelSys
