#pragma once

#include <memory>
#include <string>
#include <vector>

#include "MatSys/StoreIterator.h"
#include "util/NonCopyable.h"

namespace MatSys
{
class I_ShaderProgram;
class I_ShaderProgramMaker;
class ShaderParams;

using ShaderProgramStoreIterator = StoreIterator<I_ShaderProgram>;

// Programs by name, owned by the store; a missing one is made by the maker on request. The maker is not
// owned and is never called while the store is destroyed.
class ShaderProgramStore : private Util::NonCopyable<ShaderProgramStore>
{
public:
    using IteratorHandle = std::unique_ptr<ShaderProgramStoreIterator>;

    explicit ShaderProgramStore(I_ShaderProgramMaker* maker);
    virtual ~ShaderProgramStore();

    virtual void setProgramMaker(I_ShaderProgramMaker* maker);
    virtual bool exists(const std::string& name) const;
    // On a miss with make, a program made with an empty parameter set.
    virtual I_ShaderProgram* get(const std::string& name, bool make);
    // A taken name answers the program it holds; the one offered stays the caller's.
    virtual I_ShaderProgram* add(const std::string& name, I_ShaderProgram* program);
    // A stored program has its own parameters replaced by a copy of params (null when it refuses them);
    // a missing one is made with params.
    virtual I_ShaderProgram* add(const std::string& name, const ShaderParams& params);
    // As add(name, params), a missing program being made from its definition in file.
    virtual I_ShaderProgram* add(const std::string& name, const ShaderParams& params,
                                 const std::string& file);
    // A stored program is answered untouched; a missing one is made from the named shaders.
    virtual I_ShaderProgram* add(const std::string& name, const ShaderParams& params,
                                 const std::vector<std::string>& shaderNames);
    virtual bool destroy(const std::string& name);
    virtual void clear();
    virtual IteratorHandle getIterator() const;

private:
    class Impl;
    // The stored program with params set on it, or null when it refuses them; null on a miss.
    I_ShaderProgram* replaceParams(const std::string& name, const ShaderParams& params, bool& found);

    I_ShaderProgramMaker* m_maker;
    Impl* m_impl;
};
} // namespace MatSys
