#pragma once

#include <memory>
#include <string>
#include <vector>

#include "MatSys/StoreIterator.h"
#include "util/NonCopyable.h"

namespace MatSys
{
class I_Shader;
class I_ShaderMaker;

using ShaderStoreIterator = StoreIterator<I_Shader>;

// Shaders by name, owned by the store; a missing one is made by the maker on request. The maker is not
// owned and is never called while the store is destroyed.
class ShaderStore : private Util::NonCopyable<ShaderStore>
{
public:
    using IteratorHandle = std::unique_ptr<ShaderStoreIterator>;

    explicit ShaderStore(I_ShaderMaker* maker);
    virtual ~ShaderStore();

    virtual void setShaderMaker(I_ShaderMaker* maker);
    virtual bool exists(const std::string& name) const;
    // On a miss with make, the maker's shader for name.
    virtual I_Shader* get(const std::string& name, bool make);
    // A taken name answers the shader it holds; the one offered stays the caller's.
    virtual I_Shader* add(const std::string& name, I_Shader* shader);
    virtual I_Shader* add(const std::string& name);
    // A stored shader is answered without reading file; a missing one is made from its definition there.
    virtual I_Shader* add(const std::string& name, const std::string& file);
    virtual bool destroy(const std::string& name);
    virtual void clear();
    // The maker's type names; nothing without a maker.
    virtual void getTypeStrings(std::vector<std::string>& out) const;
    virtual IteratorHandle getIterator() const;

private:
    class Impl;
    I_ShaderMaker* m_maker;
    Impl* m_impl;
};
} // namespace MatSys
