#pragma once

#include <string>

namespace AFont
{
class I_Font;

// Makes fonts by file name and size and keeps them; callers give them back with removeFont and never
// delete them.
class I_FontManager
{
public:
    virtual ~I_FontManager() = default;

    virtual const std::string& getLoadDir() const = 0;
    // Appends "/" unless dir is empty or already ends in it.
    virtual void setLoadDir(const std::string& dir) = 0;
    // The font of file name (in the load directory) at size; null when it cannot be made.
    virtual I_Font* getFont(const std::string& name, int size) = 0;
    // Deletes a font this manager made; false when it holds no such font.
    virtual bool removeFont(I_Font* font) = 0;
};
} // namespace AFont
