#pragma once

#include <string>

namespace MatSys
{
class Material;
class MaterialStore;

// Adds copies of stored materials under new names. The store is not owned.
class MaterialStoreHelper
{
public:
    explicit MaterialStoreHelper(MaterialStore* store);
    virtual ~MaterialStoreHelper() = default;

    // The stored copy of sourceName under name, independent of its source; null when there is no source
    // or name is taken (nothing is added then).
    Material* addCopy(const std::string& name, const std::string& sourceName);

private:
    MaterialStore* m_store;
};
} // namespace MatSys
