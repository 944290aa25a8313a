#pragma once

#include <map>
#include <string>
#include <utility>

#include "util/I_Iterator.h"
#include "util/NamePtrStore.h"

namespace Util
{
// Walks a name store in name order, answering each name with its object.
template <class T> class NamePtrStoreIterator : protected I_Iterator<std::pair<std::string, T*>>
{
public:
    using Item = std::pair<std::string, T*>;

    explicit NamePtrStoreIterator(const NamePtrStore<T>* owner) : store(owner), pos(owner->storeMap.begin())
    {
    }

    void first() override { pos = store->storeMap.begin(); }

    void next() override
    {
        if (pos != store->storeMap.end())
            ++pos;
    }

    bool isDone() const override { return pos == store->storeMap.end(); }

    Item currentItem() const override
    {
        return isDone() ? Item(std::string(), store->nullValue) : Item(pos->first, pos->second);
    }

    virtual ~NamePtrStoreIterator() = default;

private:
    const NamePtrStore<T>* store;
    typename std::map<std::string, T*>::const_iterator pos;
};
} // namespace Util
