#include "MatSys/ShaderParamsIterator.h"

#include "MatSys/ShaderParamsImpl.h"

namespace MatSys
{
// The store's own iterator, kept in a cell so the header needs nothing of the store.
class ShaderParamsIterator::Cell
{
public:
    explicit Cell(Util::BasicStore<std::string, ShaderParam>::IteratorHandle handle) : it(std::move(handle))
    {
    }
    Util::BasicStore<std::string, ShaderParam>::IteratorHandle it;
};

ShaderParamsIterator::ShaderParamsIterator(const ShaderParams* params)
    : m_cell(new Cell(params->m_impl->getIterator()))
{
}

ShaderParamsIterator::~ShaderParamsIterator()
{
    delete m_cell;
}

void ShaderParamsIterator::first()
{
    m_cell->it->first();
}

void ShaderParamsIterator::next()
{
    m_cell->it->next();
}

bool ShaderParamsIterator::isDone() const
{
    return m_cell->it->isDone();
}

ShaderParam ShaderParamsIterator::currentItem() const
{
    return m_cell->it->currentItem();
}
} // namespace MatSys
