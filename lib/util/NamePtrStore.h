#pragma once

#include <memory>
#include <string>

#include "util/BasicStore.h"
#include "util/NonCopyable.h"

namespace Util
{
template <class T> class NamePtrStoreIterator;

// Objects under names, owned by the store: each is deleted by destroy, clear or the end of the store,
// unless remove hands it back first. The plain add (reached through the base) replaces a stored pointer
// without deleting the object it pointed to: that object is the caller's again, as after remove. An
// object is held under one name of one store at most.
template <class T>
class NamePtrStore : public BasicStore<std::string, T*>, private NonCopyable<NamePtrStore<T>>
{
public:
    using Base = BasicStore<std::string, T*>;
    using PairIterator = NamePtrStoreIterator<T>;
    using PairIteratorHandle = std::unique_ptr<PairIterator>;

    NamePtrStore(const std::string& name, T* nullVal) : Base(nullVal), storeName(name) {}

    ~NamePtrStore() override { NamePtrStore::clear(); }

    // Deletes every object, then empties the store; the entries stay in place while they are deleted.
    void clear() override
    {
        {
            typename Base::IteratorHandle it = this->getIterator();
            for (; !it->isDone(); it->next())
                deleteObject(it->currentItem());
        }
        this->storeMap.clear();
    }

    virtual bool exists(const std::string& name) const { return get(name) != this->nullValue; }

    virtual T* get(const std::string& name) const { return Base::find(name); }

    // A taken name keeps the object it holds, which is answered; the object offered then stays the
    // caller's. A null object is not stored.
    virtual T* add(const std::string& name, T* object)
    {
        T* existing = get(name);
        if (existing != this->nullValue)
            return existing;
        if (object == this->nullValue)
            return object;
        this->storeMap[name] = object;
        return object;
    }

    // True when an object was deleted. The entry leaves the store before its object is deleted.
    virtual bool destroy(const std::string& name)
    {
        T* victim = this->nullValue;
        typename std::map<std::string, T*>::iterator pos = this->storeMap.find(name);
        if (pos != this->storeMap.end())
        {
            victim = pos->second;
            this->storeMap.erase(pos);
        }
        return deleteObject(victim);
    }

    virtual PairIteratorHandle getPairIterator() const { return PairIteratorHandle(new PairIterator(this)); }

protected:
    friend class NamePtrStoreIterator<T>;

    std::string storeName;

private:
    // The null value stands for "nothing here" and is never the store's to delete.
    bool deleteObject(T* object)
    {
        if (object == nullptr || object == this->nullValue)
            return false;
        delete object;
        return true;
    }
};
} // namespace Util

#include "util/NamePtrStoreIterator.h"
