#pragma once

#include <map>
#include <string>

namespace Util
{
// Codes to names and names to codes. Nothing is ever erased, so a table collects aliases: a code added
// again under a new name answers the new name, while the old name still answers the code.
template <class K> class TwoWayMapping
{
public:
    TwoWayMapping(const K& defKey, const std::string& defName) : defaultKey(defKey), defaultName(defName) {}

    void add(const K& key, const std::string& name)
    {
        nameToKey[name] = key;
        keyToName[key] = name;
    }

    K getKey(const std::string& name) const
    {
        typename std::map<std::string, K>::const_iterator pos = nameToKey.find(name);
        return pos != nameToKey.end() ? pos->second : defaultKey;
    }

    std::string getName(const K& key) const
    {
        typename std::map<K, std::string>::const_iterator pos = keyToName.find(key);
        return pos != keyToName.end() ? pos->second : defaultName;
    }

private:
    std::map<K, std::string> keyToName;
    std::map<std::string, K> nameToKey;
    K defaultKey;
    std::string defaultName;
};
} // namespace Util
