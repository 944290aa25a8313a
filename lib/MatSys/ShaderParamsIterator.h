#pragma once

#include "MatSys/ShaderParam.h"
#include "util/I_Iterator.h"

namespace MatSys
{
class ShaderParams;

// Walks a parameter set in name order; past the end it answers a default parameter. The set must outlive
// the iterator.
class ShaderParamsIterator : public Util::I_Iterator<ShaderParam>
{
public:
    explicit ShaderParamsIterator(const ShaderParams* params);
    ShaderParamsIterator(const ShaderParamsIterator&) = delete;
    ShaderParamsIterator& operator=(const ShaderParamsIterator&) = delete;

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
