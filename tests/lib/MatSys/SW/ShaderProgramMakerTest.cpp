#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "MatSys/SW/ShaderProgramMaker.h"
#include "MatSys/SW/SoftwareColorShaderProgram.h"
#include "MatSys/SW/SoftwareTextureShaderProgram.h"
#include "MatSys/ShaderParams.h"

namespace
{
enum Kind
{
    COLOUR,
    TEXTURE
};

struct ChoiceCase
{
    const char* name;
    const char* line; // "" for an empty set
    Kind kind;
};

void PrintTo(const ChoiceCase& c, std::ostream* out)
{
    *out << c.name << " with \"" << c.line << '"';
}

Kind kindOf(MatSys::I_ShaderProgram* program)
{
    if (dynamic_cast<MatSys::SW::SoftwareColorShaderProgram*>(program) != nullptr)
        return COLOUR;
    EXPECT_NE(dynamic_cast<MatSys::SW::SoftwareTextureShaderProgram*>(program), nullptr);
    return TEXTURE;
}

class ProgramChoice : public testing::TestWithParam<ChoiceCase>
{
};

// Every form of create chooses alike and keeps the parameters it was given.
TEST_P(ProgramChoice, FollowsNameThenColourParameter)
{
    MatSys::ShaderParams params;
    params.add(std::string(GetParam().line));
    MatSys::SW::ShaderProgramMaker maker;
    std::unique_ptr<MatSys::I_ShaderProgram> programs[] = {
        std::unique_ptr<MatSys::I_ShaderProgram>(maker.create(GetParam().name, params)),
        std::unique_ptr<MatSys::I_ShaderProgram>(maker.create(GetParam().name, params, "ignored.prg")),
        std::unique_ptr<MatSys::I_ShaderProgram>(
            maker.create(GetParam().name, params, std::vector<std::string>{"ignored.VS"}))};
    for (const std::unique_ptr<MatSys::I_ShaderProgram>& program : programs)
    {
        ASSERT_NE(program, nullptr);
        EXPECT_EQ(kindOf(program.get()), GetParam().kind);
        EXPECT_EQ(program->getID(), 1u);
        EXPECT_EQ(program->getParams().find("color4v") != nullptr, std::string(GetParam().line).size() > 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, ProgramChoice,
                         testing::Values(ChoiceCase{"DEF_COLOR_MAT", "", COLOUR},
                                         ChoiceCase{"DEF_TEXTURE_MAT", "color4v:4fv=1,0,0,1", TEXTURE},
                                         ChoiceCase{"DEF_TEXTURE_MAT", "", TEXTURE},
                                         ChoiceCase{"wall", "color4v:4fv=1,0,0,1", COLOUR},
                                         ChoiceCase{"wall", "color4v:2i=1,2", COLOUR},
                                         ChoiceCase{"wall", "", TEXTURE},
                                         ChoiceCase{"def_color_mat", "", TEXTURE},
                                         ChoiceCase{"DEF_COLOR_MAT ", "", TEXTURE}));

TEST(SoftwareShaderProgram, SetParamsReplacesTheOwnSet)
{
    MatSys::ShaderParams params;
    params.add("a:1i=1");
    MatSys::SW::SoftwareColorShaderProgram program(params);
    params.add("b:1i=2");
    EXPECT_EQ(program.getParams().find("b"), nullptr);
    MatSys::ShaderParams other;
    other.add("c:1i=3");
    EXPECT_TRUE(program.setParams(other));
    EXPECT_EQ(program.getParams().find("a"), nullptr);
    ASSERT_NE(program.getParams().find("c"), nullptr);
    EXPECT_TRUE(program.setParams(program.getParams()));
    EXPECT_NE(program.getParams().find("c"), nullptr);
}
} // namespace
