#pragma once

#include "util/I_Iterator.h"

namespace ModelSys
{
class Model;

// Walks the nodes of a model tree; owned and deleted through this class.
class ModelIterator : public Util::I_Iterator<Model*>
{
public:
    virtual ~ModelIterator() = default;
};
} // namespace ModelSys
