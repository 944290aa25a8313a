#include "MatSys/MaterialStore.h"

#include "MatSys/Material.h"
#include "MatSys/MaterialMaker.h"

namespace MatSys
{
class MaterialStore::Impl : public Util::NamePtrStore<Material>
{
public:
    Impl() : Util::NamePtrStore<Material>("MaterialStore", nullptr) {}
};

MaterialStore::MaterialStore(MaterialMaker* maker) : m_maker(maker), m_impl(new Impl()) {}

MaterialStore::~MaterialStore()
{
    delete m_impl;
}

const std::string& MaterialStore::getMatdefExt() const
{
    static const std::string l_noMaker("WTH!!");
    return m_maker != nullptr ? m_maker->getMatdefExt() : l_noMaker;
}

void MaterialStore::setMaterialMaker(MaterialMaker* maker)
{
    m_maker = maker;
}

bool MaterialStore::exists(const std::string& name) const
{
    return m_impl->exists(name);
}

Material* MaterialStore::get(const std::string& name, bool make)
{
    Material* material = m_impl->get(name);
    if (material != nullptr || !make)
        return material;
    return add(name, static_cast<ShaderParams*>(nullptr));
}

Material* MaterialStore::add(const std::string& name, Material* material)
{
    return m_impl->add(name, material);
}

Material* MaterialStore::add(const std::string& name, ShaderParams* params)
{
    Material* material = m_impl->get(name);
    if (material != nullptr)
    {
        material->setParams(params);
        return material;
    }
    if (m_maker == nullptr)
        return nullptr;
    return add(name, m_maker->create(name, params));
}

Material* MaterialStore::add(const std::string& name, ShaderParams* params, const std::string& file)
{
    Material* material = m_impl->get(name);
    if (material != nullptr)
    {
        if (params != nullptr)
            material->setParams(params);
        return material;
    }
    if (m_maker == nullptr)
        return nullptr;
    return add(name, m_maker->create(name, params, file));
}

bool MaterialStore::destroy(const std::string& name)
{
    return m_impl->destroy(name);
}

void MaterialStore::clear()
{
    m_impl->clear();
}

MaterialStore::IteratorHandle MaterialStore::getIterator() const
{
    return IteratorHandle(new MaterialStoreIterator(m_impl->getPairIterator()));
}
} // namespace MatSys
