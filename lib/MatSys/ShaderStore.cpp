#include "MatSys/ShaderStore.h"

#include "MatSys/I_Shader.h"
#include "MatSys/I_ShaderMaker.h"

namespace MatSys
{
class ShaderStore::Impl : public Util::NamePtrStore<I_Shader>
{
public:
    Impl() : Util::NamePtrStore<I_Shader>("ShaderStore", nullptr) {}
};

ShaderStore::ShaderStore(I_ShaderMaker* maker) : m_maker(maker), m_impl(new Impl()) {}

ShaderStore::~ShaderStore()
{
    delete m_impl;
}

void ShaderStore::setShaderMaker(I_ShaderMaker* maker)
{
    m_maker = maker;
}

bool ShaderStore::exists(const std::string& name) const
{
    return m_impl->exists(name);
}

I_Shader* ShaderStore::get(const std::string& name, bool make)
{
    I_Shader* shader = m_impl->get(name);
    if (shader != nullptr || !make || m_maker == nullptr)
        return shader;
    return add(name, m_maker->create(name));
}

I_Shader* ShaderStore::add(const std::string& name, I_Shader* shader)
{
    return m_impl->add(name, shader);
}

I_Shader* ShaderStore::add(const std::string& name)
{
    return get(name, true);
}

I_Shader* ShaderStore::add(const std::string& name, const std::string& file)
{
    I_Shader* shader = m_impl->get(name);
    if (shader != nullptr || m_maker == nullptr)
        return shader;
    return add(name, m_maker->create(name, file));
}

bool ShaderStore::destroy(const std::string& name)
{
    return m_impl->destroy(name);
}

void ShaderStore::clear()
{
    m_impl->clear();
}

void ShaderStore::getTypeStrings(std::vector<std::string>& out) const
{
    if (m_maker != nullptr)
        m_maker->getTypeStrings(out);
}

ShaderStore::IteratorHandle ShaderStore::getIterator() const
{
    return IteratorHandle(new ShaderStoreIterator(m_impl->getPairIterator()));
}
} // namespace MatSys
