#include "fonts/FontManager.h"

#include "fonts/TextureFont.h"
#include "util/NamePtrStore.h"

namespace FontFTGL
{
class FontManager::Impl : public Util::NamePtrStore<TextureFont>
{
public:
    Impl() : Util::NamePtrStore<TextureFont>("FontManager", nullptr) {}
};

namespace
{
// A size's digits never hold the separator, so the last one in a key marks where the path ends: a.ttf1
// at size 2 and a.ttf at size 12 are two keys.
std::string cacheKey(const std::string& path, int size)
{
    return path + "#" + std::to_string(size);
}
} // namespace

FontManager::FontManager(const std::string& loadDir) : m_impl(new Impl)
{
    FontManager::setLoadDir(loadDir);
}

FontManager::~FontManager() = default;

const std::string& FontManager::getLoadDir() const
{
    return m_loadDir;
}

void FontManager::setLoadDir(const std::string& dir)
{
    m_loadDir = dir;
    if (!m_loadDir.empty() && m_loadDir.back() != '/')
        m_loadDir += '/';
}

AFont::I_Font* FontManager::getFont(const std::string& name, int size)
{
    const std::string path = m_loadDir + name;
    const std::string key = cacheKey(path, size);
    TextureFont* font = m_impl->get(key);
    if (font != nullptr)
        return font;
    std::unique_ptr<TextureFont> made(new TextureFont(path, size));
    if (!made->valid())
        return nullptr;
    return m_impl->add(key, made.release());
}

bool FontManager::removeFont(AFont::I_Font* font)
{
    if (font == nullptr)
        return false;
    Impl::PairIteratorHandle it = m_impl->getPairIterator();
    for (; !it->isDone(); it->next())
    {
        if (it->currentItem().second == font)
            return m_impl->destroy(it->currentItem().first);
    }
    return false;
}
} // namespace FontFTGL
