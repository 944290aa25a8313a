#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "MatSys/I_Color.h"
#include "MatSys/Material.h"
#include "MatSys/MaterialStore.h"
#include "MatSys/MaterialSystemFacade.h"
#include "MatSys/SW/ShaderProgramMaker.h"
#include "MatSys/SW/SoftwareTextureShaderProgram.h"
#include "MatSys/ShaderParams.h"
#include "MatSys/ShaderProgramStore.h"
#include "MatSys/TextureStore.h"
#include "support/MatSysRecorders.h"
#include "support/TempDir.h"

using namespace Testing;

namespace
{
// The fixed-function maker, counted into a log.
class CountedFixedFunctionMaker : public MatSys::SW::ShaderProgramMaker, public CountedObject
{
public:
    explicit CountedFixedFunctionMaker(MatSysLog* log) : CountedObject(log) {}
};

struct DirCase
{
    const char* configPath;
    const char* directory;
};

void PrintTo(const DirCase& c, std::ostream* out)
{
    *out << '"' << c.configPath << '"';
}

class FacadeDirectory : public testing::TestWithParam<DirCase>
{
};

// The directory shows in the file a definition-file material is read from, which the program maker is
// handed with the program's name.
TEST_P(FacadeDirectory, IsThePathUpToItsLastSlash)
{
    EXPECT_EQ(MatSys::MaterialSystemFacade::directoryOf(GetParam().configPath), GetParam().directory);
    MatSysLog log;
    MatSys::MaterialSystemFacade facade(GetParam().configPath, new RecordingProgramMaker(&log));
    EXPECT_NE(facade.getMaterialStore()->get("m.matdef", true), nullptr);
    EXPECT_EQ(log.calls,
              std::vector<std::string>{std::string("program file m ") + GetParam().directory + "m.matdef"});
}

INSTANTIATE_TEST_SUITE_P(Table, FacadeDirectory,
                         testing::Values(DirCase{"data/materials.cfg", "data/"},
                                         DirCase{"/materials.cfg", "/"}, DirCase{"materials.cfg", ""},
                                         DirCase{"a/b/c.cfg", "a/b/"}, DirCase{"data/", "data/"},
                                         DirCase{"", ""}));

TEST(MaterialSystemFacade, FixedFunctionMakerMakesTheProgramsAndGoesWithTheFacade)
{
    TempDir dir("facade");
    const std::string cfg = dir.write("materials.cfg", "wall_PROG == flat\n"
                                                       "wall_MAT_flat_PARAMS == color4v:4fv=1,0,0,1\n");
    MatSysLog log;
    {
        MatSys::MaterialSystemFacade facade(cfg, new CountedFixedFunctionMaker(&log));
        EXPECT_EQ(log.alive(), 1);
        EXPECT_EQ(facade.getMaterial("wall"), nullptr);
        EXPECT_TRUE(facade.addMaterial("wall"));
        MatSys::Material* wall = facade.getMaterial("wall");
        ASSERT_NE(wall, nullptr);
        EXPECT_EQ(wall->getProgram(), facade.getShaderProgramStore()->get("flat", false));
        // The colour is the material's, not the program's: the program is a texture program.
        EXPECT_NE(dynamic_cast<MatSys::SW::SoftwareTextureShaderProgram*>(wall->getProgram()), nullptr);
        ASSERT_NE(wall->getParams(), nullptr);
        EXPECT_NE(wall->getParams()->find("color4v"), nullptr);

        // A second time keeps the material; given parameters replace its set.
        EXPECT_TRUE(facade.addMaterial("wall"));
        EXPECT_EQ(facade.getMaterial("wall"), wall);
        EXPECT_NE(wall->getParams()->find("color4v"), nullptr);
        MatSys::ShaderParams given;
        given.add("other:1i=1");
        EXPECT_TRUE(facade.addMaterial("wall", &given, ""));
        EXPECT_EQ(facade.getMaterial("wall"), wall);
        EXPECT_EQ(wall->getParams()->find("color4v"), nullptr);

        EXPECT_EQ(facade.getMaterial("never"), nullptr);
        EXPECT_NE(facade.getTextureStore(), nullptr);
        EXPECT_EQ(facade.getMaterialStore()->getMatdefExt(), ".matdef");
    }
    EXPECT_EQ(log.alive(), 0) << "the given maker is deleted with the facade";
}

TEST(MaterialSystemFacade, MaterialWhoseProgramCannotBeMadeIsRefused)
{
    TempDir dir("facade");
    const std::string cfg = dir.write("materials.cfg", "wall_PROG == flat\nOTHER == x\n");
    MatSysLog log;
    log.refuse.insert("flat");
    MatSys::MaterialSystemFacade facade(cfg, new RecordingProgramMaker(&log));
    EXPECT_FALSE(facade.addMaterial("wall"));
    EXPECT_EQ(facade.getMaterial("wall"), nullptr);
    const std::string other = dir.write("other.cfg", "wall_PROG == round\n");
    EXPECT_TRUE(facade.addMaterial("wall", nullptr, other));
}

struct ColourCase
{
    const char* text;
    Util::RGBA rgba;
};

void PrintTo(const ColourCase& c, std::ostream* out)
{
    *out << '"' << c.text << '"';
}

class FacadeColour : public testing::TestWithParam<ColourCase>
{
};

TEST_P(FacadeColour, ReadsRedToAlphaFromTheHighestByte)
{
    MatSysLog log;
    MatSys::MaterialSystemFacade facade("materials.cfg", new RecordingProgramMaker(&log));
    std::unique_ptr<MatSys::I_Color> colour(facade.getColor(std::string(GetParam().text)));
    ASSERT_NE(colour, nullptr);
    const Util::RGBA& got = colour->RGBA();
    const Util::RGBA& want = GetParam().rgba;
    EXPECT_EQ(std::vector<int>({got.r, got.g, got.b, got.a}),
              std::vector<int>({want.r, want.g, want.b, want.a}));
}

INSTANTIATE_TEST_SUITE_P(
    Table, FacadeColour,
    testing::Values(ColourCase{"FF0000FF", {255, 0, 0, 255}}, ColourCase{"0xFF0000FF", {255, 0, 0, 255}},
                    ColourCase{"0x11223344", {0x11, 0x22, 0x33, 0x44}},
                    ColourCase{"aabbccdd", {0xaa, 0xbb, 0xcc, 0xdd}}, ColourCase{"FF", {0, 0, 0, 255}},
                    ColourCase{"", {0, 0, 0, 0}}, ColourCase{"not a colour", {0, 0, 0, 0}},
                    ColourCase{" 80ff", {0, 0, 0x80, 0xff}}, ColourCase{"-1", {0, 0, 0, 0}}));

TEST(MaterialSystemFacade, OtherColoursAreTheMakersOwn)
{
    MatSysLog log;
    MatSys::MaterialSystemFacade facade("materials.cfg", new RecordingProgramMaker(&log));
    std::unique_ptr<MatSys::I_Color> none(facade.getColor());
    std::unique_ptr<MatSys::I_Color> some(facade.getColor(Util::RGBA{1, 2, 3, 4}));
    EXPECT_EQ(none->RGBA().r + none->RGBA().g + none->RGBA().b + none->RGBA().a, 0);
    EXPECT_EQ(some->RGBA().b, 3);
    EXPECT_NE(none.get(), some.get());
}
} // namespace
