#include <gtest/gtest.h>

#include <string>

#include "MatSys/TextureOptions.h"
#include "MatSys/TextureOptionsMaker.h"

namespace
{
struct OptionsCase
{
    std::string name;
    bool is2D;
    bool linearFilter;
    bool mipmaps;
    bool compressed;
};

void PrintTo(const OptionsCase& c, std::ostream* out)
{
    *out << '"' << c.name << '"';
}

class TextureOptionTokens : public ::testing::TestWithParam<OptionsCase>
{
};

TEST_P(TextureOptionTokens, SetTheFlags)
{
    const OptionsCase& c = GetParam();
    const MatSys::TextureOptions options = MatSys::TextureOptionsMaker().make(c.name);
    EXPECT_EQ(c.is2D, options.is2D);
    EXPECT_EQ(c.linearFilter, options.linearFilter);
    EXPECT_EQ(c.mipmaps, options.mipmaps);
    EXPECT_EQ(c.compressed, options.compressed);
}

const OptionsCase kCases[] = {
    {"wall.tga", true, true, true, true},
    {"", true, true, true, true},
    {"wall.3D.NEAR.NMIP.NCMP.tga", false, false, false, false},
    {"wall.3D.NEAR.NMIP.NCMP.2D.LINR.MIP.CMP.tga", true, true, true, true},
    {"wall.MIP.NMIP.tga", true, true, false, true},
    {"wall.NMIP.MIP.tga", true, true, true, true},
    {"wall.near.nmip.3d.ncmp.tga", true, true, true, true},
    {"wall. NEAR \t.\r\nNMIP\n.tga", true, false, false, true},
    {"wall..NEAR...  .NCMP.", true, false, true, false},
    {"NEAR", true, false, true, true},
    {"wall.NEARX.XNMIP.N MIP.tga", true, true, true, true},
    {"3D.wall.tga", false, true, true, true},
};

INSTANTIATE_TEST_SUITE_P(Names, TextureOptionTokens, ::testing::ValuesIn(kCases));

TEST(TextureOptionsDefault, SetDefaultChangesOptionsMadeAfterwards)
{
    MatSys::TextureOptions::setDefault(MatSys::TextureOptions(false, true, false, true));
    const MatSys::TextureOptions changed;
    const MatSys::TextureOptions fromName = MatSys::TextureOptionsMaker().make("a.LINR.tga");
    MatSys::TextureOptions::setDefault(MatSys::TextureOptions(true, true, true, true));
    EXPECT_FALSE(changed.is2D);
    EXPECT_FALSE(changed.mipmaps);
    EXPECT_FALSE(fromName.is2D);
    EXPECT_TRUE(MatSys::TextureOptions().is2D);
}
} // namespace
