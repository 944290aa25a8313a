#pragma once

#include <memory>
#include <string>

#include "fonts/I_FontManager.h"
#include "util/NonCopyable.h"

namespace FontFTGL
{
// Makes texture fonts by file name and size and keeps one of each pair; it owns them until they are given
// back or it is deleted.
class FontManager : public AFont::I_FontManager, private Util::NonCopyable<FontManager>
{
public:
    explicit FontManager(const std::string& loadDir);
    ~FontManager() override;

    const std::string& getLoadDir() const override;
    void setLoadDir(const std::string& dir) override;
    // A file that cannot be loaded is not remembered: a later request tries it again.
    AFont::I_Font* getFont(const std::string& name, int size) override;
    // Finds the font under the key it was kept with, also after its size was changed.
    bool removeFont(AFont::I_Font* font) override;

private:
    class Impl;

    std::string m_loadDir;
    std::unique_ptr<Impl> m_impl;
};
} // namespace FontFTGL
