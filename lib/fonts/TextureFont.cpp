#include "fonts/TextureFont.h"

#include "MatSys/I_Color.h"
#include "MatSys/I_Texture.h"

namespace FontFTGL
{
namespace
{
const unsigned int DOTS_PER_INCH = 72;
} // namespace

TextureFont::TextureFont(const std::string& path, int size) : AFont::I_Font(path)
{
    m_font = new FTTextureFont(path.c_str());
    if (m_font->Error() != 0 || !setSize(size))
    {
        delete m_font;
        m_font = nullptr;
    }
}

TextureFont::~TextureFont()
{
    delete m_font;
}

bool TextureFont::valid() const
{
    return m_font != nullptr;
}

int TextureFont::getSize() const
{
    return m_font != nullptr ? static_cast<int>(m_font->FaceSize()) : 0;
}

bool TextureFont::setSize(int size)
{
    // A negative size would reach the library as a huge unsigned one.
    if (m_font == nullptr || size <= 0)
        return false;
    return m_font->FaceSize(static_cast<unsigned int>(size), DOTS_PER_INCH);
}

float TextureFont::getRowHeight() const
{
    const int size = getSize();
    return static_cast<float>(size + size / 2);
}

FTPoint TextureFont::display(const std::string& text, const FTPoint& pen, MatSys::I_Color* color,
                             MatSys::I_Texture* texture)
{
    if (color == nullptr)
        color = m_color;
    if (texture == nullptr)
        texture = m_texture;
    if (color != nullptr)
        color->use();
    if (texture != nullptr)
        texture->beginUsing(m_textureUnit);
    FTPoint next = pen;
    if (m_font != nullptr)
        next = m_font->Render(text.c_str(), -1, pen, FTPoint(), 0xFFFF);
    if (texture != nullptr)
        texture->endUsing(m_textureUnit);
    return next;
}
} // namespace FontFTGL
