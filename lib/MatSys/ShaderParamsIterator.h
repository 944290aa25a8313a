#pragma once

#include "MatSys/ShaderParam.h"
#include "util/I_Iterator.h"
#include "util/NonCopyable.h"

namespace MatSys
{
class ShaderParams;

// Walks a parameter set in name order; past the end it answers a default parameter. The set must outlive
// the iterator.
class ShaderParamsIterator : public Util::I_Iterator<ShaderParam>,
                             private Util::NonCopyable<ShaderParamsIterator>
{
public:
    explicit ShaderParamsIterator(const ShaderParams* params);

    void first() override;
    void next() override;
    bool isDone() const override;
    ShaderParam currentItem() const override;

    virtual ~ShaderParamsIterator();

private:
    class Cell;
    Cell* m_cell;
};
} // namespace MatSys
