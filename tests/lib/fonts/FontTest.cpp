#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "Render/OpenGL.h"

#include "MatSys/I_Color.h"
#include "MatSys/I_Texture.h"
#include "MatSys/TextureOptions.h"
#include "fonts/FontManager.h"
#include "fonts/TextureFont.h"
#include "support/GLContext.h"
#include "support/TempDir.h"

namespace
{
using Testing::Pixel;

const std::string kFontDir = "/usr/share/fonts/truetype/dejavu";
const std::string kFontFile = "DejaVuSans.ttf";

// Makes its colour current and counts how often.
class CountingColor : public MatSys::I_Color
{
public:
    explicit CountingColor(const Util::RGBA& rgba) : MatSys::I_Color(rgba) {}
    void use() const override
    {
        ++uses;
        glColor4ub(RGBA().r, RGBA().g, RGBA().b, RGBA().a);
    }
    mutable int uses = 0;
};

// Records the units it is bound to and unbound from; binds nothing.
class RecordingTexture : public MatSys::I_Texture
{
public:
    MatSys::TextureID getID() const override { return 0; }
    void getSize(int& w, int& h, int& d) const override { w = h = d = 0; }
    void beginUsing(int unit) const override { calls.push_back("begin " + std::to_string(unit)); }
    void endUsing(int unit) const override { calls.push_back("end " + std::to_string(unit)); }
    void update(unsigned char*, int, int, int, int, bool) override {}
    const MatSys::TextureOptions& getOptions() const override { return options; }
    void setOptions(const MatSys::TextureOptions& o) override { options = o; }
    int getImageSize(bool) const override { return 0; }
    void getImage(unsigned char*, bool) const override {}

    mutable std::vector<std::string> calls;
    MatSys::TextureOptions options;
};

class FontGL : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!Testing::GLContext::available())
            GTEST_SKIP() << "no X server (DISPLAY is unset)";
        if (!std::filesystem::exists(kFontDir + "/" + kFontFile))
            GTEST_SKIP() << "DejaVu Sans is not installed";
        gl.reset(new Testing::GLContext(WIDTH, HEIGHT));
        gl->usePixelView();
    }
    void TearDown() override
    {
        // Fonts free their glyph textures, which needs the context.
        manager.reset();
        gl.reset();
    }

    // Columns [x0, x1) of rows [y0, y1) that are not the background.
    int litPixels(int x0, int y0, int x1, int y1)
    {
        int lit = 0;
        for (const Pixel& p : gl->readPixels(x0, y0, x1 - x0, y1 - y0))
            lit += p != Pixel{0, 0, 0, 255};
        return lit;
    }

    std::string copyFont(const std::string& name)
    {
        std::filesystem::copy_file(kFontDir + "/" + kFontFile, dir.path(name));
        return dir.path(name);
    }

    static const int WIDTH = 320, HEIGHT = 80;
    std::unique_ptr<Testing::GLContext> gl;
    Testing::TempDir dir{"orvik-fonts"};
    std::unique_ptr<FontFTGL::FontManager> manager;
};

TEST_F(FontGL, DrawsBetweenThePenAndTheReturnedPen)
{
    manager.reset(new FontFTGL::FontManager(kFontDir));
    EXPECT_EQ(kFontDir + "/", manager->getLoadDir());
    AFont::I_Font* font = manager->getFont(kFontFile, 24);
    ASSERT_NE(nullptr, font);
    EXPECT_EQ(24, font->getSize());
    EXPECT_FLOAT_EQ(36.0f, font->getRowHeight());

    CountingColor white(Util::RGBA{255, 255, 255, 255});
    const FTPoint pen(40, 30);
    const FTPoint next = font->display("Orvik", pen, &white, nullptr);
    EXPECT_EQ(1, white.uses);
    EXPECT_GT(next.X(), pen.X() + 40);
    EXPECT_LT(next.X(), pen.X() + 24 * 5);
    EXPECT_DOUBLE_EQ(pen.Y(), next.Y());

    const int penX = static_cast<int>(pen.X()), nextX = static_cast<int>(next.X());
    // Glyphs of 24 points rise about 18 pixels above the base line; nothing reaches far from the text.
    EXPECT_GT(litPixels(penX, 30, nextX, 50), 100);
    EXPECT_EQ(0, litPixels(0, 0, penX - 2, HEIGHT));
    EXPECT_EQ(0, litPixels(nextX + 4, 0, WIDTH, HEIGHT));
    EXPECT_EQ(0, litPixels(0, 0, WIDTH, 24));
    EXPECT_EQ(0, litPixels(0, 60, WIDTH, HEIGHT));
}

TEST_F(FontGL, DisplayUsesTheFontsOwnColourAndTextureWhenGivenNone)
{
    manager.reset(new FontFTGL::FontManager(kFontDir));
    AFont::I_Font* font = manager->getFont(kFontFile, 20);
    ASSERT_NE(nullptr, font);
    CountingColor own(Util::RGBA{255, 0, 0, 255});
    CountingColor given(Util::RGBA{0, 255, 0, 255});
    RecordingTexture ownTexture, givenTexture;
    font->setColor(&own);
    font->setTexture(&ownTexture, 3);

    font->display("a", FTPoint(10, 10), nullptr, nullptr);
    EXPECT_EQ(1, own.uses);
    EXPECT_EQ((std::vector<std::string>{"begin 3", "end 3"}), ownTexture.calls);

    font->display("a", FTPoint(10, 10), &given, &givenTexture);
    EXPECT_EQ(1, own.uses);
    EXPECT_EQ(1, given.uses);
    EXPECT_EQ(2u, ownTexture.calls.size());
    EXPECT_EQ((std::vector<std::string>{"begin 3", "end 3"}), givenTexture.calls);
}

TEST_F(FontGL, InvalidFontStillAppliesColourAndTextureAndDrawsNothing)
{
    FontFTGL::TextureFont font(dir.path("missing.ttf"), 24);
    EXPECT_FALSE(font.valid());
    EXPECT_EQ(0, font.getSize());
    EXPECT_FALSE(font.setSize(12));
    CountingColor white(Util::RGBA{255, 255, 255, 255});
    RecordingTexture texture;
    font.setTexture(&texture, 0);
    const FTPoint next = font.display("text", FTPoint(5, 7), &white, nullptr);
    EXPECT_DOUBLE_EQ(5, next.X());
    EXPECT_DOUBLE_EQ(7, next.Y());
    EXPECT_EQ(1, white.uses);
    EXPECT_EQ((std::vector<std::string>{"begin 0", "end 0"}), texture.calls);
    EXPECT_EQ(0, litPixels(0, 0, WIDTH, HEIGHT));
}

TEST_F(FontGL, OneFontPerFileAndSize)
{
    copyFont("a.ttf1");
    copyFont("a.ttf");
    manager.reset(new FontFTGL::FontManager(dir.dir()));
    AFont::I_Font* first = manager->getFont("a.ttf", 24);
    ASSERT_NE(nullptr, first);
    EXPECT_EQ(first, manager->getFont("a.ttf", 24));
    AFont::I_Font* other = manager->getFont("a.ttf", 25);
    ASSERT_NE(nullptr, other);
    EXPECT_NE(first, other);
    EXPECT_FLOAT_EQ(37.0f, other->getRowHeight());

    // A name ending in a digit at one size and a shorter name at a longer size are two fonts.
    AFont::I_Font* digitName = manager->getFont("a.ttf1", 2);
    AFont::I_Font* twelve = manager->getFont("a.ttf", 12);
    ASSERT_NE(nullptr, digitName);
    ASSERT_NE(nullptr, twelve);
    EXPECT_NE(digitName, twelve);
    EXPECT_EQ(dir.path("a.ttf1"), digitName->name);
    EXPECT_EQ(2, digitName->getSize());
    EXPECT_EQ(dir.path("a.ttf"), twelve->name);
    EXPECT_EQ(12, twelve->getSize());
}

TEST_F(FontGL, MissingFileGivesNullAndIsTriedAgain)
{
    manager.reset(new FontFTGL::FontManager(dir.dir() + "/"));
    EXPECT_EQ(dir.dir() + "/", manager->getLoadDir());
    EXPECT_EQ(nullptr, manager->getFont("later.ttf", 24));
    dir.write("broken.ttf", "not a font");
    EXPECT_EQ(nullptr, manager->getFont("broken.ttf", 24));
    EXPECT_EQ(nullptr, manager->getFont(kFontFile, 0));
    copyFont("later.ttf");
    EXPECT_NE(nullptr, manager->getFont("later.ttf", 24));
}

TEST_F(FontGL, RemoveFontFindsAResizedFont)
{
    copyFont("a.ttf");
    manager.reset(new FontFTGL::FontManager(dir.dir()));
    AFont::I_Font* font = manager->getFont("a.ttf", 24);
    ASSERT_NE(nullptr, font);
    ASSERT_TRUE(font->setSize(30));
    EXPECT_EQ(30, font->getSize());
    EXPECT_TRUE(manager->removeFont(font));
    // Still cached, the resized font would be given out again at its new size.
    AFont::I_Font* fresh = manager->getFont("a.ttf", 24);
    ASSERT_NE(nullptr, fresh);
    EXPECT_EQ(24, fresh->getSize());
}

TEST_F(FontGL, RemoveFontRefusesFontsItDoesNotHold)
{
    copyFont("a.ttf");
    manager.reset(new FontFTGL::FontManager(dir.dir()));
    FontFTGL::FontManager other(dir.dir());
    AFont::I_Font* font = manager->getFont("a.ttf", 24);
    ASSERT_NE(nullptr, font);
    EXPECT_FALSE(manager->removeFont(nullptr));
    EXPECT_FALSE(other.removeFont(font));
    EXPECT_EQ(font, manager->getFont("a.ttf", 24));
}

TEST(FontManagerDir, EmptyLoadDirStaysEmpty)
{
    FontFTGL::FontManager manager("");
    EXPECT_EQ("", manager.getLoadDir());
    manager.setLoadDir("fonts");
    EXPECT_EQ("fonts/", manager.getLoadDir());
}
} // namespace
