#include "MatSys/ShaderProgramStore.h"

#include "MatSys/I_ShaderProgram.h"
#include "MatSys/I_ShaderProgramMaker.h"
#include "MatSys/ShaderParams.h"

namespace MatSys
{
class ShaderProgramStore::Impl : public Util::NamePtrStore<I_ShaderProgram>
{
public:
    Impl() : Util::NamePtrStore<I_ShaderProgram>("ShaderProgramStore", nullptr) {}
};

ShaderProgramStore::ShaderProgramStore(I_ShaderProgramMaker* maker) : m_maker(maker), m_impl(new Impl()) {}

ShaderProgramStore::~ShaderProgramStore()
{
    delete m_impl;
}

void ShaderProgramStore::setProgramMaker(I_ShaderProgramMaker* maker)
{
    m_maker = maker;
}

bool ShaderProgramStore::exists(const std::string& name) const
{
    return m_impl->exists(name);
}

I_ShaderProgram* ShaderProgramStore::get(const std::string& name, bool make)
{
    I_ShaderProgram* program = m_impl->get(name);
    if (program != nullptr || !make)
        return program;
    return add(name, ShaderParams());
}

I_ShaderProgram* ShaderProgramStore::add(const std::string& name, I_ShaderProgram* program)
{
    return m_impl->add(name, program);
}

I_ShaderProgram* ShaderProgramStore::replaceParams(const std::string& name, const ShaderParams& params,
                                                   bool& found)
{
    I_ShaderProgram* program = m_impl->get(name);
    found = program != nullptr;
    if (!found)
        return nullptr;
    return program->setParams(params) ? program : nullptr;
}

I_ShaderProgram* ShaderProgramStore::add(const std::string& name, const ShaderParams& params)
{
    bool found = false;
    I_ShaderProgram* program = replaceParams(name, params, found);
    if (found || m_maker == nullptr)
        return program;
    return add(name, m_maker->create(name, params));
}

I_ShaderProgram* ShaderProgramStore::add(const std::string& name, const ShaderParams& params,
                                         const std::string& file)
{
    bool found = false;
    I_ShaderProgram* program = replaceParams(name, params, found);
    if (found || m_maker == nullptr)
        return program;
    return add(name, m_maker->create(name, params, file));
}

I_ShaderProgram* ShaderProgramStore::add(const std::string& name, const ShaderParams& params,
                                         const std::vector<std::string>& shaderNames)
{
    I_ShaderProgram* program = m_impl->get(name);
    if (program != nullptr || m_maker == nullptr)
        return program;
    return add(name, m_maker->create(name, params, shaderNames));
}

bool ShaderProgramStore::destroy(const std::string& name)
{
    return m_impl->destroy(name);
}

void ShaderProgramStore::clear()
{
    m_impl->clear();
}

ShaderProgramStore::IteratorHandle ShaderProgramStore::getIterator() const
{
    return IteratorHandle(new ShaderProgramStoreIterator(m_impl->getPairIterator()));
}
} // namespace MatSys
