#include "MatSys/MaterialStoreHelper.h"

#include "MatSys/Material.h"
#include "MatSys/MaterialStore.h"

namespace MatSys
{
MaterialStoreHelper::MaterialStoreHelper(MaterialStore* store) : m_store(store) {}

Material* MaterialStoreHelper::addCopy(const std::string& name, const std::string& sourceName)
{
    Material* source = m_store->get(sourceName, false);
    if (source == nullptr || m_store->exists(name))
        return nullptr;
    return m_store->add(name, new Material(*source));
}
} // namespace MatSys
