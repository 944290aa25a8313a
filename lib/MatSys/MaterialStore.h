#pragma once

#include <memory>
#include <string>

#include "MatSys/StoreIterator.h"
#include "util/NonCopyable.h"

namespace MatSys
{
class Material;
class MaterialMaker;
class ShaderParams;

using MaterialStoreIterator = StoreIterator<Material>;

// Materials by name, owned by the store; a missing one is made by the material maker on request. The
// maker is not owned and is never called while the store is destroyed.
class MaterialStore : private Util::NonCopyable<MaterialStore>
{
public:
    using IteratorHandle = std::unique_ptr<MaterialStoreIterator>;

    explicit MaterialStore(MaterialMaker* maker);
    virtual ~MaterialStore();

    // The maker's extension of material definition files; "WTH!!" without a maker.
    virtual const std::string& getMatdefExt() const;
    virtual void setMaterialMaker(MaterialMaker* maker);
    virtual bool exists(const std::string& name) const;
    // On a miss with make, add(name, null).
    virtual Material* get(const std::string& name, bool make);
    // A taken name answers the material it holds; the one offered stays the caller's.
    virtual Material* add(const std::string& name, Material* material);
    // A stored material gets a copy of params (or loses its set for null); a missing one is made.
    virtual Material* add(const std::string& name, ShaderParams* params);
    // A stored material gets a copy of params unless params is null; a missing one is made from its
    // definition in file.
    virtual Material* add(const std::string& name, ShaderParams* params, const std::string& file);
    virtual bool destroy(const std::string& name);
    virtual void clear();
    virtual IteratorHandle getIterator() const;

private:
    class Impl;
    MaterialMaker* m_maker;
    Impl* m_impl;
};
} // namespace MatSys
