#pragma once

#include <memory>
#include <string>

#include "MatSys/StoreIterator.h"
#include "util/NonCopyable.h"

namespace MatSys
{
class I_Texture;
class I_TextureMaker;

using TextureStoreIterator = StoreIterator<I_Texture>;

// Textures by name, owned by the store; a missing one is made by the maker on request. The maker is not
// owned and is never called while the store is destroyed.
class TextureStore : private Util::NonCopyable<TextureStore>
{
public:
    using IteratorHandle = std::unique_ptr<TextureStoreIterator>;

    explicit TextureStore(I_TextureMaker* maker);
    virtual ~TextureStore();

    virtual void setTextureMaker(I_TextureMaker* maker);
    virtual I_TextureMaker* getTextureMaker();
    // A texture from pixels in memory, offered to the store under name. When the name is taken the new
    // texture is still answered but is not stored: it belongs to the caller.
    virtual I_Texture* create(const std::string& name, unsigned char* pixels, unsigned int bitsPerPixel,
                              unsigned int width, unsigned int height);
    virtual bool exists(const std::string& name) const;
    // On a miss with make, the maker's texture for name.
    virtual I_Texture* get(const std::string& name, bool make);
    // A taken name answers the texture it holds; the one offered stays the caller's.
    virtual I_Texture* add(const std::string& name, I_Texture* texture);
    virtual I_Texture* add(const std::string& name);
    virtual bool destroy(const std::string& name);
    virtual void clear();
    virtual IteratorHandle getIterator() const;

private:
    class Impl;
    I_TextureMaker* m_maker;
    Impl* m_impl;
};
} // namespace MatSys
