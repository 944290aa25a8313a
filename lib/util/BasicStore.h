#pragma once

#include <map>
#include <memory>

namespace Util
{
template <class K, class V> class BasicStoreIterator;

// Values under ordered keys. Every lookup that misses answers a copy of the store's null value. The store
// deletes nothing that a value may point to.
template <class K, class V> class BasicStore
{
public:
    typedef BasicStoreIterator<K, V> Iterator;
    // The caller owns the iterator; the handle deletes it.
    typedef std::unique_ptr<Iterator> IteratorHandle;

    explicit BasicStore(const V& nullVal) : nullValue(nullVal) {}
    virtual ~BasicStore() = default;

    virtual V find(const K& key) const
    {
        typename std::map<K, V>::const_iterator pos = storeMap.find(key);
        return pos != storeMap.end() ? pos->second : nullValue;
    }

    // Stores value under key, replacing what was stored there; the replaced value is handed to replaced().
    virtual void add(const K& key, const V& value)
    {
        typename std::map<K, V>::iterator pos = storeMap.find(key);
        if (pos == storeMap.end())
        {
            storeMap.emplace(key, value);
            return;
        }
        const V previous = pos->second;
        pos->second = value;
        replaced(previous, value);
    }

    virtual V remove(const K& key)
    {
        typename std::map<K, V>::iterator pos = storeMap.find(key);
        if (pos == storeMap.end())
            return nullValue;
        V value = pos->second;
        storeMap.erase(pos);
        return value;
    }

    virtual void clear() { storeMap.clear(); }

    virtual IteratorHandle getIterator() const { return IteratorHandle(new Iterator(this)); }

protected:
    friend class BasicStoreIterator<K, V>;

    // Told of a value that add has just replaced, after the new one is in place. A plain store owns nothing
    // its values may point to, so it lets the old value go; a store that owns them disposes of it.
    virtual void replaced(const V& previous, const V& current)
    {
        (void)previous;
        (void)current;
    }

    std::map<K, V> storeMap;
    V nullValue;
};
} // namespace Util

#include "util/BasicStoreIterator.h"
