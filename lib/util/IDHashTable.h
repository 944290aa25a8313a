#pragma once

#include "util/BasicHashTable.h"
#include "util/HashedItem.h"

namespace Util
{
// The registry of live identities: one item per living identity owner.
template <class T> class IDHashTable : public BasicHashTable<HashedItem<T>>
{
public:
    // Never destroyed, so owners of identities that are themselves destroyed at exit still find it.
    static IDHashTable& instance()
    {
        static IDHashTable* l_instance = new IDHashTable;
        return *l_instance;
    }

    // The registry owns the items its identities put into it.
    ~IDHashTable() override { this->clearAndDestroy(); }

private:
    IDHashTable() : BasicHashTable<HashedItem<T>>(1009)
    {
        BasicHashLink<HashedItem<T>>::instance().setBlockSize(1, false);
    }
};
} // namespace Util
