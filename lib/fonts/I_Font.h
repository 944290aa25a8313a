#pragma once

#include <string>

#include "Render/OpenGL.h"

#include <FTGL/ftgl.h>

#include "util/NamedObject.h"

namespace MatSys
{
class I_Color;
class I_Texture;
} // namespace MatSys

namespace AFont
{
// A font at one size, named by the path of its file, that draws text at a pen position. The default
// colour and texture are the caller's and must outlive their use here.
class I_Font : public Util::NamedObject
{
public:
    explicit I_Font(const std::string& path) : Util::NamedObject(path) {}
    ~I_Font() override = default;

    // The face size in points.
    virtual int getSize() const = 0;
    // False when the font cannot take that size.
    virtual bool setSize(int size) = 0;
    // The height of one text row: the size and half of it, in whole points.
    virtual float getRowHeight() const = 0;

    // Used when display is given no colour.
    virtual void setColor(MatSys::I_Color* color) { m_color = color; }
    // Used when display is given no texture, bound to unit while drawing.
    virtual void setTexture(MatSys::I_Texture* texture, int unit)
    {
        m_texture = texture;
        m_textureUnit = unit;
    }

    // Draws text with its origin at pen, with the given colour and texture or else the font's own, and
    // answers the pen position after the text.
    virtual FTPoint display(const std::string& text, const FTPoint& pen, MatSys::I_Color* color,
                            MatSys::I_Texture* texture) = 0;

protected:
    MatSys::I_Color* m_color = nullptr;
    MatSys::I_Texture* m_texture = nullptr;
    int m_textureUnit = 0;
};
} // namespace AFont
