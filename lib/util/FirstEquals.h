#pragma once

#include <utility>

namespace Util
{
// True for a pair whose first member equals the key; bind the key with a lambda or std::bind.
template <class K, class V> struct first_equals
{
    bool operator()(const std::pair<K, V>& item, const K& key) const { return item.first == key; }
};
} // namespace Util
