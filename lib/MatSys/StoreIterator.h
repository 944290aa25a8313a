#pragma once

#include <string>
#include <utility>

#include "util/I_Iterator.h"
#include "util/NamePtrStore.h"
#include "util/NonCopyable.h"

namespace MatSys
{
// Walks a store of the material system in name order, answering (name, object); once done it answers an
// empty name with null. The store must outlive the iterator.
template <class T>
class StoreIterator : public Util::I_Iterator<std::pair<std::string, T*>>,
                      private Util::NonCopyable<StoreIterator<T>>
{
public:
    using Item = std::pair<std::string, T*>;
    using Inner = typename Util::NamePtrStore<T>::PairIteratorHandle;

    explicit StoreIterator(Inner inner) : m_inner(new Inner(std::move(inner))) {}

    void first() override { (*m_inner)->first(); }
    void next() override { (*m_inner)->next(); }
    bool isDone() const override { return (*m_inner)->isDone(); }
    Item currentItem() const override { return (*m_inner)->currentItem(); }

    virtual ~StoreIterator() { delete m_inner; }

private:
    Inner* m_inner;
};
} // namespace MatSys
