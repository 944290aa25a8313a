#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "Render/OpenGL.h"

#include "MatSys/Texture.h"
#include "MatSys/TextureMaker.h"
#include "TextureFiles.h"
#include "support/GLContext.h"
#include "support/TempDir.h"

namespace
{
using Testing::Pixel;

using TextureFiles::CELL;
using TextureFiles::oddImage;

std::string tgaFile(unsigned int width, unsigned int height, unsigned int bits,
                    const std::vector<Pixel>& pixels)
{
    return TextureFiles::tga(width, height, bits, pixels);
}

class TextureGL : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!Testing::GLContext::available())
            GTEST_SKIP() << "no X server (DISPLAY is unset)";
        gl.reset(new Testing::GLContext(WIDTH, HEIGHT));
        gl->usePixelView();
    }
    void TearDown() override
    {
        texture.reset();
        gl.reset();
    }

    MatSys::I_Texture* load(const std::string& name, const std::string& bytes)
    {
        dir.write(name, bytes);
        MatSys::OGL::TextureMaker maker(dir.dir());
        texture.reset(maker.create(name));
        return texture.get();
    }

    // The texture on a quad of CELL × CELL pixels a texel, from the lower left corner.
    void drawTexels(MatSys::I_Texture* tex, int columns, int rows)
    {
        tex->beginUsing(0);
        glColor4ub(255, 255, 255, 255);
        TextureFiles::drawTexelQuad(columns, rows);
        tex->endUsing(0);
    }

    GLint parameter(GLenum target, GLenum which)
    {
        GLint value = -1;
        glGetTexParameteriv(target, which, &value);
        return value;
    }

    GLint levelParameter(GLenum target, GLenum which)
    {
        GLint value = -1;
        glGetTexLevelParameteriv(target, 0, which, &value);
        return value;
    }

    static const int WIDTH = 64, HEIGHT = 64;
    std::unique_ptr<Testing::GLContext> gl;
    Testing::TempDir dir{"orvik-texture"};
    std::unique_ptr<MatSys::I_Texture> texture;
};

TEST_F(TextureGL, OddWidthRGBImageDrawsItsTexelsExactly)
{
    const std::vector<Pixel> image = oddImage();
    MatSys::I_Texture* tex = load("odd.NCMP.NEAR.NMIP.tga", tgaFile(5, 3, 24, image));
    ASSERT_NE(nullptr, tex);
    drawTexels(tex, 5, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(image[y * 5 + x], gl->readPixel(x * CELL + CELL / 2, y * CELL + CELL / 2))
                << "texel " << x << "," << y;
    EXPECT_EQ((Pixel{0, 0, 0, 255}), gl->readPixel(5 * CELL + 4, 4));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
}

TEST_F(TextureGL, GetImageWritesExactlyItsSize)
{
    const std::vector<Pixel> image = oddImage();
    MatSys::I_Texture* tex = load("odd.NCMP.NEAR.NMIP.tga", tgaFile(5, 3, 24, image));
    ASSERT_NE(nullptr, tex);
    tex->beginUsing(0);
    for (bool alpha : {false, true})
    {
        SCOPED_TRACE(alpha);
        const int channels = alpha ? 4 : 3;
        ASSERT_EQ(5 * 3 * channels, tex->getImageSize(alpha));
        const unsigned char GUARD = 0xAB;
        std::vector<unsigned char> buffer(tex->getImageSize(alpha) + 32, GUARD);
        tex->getImage(buffer.data(), alpha);
        for (size_t i = 0; i < image.size(); ++i)
        {
            const unsigned char* p = buffer.data() + i * channels;
            EXPECT_EQ(image[i], (Pixel{p[0], p[1], p[2], alpha ? p[3] : std::uint8_t(255)})) << "pixel " << i;
        }
        for (size_t i = tex->getImageSize(alpha); i < buffer.size(); ++i)
            ASSERT_EQ(GUARD, buffer[i]) << "byte " << i << " after the image";
    }
    tex->endUsing(0);
}

TEST_F(TextureGL, UpdateOfAnOddWidthRectangleLandsWhereAsked)
{
    const std::vector<Pixel> image = oddImage();
    MatSys::I_Texture* tex = load("odd.NCMP.NEAR.NMIP.tga", tgaFile(5, 3, 24, image));
    ASSERT_NE(nullptr, tex);
    tex->beginUsing(0);
    // Three texels a row, two rows: rows of 9 bytes.
    unsigned char patch[18];
    for (int i = 0; i < 18; ++i)
        patch[i] = static_cast<unsigned char>(200 + i);
    tex->update(patch, 1, 1, 3, 2, false);
    std::vector<unsigned char> buffer(tex->getImageSize(false));
    tex->getImage(buffer.data(), false);
    tex->endUsing(0);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
        {
            const unsigned char* got = buffer.data() + (y * 5 + x) * 3;
            const bool patched = x >= 1 && x <= 3 && y >= 1;
            const Pixel expected =
                patched ? Pixel{patch[((y - 1) * 3 + x - 1) * 3], patch[((y - 1) * 3 + x - 1) * 3 + 1],
                                patch[((y - 1) * 3 + x - 1) * 3 + 2], 255}
                        : image[y * 5 + x];
            EXPECT_EQ(expected, (Pixel{got[0], got[1], got[2], 255})) << "texel " << x << "," << y;
        }
}

TEST_F(TextureGL, EightBitImageIsAnAlphaTexture)
{
    const std::vector<Pixel> image = {{0, 0, 0, 10}, {0, 0, 0, 20}, {0, 0, 0, 30}};
    MatSys::I_Texture* tex = load("mask.NCMP.NMIP.tga", tgaFile(3, 1, 8, image));
    ASSERT_NE(nullptr, tex);
    tex->beginUsing(0);
    EXPECT_EQ(GL_ALPHA8, levelParameter(GL_TEXTURE_2D, GL_TEXTURE_INTERNAL_FORMAT));
    unsigned char rgba[12];
    tex->getImage(rgba, true);
    tex->endUsing(0);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ((Pixel{0, 0, 0, image[i].a}),
                  (Pixel{rgba[4 * i], rgba[4 * i + 1], rgba[4 * i + 2], rgba[4 * i + 3]}));
}

struct OptionCase
{
    const char* name;
    GLint filter;
    GLint generateMipmap;
    bool compressed;
};

TEST_F(TextureGL, NameTokensReachOpenGL)
{
    const OptionCase cases[] = {
        {"plain.tga", GL_LINEAR, GL_TRUE, true},
        {"a.NEAR.NMIP.tga", GL_NEAREST, GL_FALSE, true},
        {"a.near.tga", GL_LINEAR, GL_TRUE, true},
        {"a.MIP.NMIP.NCMP.tga", GL_LINEAR, GL_FALSE, false},
    };
    // Large enough for the driver to compress it.
    const std::vector<Pixel> image(16 * 16, Pixel{90, 120, 150, 255});
    for (const OptionCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        MatSys::I_Texture* tex = load(c.name, tgaFile(16, 16, 24, image));
        ASSERT_NE(nullptr, tex);
        tex->beginUsing(0);
        EXPECT_EQ(c.filter, parameter(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER));
        EXPECT_EQ(c.filter, parameter(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER));
        EXPECT_EQ(c.generateMipmap, parameter(GL_TEXTURE_2D, GL_GENERATE_MIPMAP));
        EXPECT_EQ(c.compressed, levelParameter(GL_TEXTURE_2D, GL_TEXTURE_COMPRESSED) == GL_TRUE);
        if (!c.compressed)
        {
            EXPECT_EQ(GL_RGBA, levelParameter(GL_TEXTURE_2D, GL_TEXTURE_INTERNAL_FORMAT));
        }
        tex->endUsing(0);
    }
}

TEST_F(TextureGL, SetOptionsChangesTheFilter)
{
    MatSys::I_Texture* tex = load("a.NEAR.tga", tgaFile(1, 1, 24, {Pixel{1, 2, 3, 255}}));
    ASSERT_NE(nullptr, tex);
    tex->beginUsing(0);
    tex->setOptions(MatSys::TextureOptions(true, true, false, false));
    EXPECT_EQ(GL_LINEAR, parameter(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER));
    EXPECT_EQ(GL_LINEAR, parameter(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER));
    EXPECT_TRUE(tex->getOptions().linearFilter);
    tex->endUsing(0);
}

struct SizeCase
{
    const char* name;
    unsigned int width;
    unsigned int height;
    int w, h, d;
    GLenum target;
};

TEST_F(TextureGL, ThreeDTokenSizes)
{
    const SizeCase cases[] = {
        {"cube.3D.NCMP", 4, 16, 4, 4, 4, GL_TEXTURE_3D},
        {"rest unused.3D.NCMP", 4, 19, 4, 4, 4, GL_TEXTURE_3D},
        {"not cubic.3D.NCMP", 4, 8, 4, 8, 0, GL_TEXTURE_2D},
        {"one texel.3D.NCMP", 1, 1, 1, 1, 1, GL_TEXTURE_2D},
        {"no token", 4, 16, 4, 16, 0, GL_TEXTURE_2D},
        {"no width.3D", 0, 5, 0, 5, 0, GL_TEXTURE_2D},
    };
    MatSys::OGL::TextureMaker maker("");
    for (const SizeCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        std::vector<unsigned char> pixels(c.width * c.height * 4 + 1, 77);
        std::unique_ptr<MatSys::I_Texture> tex(maker.create(c.name, pixels.data(), 32, c.width, c.height));
        ASSERT_NE(nullptr, tex);
        int w = -1, h = -1, d = -1;
        tex->getSize(w, h, d);
        EXPECT_EQ(c.w, w);
        EXPECT_EQ(c.h, h);
        EXPECT_EQ(c.d, d);
        EXPECT_EQ(c.target, static_cast<MatSys::OGL::Texture*>(tex.get())->getType());
        if (c.target == GL_TEXTURE_3D)
        {
            tex->beginUsing(0);
            EXPECT_EQ(c.d, levelParameter(GL_TEXTURE_3D, GL_TEXTURE_DEPTH));
            EXPECT_EQ(c.w * c.h * c.d * 3, tex->getImageSize(false));
            std::vector<unsigned char> back(tex->getImageSize(true) + 8, 0);
            tex->getImage(back.data(), true);
            EXPECT_EQ(77, back[0]);
            EXPECT_EQ(77, back[tex->getImageSize(true) - 1]);
            EXPECT_EQ(0, back[tex->getImageSize(true)]);
            tex->endUsing(0);
        }
    }
}

TEST_F(TextureGL, UnitsTheDriverLacksBindNothing)
{
    MatSys::OGL::TextureMaker maker("");
    unsigned char pixel[3] = {1, 2, 3};
    std::unique_ptr<MatSys::I_Texture> first(maker.create("first", pixel, 24, 1, 1));
    std::unique_ptr<MatSys::I_Texture> second(maker.create("second", pixel, 24, 1, 1));
    GLint units = 0;
    glGetIntegerv(GL_MAX_COMBINED_TEXTURE_IMAGE_UNITS, &units);
    first->beginUsing(1);
    for (int unit : {-1, -100, static_cast<int>(units), static_cast<int>(units) + 5})
    {
        SCOPED_TRACE(unit);
        second->beginUsing(unit);
        GLint active = 0, bound = 0;
        glGetIntegerv(GL_ACTIVE_TEXTURE, &active);
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
        EXPECT_EQ(GL_TEXTURE1, active);
        EXPECT_EQ(static_cast<GLint>(first->getID()), bound);
        second->endUsing(unit);
        EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
        EXPECT_EQ(static_cast<GLenum>(GL_NO_ERROR), glGetError());
    }
    first->endUsing(1);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
}

TEST_F(TextureGL, TheTextureObjectLivesAsLongAsTheTexture)
{
    MatSys::OGL::TextureMaker maker("");
    unsigned char pixel[4] = {1, 2, 3, 4};
    std::unique_ptr<MatSys::I_Texture> tex(maker.create("t", pixel, 32, 1, 1));
    const GLuint id = tex->getID();
    ASSERT_NE(0u, id);
    EXPECT_TRUE(glIsTexture(id));
    tex.reset();
    EXPECT_FALSE(glIsTexture(id));
}

// An 8-bit run-length file of one grey value: a few bytes for every 128 pixels.
std::string greyRunLength(unsigned int width, unsigned int height)
{
    std::string file;
    file += '\0';
    file += '\0';
    file += static_cast<char>(11);
    file += std::string(9, '\0');
    file += TextureFiles::le16(width) + TextureFiles::le16(height);
    file += static_cast<char>(8);
    file += '\0';
    std::uint64_t left = static_cast<std::uint64_t>(width) * height;
    while (left > 0)
    {
        const std::uint64_t count = left < 128 ? left : 128;
        file += static_cast<char>(0x80 | (count - 1));
        file += static_cast<char>(0x7F);
        left -= count;
    }
    return file;
}

TEST_F(TextureGL, AnImageLargerThanTheDriversLargestTextureIsNotRead)
{
    GLint side = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &side);
    ASSERT_GT(side, 0);
    if (side >= 65535)
        GTEST_SKIP() << "a TGA file cannot state an image past this driver's largest texture";
    // One row more than the largest texture: the file is a few MB, its pixels would be a gigabyte or so.
    EXPECT_EQ(nullptr, load("huge.tga", greyRunLength(side, side + 1)));
}
} // namespace
