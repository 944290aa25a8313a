#include "MatSys/TextureStore.h"

#include "MatSys/I_Texture.h"
#include "MatSys/I_TextureMaker.h"

namespace MatSys
{
class TextureStore::Impl : public Util::NamePtrStore<I_Texture>
{
public:
    Impl() : Util::NamePtrStore<I_Texture>("TextureStore", nullptr) {}
};

TextureStore::TextureStore(I_TextureMaker* maker) : m_maker(maker), m_impl(new Impl()) {}

TextureStore::~TextureStore()
{
    delete m_impl;
}

void TextureStore::setTextureMaker(I_TextureMaker* maker)
{
    m_maker = maker;
}

I_TextureMaker* TextureStore::getTextureMaker()
{
    return m_maker;
}

I_Texture* TextureStore::create(const std::string& name, unsigned char* pixels, unsigned int bitsPerPixel,
                                unsigned int width, unsigned int height)
{
    if (m_maker == nullptr)
        return nullptr;
    I_Texture* texture = m_maker->create(name, pixels, bitsPerPixel, width, height);
    if (texture != nullptr)
        add(name, texture);
    return texture;
}

bool TextureStore::exists(const std::string& name) const
{
    return m_impl->exists(name);
}

I_Texture* TextureStore::get(const std::string& name, bool make)
{
    I_Texture* texture = m_impl->get(name);
    if (texture != nullptr || !make || m_maker == nullptr)
        return texture;
    return add(name, m_maker->create(name));
}

I_Texture* TextureStore::add(const std::string& name, I_Texture* texture)
{
    return m_impl->add(name, texture);
}

I_Texture* TextureStore::add(const std::string& name)
{
    return get(name, true);
}

bool TextureStore::destroy(const std::string& name)
{
    return m_impl->destroy(name);
}

void TextureStore::clear()
{
    m_impl->clear();
}

TextureStore::IteratorHandle TextureStore::getIterator() const
{
    return IteratorHandle(new TextureStoreIterator(m_impl->getPairIterator()));
}
} // namespace MatSys
