#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "media/SwapPixelData.h"
#include "media/TGA.h"
#include "support/TempDir.h"

namespace
{
std::string le16(unsigned int v)
{
    return std::string(1, static_cast<char>(v & 0xFF)) + static_cast<char>((v >> 8) & 0xFF);
}

// An 18-byte header, the ID field and the pixel bytes as given.
std::string tga(unsigned int type, unsigned int width, unsigned int height, unsigned int depth,
                unsigned int descriptor, const std::string& pixels, const std::string& id = "",
                unsigned int colorMapType = 0)
{
    std::string h;
    h += static_cast<char>(id.size());
    h += static_cast<char>(colorMapType);
    h += static_cast<char>(type);
    h += std::string(9, '\0');
    h += le16(width) + le16(height);
    h += static_cast<char>(depth);
    h += static_cast<char>(descriptor);
    return h + id + pixels;
}

std::string bytes(std::initializer_list<int> values)
{
    std::string out;
    for (int v : values)
        out += static_cast<char>(v);
    return out;
}

// 3 × 2 pixels, 24 bits. File order B, G, R; the bottom row is pixels 1-3, the top row 4-6.
const std::string kBottomRowBGR = bytes({0x01, 0x02, 0x03, 0x11, 0x12, 0x13, 0x21, 0x22, 0x23});
const std::string kTopRowBGR = bytes({0x31, 0x32, 0x33, 0x41, 0x42, 0x43, 0x51, 0x52, 0x53});
const std::string kRGB3x2 = bytes({0x03, 0x02, 0x01, 0x13, 0x12, 0x11, 0x23, 0x22, 0x21, //
                                   0x33, 0x32, 0x31, 0x43, 0x42, 0x41, 0x53, 0x52, 0x51});

struct LoadCase
{
    const char* what;
    std::string file;
    bool ok;
    unsigned int width;
    unsigned int height;
    unsigned int bits;
    std::string pixels;
};

void PrintTo(const LoadCase& c, std::ostream* out)
{
    *out << c.what;
}

class TGALoad : public ::testing::TestWithParam<LoadCase>
{
};

TEST_P(TGALoad, ReadsOrRefuses)
{
    const LoadCase& c = GetParam();
    Testing::TempDir dir{"orvik-tga"};
    const std::string path = dir.write("case.tga", c.file);
    unsigned int width = 0, height = 0, bits = 0;
    unsigned char* pixels = reinterpret_cast<unsigned char*>(&width); // must be overwritten either way
    const bool ok = Media::TGA::loadFromFile(path.c_str(), &width, &height, &bits, &pixels);
    std::unique_ptr<unsigned char[]> owned(pixels);
    ASSERT_EQ(c.ok, ok);
    if (!ok)
    {
        EXPECT_EQ(nullptr, owned.release());
        return;
    }
    EXPECT_EQ(c.width, width);
    EXPECT_EQ(c.height, height);
    EXPECT_EQ(c.bits, bits);
    ASSERT_NE(nullptr, pixels);
    EXPECT_EQ(c.pixels, std::string(reinterpret_cast<char*>(pixels), c.pixels.size()));
}

const LoadCase kLoadCases[] = {
    {"raw 8 bits, bytes unchanged", tga(3, 3, 1, 8, 8, bytes({1, 2, 3})), true, 3, 1, 8, bytes({1, 2, 3})},
    {"raw 24 bits bottom first, B,G,R to R,G,B", tga(2, 3, 2, 24, 0, kBottomRowBGR + kTopRowBGR), true, 3, 2,
     24, kRGB3x2},
    {"raw 24 bits top first gives the same buffer", tga(2, 3, 2, 24, 0x20, kTopRowBGR + kBottomRowBGR), true,
     3, 2, 24, kRGB3x2},
    {"raw 32 bits, B,G,R,A to R,G,B,A, attribute bits 8",
     tga(2, 2, 1, 32, 8, bytes({1, 2, 3, 4, 5, 6, 7, 8})), true, 2, 1, 32, bytes({3, 2, 1, 4, 7, 6, 5, 8})},
    {"8 bits top first, odd height keeps its middle row", tga(3, 1, 3, 8, 0x28, bytes({7, 8, 9})), true, 1, 3,
     8, bytes({9, 8, 7})},
    {"an ID field of 255 bytes is skipped", tga(3, 2, 1, 8, 0, bytes({5, 6}), std::string(255, 'x')), true, 2,
     1, 8, bytes({5, 6})},
    {"a colour-map type other than 1 is accepted", tga(3, 1, 1, 8, 0, bytes({9}), "", 2), true, 1, 1, 8,
     bytes({9})},
    {"bytes after the pixels are ignored", tga(3, 1, 1, 8, 0, bytes({9, 1, 2, 3})), true, 1, 1, 8,
     bytes({9})},
    {"run-length: 0x83 repeats one pixel four times", tga(10, 4, 1, 24, 0, bytes({0x83, 1, 2, 3})), true, 4,
     1, 24, bytes({3, 2, 1, 3, 2, 1, 3, 2, 1, 3, 2, 1})},
    {"run-length: 0x02 takes three literal pixels",
     tga(10, 3, 1, 32, 8, bytes({0x02, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12})), true, 3, 1, 32,
     bytes({3, 2, 1, 4, 7, 6, 5, 8, 11, 10, 9, 12})},
    {"run-length 8 bits, both packet kinds across rows, top first",
     tga(11, 2, 2, 8, 0x20, bytes({0x81, 5, 0x01, 6, 7})), true, 2, 2, 8, bytes({6, 7, 5, 5})},
    {"run-length: one packet of 128 pixels", tga(11, 128, 1, 8, 0, bytes({0xFF, 4})), true, 128, 1, 8,
     std::string(128, '\x04')},

    {"colour-mapped", tga(1, 1, 1, 8, 0, bytes({1}), "", 1), false, 0, 0, 0, ""},
    {"15 bits", tga(2, 1, 1, 15, 0, bytes({1, 2})), false, 0, 0, 0, ""},
    {"16 bits", tga(2, 1, 1, 16, 0, bytes({1, 2})), false, 0, 0, 0, ""},
    {"attribute bits 1", tga(2, 1, 1, 24, 1, bytes({1, 2, 3})), false, 0, 0, 0, ""},
    {"attribute bits 4", tga(2, 1, 1, 32, 4, bytes({1, 2, 3, 4})), false, 0, 0, 0, ""},
    {"empty file", "", false, 0, 0, 0, ""},
    {"short header", tga(2, 1, 1, 24, 0, "").substr(0, 17), false, 0, 0, 0, ""},
    {"short ID field", tga(3, 1, 1, 8, 0, "", "abcd").substr(0, 20), false, 0, 0, 0, ""},
    {"short pixels", tga(2, 3, 2, 24, 0, kBottomRowBGR), false, 0, 0, 0, ""},
    {"zero width", tga(3, 0, 5, 8, 0, ""), false, 0, 0, 0, ""},
    {"zero height", tga(3, 5, 0, 8, 0, ""), false, 0, 0, 0, ""},
    {"65535 by 65535 raw in a short file", tga(2, 65535, 65535, 32, 0, bytes({1, 2, 3, 4})), false, 0, 0, 0,
     ""},
    {"65535 by 65535 run-length in a short file", tga(10, 65535, 65535, 32, 0, bytes({0xFF, 1, 2, 3, 4})),
     false, 0, 0, 0, ""},
    {"run-length: the last packet runs past the image", tga(10, 3, 1, 8, 0, bytes({0x01, 1, 2, 0x81, 3})),
     false, 0, 0, 0, ""},
    {"run-length: a repeat packet longer than the image", tga(11, 2, 1, 8, 0, bytes({0xFF, 1})), false, 0, 0,
     0, ""},
    {"run-length: the file ends inside a literal packet", tga(10, 4, 1, 8, 0, bytes({0x03, 1, 2})), false, 0,
     0, 0, ""},
};

INSTANTIATE_TEST_SUITE_P(Files, TGALoad, ::testing::ValuesIn(kLoadCases));

TEST(TGALoadFile, MissingFileAndNullArgumentsAreRefused)
{
    Testing::TempDir dir{"orvik-tga"};
    const std::string path = dir.write("ok.tga", tga(3, 1, 1, 8, 0, bytes({1})));
    unsigned int w = 0, h = 0, b = 0;
    unsigned char* pixels = nullptr;
    EXPECT_FALSE(Media::TGA::loadFromFile(dir.path("none.tga").c_str(), &w, &h, &b, &pixels));
    EXPECT_FALSE(Media::TGA::loadFromFile(nullptr, &w, &h, &b, &pixels));
    EXPECT_FALSE(Media::TGA::loadFromFile(dir.dir().c_str(), &w, &h, &b, &pixels));
    EXPECT_FALSE(Media::TGA::loadFromFile(path.c_str(), nullptr, &h, &b, &pixels));
    EXPECT_EQ(nullptr, pixels);
    EXPECT_FALSE(Media::TGA::loadFromFile(path.c_str(), &w, &h, &b, nullptr));
}

TEST(TGALoadFile, AnImageOfMorePixelsThanAskedIsNotRead)
{
    Testing::TempDir dir{"orvik-tga"};
    // 4 × 3 pixels of 8 bits in one run-length packet of 12.
    const std::string path = dir.write("run.tga", tga(11, 4, 3, 8, 0, bytes({0x80 | 11, 7})));
    unsigned int w = 0, h = 0, b = 0;
    unsigned char* pixels = nullptr;
    ASSERT_TRUE(Media::TGA::loadFromFile(path.c_str(), &w, &h, &b, &pixels, 12));
    std::unique_ptr<unsigned char[]> owned(pixels);
    EXPECT_EQ(7, pixels[11]);
    EXPECT_FALSE(Media::TGA::loadFromFile(path.c_str(), &w, &h, &b, &pixels, 11));
    EXPECT_EQ(nullptr, pixels);
}

std::string readAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

struct SaveCase
{
    unsigned int bits;
    unsigned int type;
    std::string memory;
    std::string file;
};

TEST(TGASave, WritesHeaderAndFileOrderAndLoadsBack)
{
    const SaveCase cases[] = {
        {8, 3, bytes({1, 2, 3, 4, 5, 6}), bytes({1, 2, 3, 4, 5, 6})},
        {24, 2, kRGB3x2, kBottomRowBGR + kTopRowBGR},
        {32, 2,
         bytes({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24}),
         bytes({3, 2, 1, 4, 7, 6, 5, 8, 11, 10, 9, 12, 15, 14, 13, 16, 19, 18, 17, 20, 23, 22, 21, 24})},
    };
    Testing::TempDir dir{"orvik-tga"};
    for (const SaveCase& c : cases)
    {
        SCOPED_TRACE(c.bits);
        const unsigned int width = 3, height = c.memory.size() / 3 / (c.bits / 8);
        const std::string path = dir.path("saved.tga");
        ASSERT_TRUE(Media::TGA::saveToFile(path.c_str(), width, height, c.bits,
                                           reinterpret_cast<const unsigned char*>(c.memory.data())));
        EXPECT_EQ(tga(c.type, width, height, c.bits, 8, c.file), readAll(path));

        unsigned int w = 0, h = 0, b = 0;
        unsigned char* pixels = nullptr;
        ASSERT_TRUE(Media::TGA::loadFromFile(path.c_str(), &w, &h, &b, &pixels));
        std::unique_ptr<unsigned char[]> owned(pixels);
        EXPECT_EQ(width, w);
        EXPECT_EQ(height, h);
        EXPECT_EQ(c.bits, b);
        EXPECT_EQ(c.memory, std::string(reinterpret_cast<char*>(pixels), c.memory.size()));
    }
}

TEST(TGASave, RefusesWhatTheHeaderCannotStateOrTheWriterCannotWrite)
{
    Testing::TempDir dir{"orvik-tga"};
    const unsigned char pixels[4] = {1, 2, 3, 4};
    const std::string path = dir.path("out.tga");
    // A side above 65535 would be written as its low 16 bits: refused before the pixels are looked at.
    EXPECT_FALSE(Media::TGA::saveToFile(path.c_str(), 65536, 1, 8, pixels));
    EXPECT_FALSE(Media::TGA::saveToFile(path.c_str(), 1, 65536, 8, pixels));
    EXPECT_FALSE(Media::TGA::saveToFile(path.c_str(), 1, 1, 16, pixels));
    EXPECT_FALSE(Media::TGA::saveToFile(path.c_str(), 1, 1, 8, nullptr));
    EXPECT_FALSE(Media::TGA::saveToFile(nullptr, 1, 1, 8, pixels));
    EXPECT_FALSE(Media::TGA::saveToFile(dir.path("no/such/dir.tga").c_str(), 1, 1, 8, pixels));
}

TEST(TGARGBtoRGBA, AddsOpaqueAlpha)
{
    const unsigned char rgb[6] = {1, 2, 3, 4, 5, 6};
    std::unique_ptr<unsigned char[]> rgba(Media::TGA::RGBtoRGBA(rgb, 2, 1));
    ASSERT_NE(nullptr, rgba);
    EXPECT_EQ(bytes({1, 2, 3, 255, 4, 5, 6, 255}), std::string(reinterpret_cast<char*>(rgba.get()), 8));
}

TEST(SwapPixelData, RefusesOtherPixelSizes)
{
    unsigned char data[2] = {1, 2};
    EXPECT_FALSE(Media::swapPixelData(data, data, 1, 2));
    EXPECT_EQ(1, data[0]);
    EXPECT_EQ(2, data[1]);
}
} // namespace
