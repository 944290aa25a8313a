#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "GLDrawing.h"
#include "MatSys/Color.h"
#include "MatSys/ColorMaker.h"
#include "MatSys/SW/ShaderProgramMaker.h"
#include "MatSys/ShaderParams.h"

using Testing::Pixel;

namespace
{
const Pixel RED{255, 0, 0, 255};
const Pixel WHITE{255, 255, 255, 255};
const Pixel GREY{128, 128, 128, 128};

struct ColourCase
{
    const char* what;
    const char* programName;
    const char* line; // the program's own set; "" for none
    bool answer;
    Pixel colour; // after beginUsing, the current colour having been grey
};

void PrintTo(const ColourCase& c, std::ostream* out)
{
    *out << c.what;
}

class FixedFunctionColour : public testing::TestWithParam<ColourCase>
{
};

TEST_P(FixedFunctionColour, SetsTheColourAndLeavesWhite)
{
    NEED_GL();
    Testing::GLContext gl(16, 16);
    MatSys::ShaderParams params;
    params.add(std::string(GetParam().line));
    MatSys::SW::ShaderProgramMaker maker;
    std::unique_ptr<MatSys::I_ShaderProgram> program(maker.create(GetParam().programName, params));

    glColor4ub(GREY.r, GREY.g, GREY.b, GREY.a);
    EXPECT_EQ(program->beginUsing(nullptr), GetParam().answer);
    EXPECT_EQ(Testing::currentColour(), GetParam().colour);
    Testing::clearTo(0, 0, 0);
    Testing::drawFullQuad();
    EXPECT_EQ(Testing::opaque(gl.readPixel(8, 8)), Testing::opaque(GetParam().colour));
    program->endUsing();
    EXPECT_EQ(Testing::currentColour(), WHITE);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FixedFunctionColour,
    testing::Values(
        ColourCase{"floats", "wall", "color4v:4fv=1,0,0,1", true, RED},
        ColourCase{"bytes", "wall", "color4v:4iv=255,0,0,255", true, RED},
        ColourCase{"bytes clamped", "wall", "color4v:4iv=300,-5,0x80,255", true, Pixel{255, 0, 128, 255}},
        ColourCase{"bytes with too few values", "wall", "color4v:4iv=0,255", true, Pixel{0, 255, 0, 0}},
        ColourCase{"a type it cannot apply", "wall", "color4v:3fv=1,0,0", false, GREY},
        ColourCase{"colour program without colour", "DEF_COLOR_MAT", "", false, GREY},
        ColourCase{"colour program with colour", "DEF_COLOR_MAT", "color4v:4fv=0,0,1,1", true,
                   Pixel{0, 0, 255, 255}},
        ColourCase{"texture program without colour", "DEF_TEXTURE_MAT", "", true, GREY},
        ColourCase{"texture program with colour", "DEF_TEXTURE_MAT", "color4v:4fv=1,0,0,1", true, RED},
        ColourCase{"texture program with a colour it cannot apply", "DEF_TEXTURE_MAT", "color4v:2f=1,0", true,
                   GREY}));

TEST(FixedFunctionProgram, GivenParametersWinAndNewOwnParametersApplyLater)
{
    NEED_GL();
    Testing::GLContext gl(16, 16);
    MatSys::ShaderParams own;
    own.add("color4v:4fv=1,0,0,1");
    MatSys::SW::ShaderProgramMaker maker;
    std::unique_ptr<MatSys::I_ShaderProgram> program(maker.create("DEF_COLOR_MAT", own));

    MatSys::ShaderParams given;
    given.add("color4v:4fv=0,1,0,1");
    EXPECT_TRUE(program->beginUsing(&given));
    EXPECT_EQ(Testing::currentColour(), (Pixel{0, 255, 0, 255}));
    MatSys::ShaderParams other;
    other.add("color4v:4iv=0,0,255,255");
    EXPECT_TRUE(program->setParams(other));
    EXPECT_TRUE(program->beginUsing(nullptr));
    EXPECT_EQ(Testing::currentColour(), (Pixel{0, 0, 255, 255}));
}

TEST(OpenGLColour, UseMakesItTheCurrentColour)
{
    NEED_GL();
    Testing::GLContext gl(16, 16);
    MatSys::OGL::ColorMaker maker;
    std::unique_ptr<MatSys::I_Color> none(maker.create());
    std::unique_ptr<MatSys::I_Color> some(maker.create(Util::RGBA{10, 20, 30, 40}));
    EXPECT_EQ(none->RGBA().r + none->RGBA().g + none->RGBA().b + none->RGBA().a, 0);
    none->use();
    EXPECT_EQ(Testing::currentColour(), (Pixel{0, 0, 0, 0}));
    some->use();
    EXPECT_EQ(Testing::currentColour(), (Pixel{10, 20, 30, 40}));
    some->RGBA().g = 200;
    some->use();
    EXPECT_EQ(Testing::currentColour(), (Pixel{10, 200, 30, 40}));
}
} // namespace
