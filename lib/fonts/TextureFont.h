#pragma once

#include <string>

#include "fonts/I_Font.h"
#include "util/NonCopyable.h"

namespace FontFTGL
{
// A font drawn from textures of its glyphs. Invalid, drawing nothing, when its file cannot be loaded or
// sized.
class TextureFont : public AFont::I_Font, private Util::NonCopyable<TextureFont>
{
public:
    // size in points at 72 dots per inch.
    TextureFont(const std::string& path, int size);
    ~TextureFont() override;

    // 0 for an invalid font.
    int getSize() const override;
    bool setSize(int size) override;
    float getRowHeight() const override;
    // An invalid font still applies the colour and binds and unbinds the texture, and answers pen.
    FTPoint display(const std::string& text, const FTPoint& pen, MatSys::I_Color* color,
                    MatSys::I_Texture* texture) override;

    virtual bool valid() const;

private:
    FTTextureFont* m_font = nullptr;
};
} // namespace FontFTGL
