#include <gtest/gtest.h>

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "GLDrawing.h"
#include "MatSys/Material.h"
#include "MatSys/ShaderMaker.h"
#include "MatSys/ShaderParams.h"
#include "MatSys/ShaderProgram.h"
#include "MatSys/ShaderProgramMaker.h"
#include "MatSys/ShaderProgramStore.h"
#include "MatSys/ShaderStore.h"
#include "QueueQuad.h"
#include "support/TempDir.h"

using Testing::Pixel;

namespace
{
const Pixel RED{255, 0, 0, 255};
const Pixel GREEN{0, 255, 0, 255};
const Pixel BLUE{0, 0, 255, 255};

const char* const PASS_VS = "void main() { gl_Position = gl_Vertex; gl_TexCoord[0] = gl_MultiTexCoord0; }\n";
const char* const COLOUR_FS = "uniform vec4 colour;\nvoid main() { gl_FragColor = colour; }\n";

MatSys::ShaderParams paramsOf(const std::vector<std::string>& lines)
{
    MatSys::ShaderParams params;
    params.add(lines);
    return params;
}

// The GLSL makers and stores over a temporary load directory, with a context to draw in.
class GLSLFixture : public testing::Test
{
protected:
    void SetUp() override
    {
        if (!Testing::GLContext::available())
            GTEST_SKIP() << "no X server (DISPLAY is unset)";
        gl.reset(new Testing::GLContext(16, 16));
        dir.reset(new Testing::TempDir("glsl"));
        shaderMaker.reset(new MatSys::OGL::ShaderMaker(dir->dir()));
        shaders.reset(new MatSys::ShaderStore(shaderMaker.get()));
        programMaker.reset(new MatSys::OGL::ShaderProgramMaker(shaders.get(), dir->dir()));
        programs.reset(new MatSys::ShaderProgramStore(programMaker.get()));
        quad.reset(new Testing::QueueQuad());
    }

    void TearDown() override
    {
        // Objects of the context go before it.
        quad.reset();
        programs.reset();
        shaders.reset();
    }

    std::string write(const std::string& name, const std::string& text) { return dir->write(name, text); }

    // The colour a square drawn through the render queue with a material of the program and params has
    // over a black screen. The answer of the program is asked for before, by using it once on its own.
    Pixel draw(MatSys::I_ShaderProgram* program, const MatSys::ShaderParams* params, bool* answer = nullptr)
    {
        if (answer != nullptr)
        {
            *answer = program->beginUsing(params);
            program->endUsing();
        }
        Testing::clearTo(0, 0, 0);
        MatSys::Material material(program, params);
        quad->draw(&material);
        return Testing::opaque(gl->readPixel(8, 8));
    }

    std::unique_ptr<Testing::GLContext> gl;
    std::unique_ptr<Testing::TempDir> dir;
    std::unique_ptr<MatSys::OGL::ShaderMaker> shaderMaker;
    std::unique_ptr<MatSys::ShaderStore> shaders;
    std::unique_ptr<MatSys::OGL::ShaderProgramMaker> programMaker;
    std::unique_ptr<MatSys::ShaderProgramStore> programs;
    std::unique_ptr<Testing::QueueQuad> quad;
};

TEST_F(GLSLFixture, ProgramFromADefinitionWithCodeAndAGlslFileDrawsItsColour)
{
    write("paint.FS.glsl", COLOUR_FS);
    const std::string cfg = write("materials.cfg", std::string("flat_SHADERS == pass.VS  paint.FS.glsl\n") +
                                                       "pass.VS_CODE == \"" + PASS_VS + "\"\n" +
                                                       "flat_PARAMS == \"colour:4f=0,1,0,1\"\n");
    MatSys::I_ShaderProgram* program = programs->add("flat", MatSys::ShaderParams(), cfg);
    ASSERT_NE(program, nullptr);
    EXPECT_NE(program->getID(), 0u);
    EXPECT_TRUE(shaders->exists("pass.VS"));
    EXPECT_TRUE(shaders->exists("paint.FS.glsl"));
    EXPECT_EQ(draw(program, nullptr), GREEN);
}

TEST_F(GLSLFixture, ProgramFromAPrgFileDrawsItsColour)
{
    write("sky.prg", std::string("sky_SHADERS == \"pass.VS\n  paint.FS\"\n") + "pass.VS_CODE == \"" +
                         PASS_VS + "\"\n" + "paint.FS_CODE == \"" + COLOUR_FS + "\"\n" +
                         "sky_PARAMS == \"colour:4f=0,0,1,1\"\n");
    MatSys::I_ShaderProgram* program = programs->get("sky.prg", true);
    ASSERT_NE(program, nullptr);
    EXPECT_EQ(draw(program, nullptr), BLUE);
}

TEST_F(GLSLFixture, DefinitionParametersWinOverGivenOnes)
{
    const std::string cfg =
        write("p.cfg", std::string("p_SHADERS == v.VS f.FS\nv.VS_CODE == \"") + PASS_VS +
                           "\"\nf.FS_CODE == \"" + COLOUR_FS + "\"\np_PARAMS == colour:4f=1,0,0,1\n");
    MatSys::ShaderParams given = paramsOf({"colour:4f=0,1,0,1", "other:1f=2"});
    MatSys::I_ShaderProgram* program = programs->add("p", given, cfg);
    ASSERT_NE(program, nullptr);
    EXPECT_EQ(program->getParams().find("colour")->values.f[0], 1.0f);
    EXPECT_NE(program->getParams().find("other"), nullptr);
}

TEST_F(GLSLFixture, UnknownParameterBeforeTheColourDoesNotStopIt)
{
    const std::string cfg = write("p.cfg", std::string("p_SHADERS == v.VS f.FS\nv.VS_CODE == \"") + PASS_VS +
                                               "\"\nf.FS_CODE == \"" + COLOUR_FS + "\"\n");
    MatSys::I_ShaderProgram* program = programs->add("p", MatSys::ShaderParams(), cfg);
    ASSERT_NE(program, nullptr);
    struct
    {
        const char* what;
        std::vector<std::string> lines;
    } cases[] = {{"unknown name", {"aaa:4f=0,1,0,1", "colour:4f=1,0,0,1"}},
                 {"unknown type", {"colour:4f=1,0,0,1", "colour2:9x=1"}},
                 {"built-in uniform", {"gl_ModelViewMatrix:1f=1", "colour:4f=1,0,0,1"}}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        MatSys::ShaderParams params = paramsOf(c.lines);
        bool answer = true;
        EXPECT_EQ(draw(program, &params, &answer), RED);
        EXPECT_FALSE(answer);
    }
    // A known uniform with a type no uniform call takes is skipped too: it keeps the value sent last.
    MatSys::ShaderParams params = paramsOf({"colour:4q=0,1,0,1"});
    bool answer = true;
    EXPECT_EQ(draw(program, &params, &answer), RED);
    EXPECT_FALSE(answer);
}

TEST_F(GLSLFixture, OwnParametersAreSentOnlyWhenTheyMayDiffer)
{
    const std::string cfg =
        write("p.cfg", std::string("p_SHADERS == v.VS f.FS\nv.VS_CODE == \"") + PASS_VS +
                           "\"\nf.FS_CODE == \"" + COLOUR_FS + "\"\np_PARAMS == colour:4f=0,1,0,1\n");
    MatSys::I_ShaderProgram* program = programs->add("p", MatSys::ShaderParams(), cfg);
    ASSERT_NE(program, nullptr);
    EXPECT_EQ(draw(program, nullptr), GREEN);
    MatSys::ShaderParams red = paramsOf({"colour:4f=1,0,0,1"});
    EXPECT_EQ(draw(program, &red), RED);
    EXPECT_EQ(draw(program, nullptr), GREEN);

    // Nothing is sent now: a value set behind the program's back stays.
    program->beginUsing(nullptr);
    glUniform4f(glGetUniformLocation(program->getID(), "colour"), 0, 0, 1, 1);
    program->endUsing();
    EXPECT_EQ(draw(program, nullptr), BLUE);

    EXPECT_TRUE(program->setParams(red));
    EXPECT_EQ(draw(program, nullptr), RED);
    EXPECT_EQ(program->getParams().find("colour")->values.f[0], 1.0f);
}

TEST_F(GLSLFixture, UniformArrayIsFoundByItsPlainName)
{
    const std::string cfg = write(
        "p.cfg",
        std::string("p_SHADERS == v.VS f.FS\nv.VS_CODE == \"") + PASS_VS +
            "\"\nf.FS_CODE == \"uniform vec4 parts[2]; void main() { gl_FragColor = parts[0] + parts[1]; }\""
            "\np_PARAMS == parts:4fv=1,0,0,1, 0,0,1,0\n");
    MatSys::I_ShaderProgram* program = programs->add("p", MatSys::ShaderParams(), cfg);
    ASSERT_NE(program, nullptr);
    bool answer = false;
    EXPECT_EQ(draw(program, nullptr, &answer), (Pixel{255, 0, 255, 255}));
    EXPECT_TRUE(answer);
}

TEST_F(GLSLFixture, SamplerParameterPicksTheTextureUnit)
{
    const std::string cfg =
        write("p.cfg", std::string("p_SHADERS == v.VS f.FS\nv.VS_CODE == \"") + PASS_VS +
                           "\"\nf.FS_CODE == \"uniform sampler2D image; void main() { gl_FragColor = "
                           "texture2D(image, gl_TexCoord[0].st); }\"\n");
    MatSys::I_ShaderProgram* program = programs->add("p", MatSys::ShaderParams(), cfg);
    ASSERT_NE(program, nullptr);
    const unsigned char texels[2][4] = {{255, 0, 0, 255}, {0, 255, 0, 255}};
    GLuint names[2] = {0, 0};
    glGenTextures(2, names);
    for (int unit = 0; unit < 2; ++unit)
    {
        glActiveTexture(GL_TEXTURE0 + unit);
        glBindTexture(GL_TEXTURE_2D, names[unit]);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels[unit]);
    }
    glActiveTexture(GL_TEXTURE0);
    MatSys::ShaderParams second = paramsOf({"image:sampler2D=1"});
    MatSys::ShaderParams first = paramsOf({"image:sampler2D=0"});
    EXPECT_EQ(draw(program, &second), GREEN);
    EXPECT_EQ(draw(program, &first), RED);
    glDeleteTextures(2, names);
}

TEST_F(GLSLFixture, ProgramIsLinkedFromTheShadersThatCanBeMade)
{
    const std::string cfg =
        write("p.cfg", std::string("p_SHADERS == v.VS missing.FS f.FS nameless\n") + "v.VS_CODE == \"" +
                           PASS_VS + "\"\nf.FS_CODE == \"" + COLOUR_FS +
                           "\"\np_PARAMS == colour:4f=1,0,0,1\n"
                           "q_SHADERS == none.VS\n");
    MatSys::I_ShaderProgram* program = programs->add("p", MatSys::ShaderParams(), cfg);
    ASSERT_NE(program, nullptr);
    EXPECT_EQ(draw(program, nullptr), RED);
    EXPECT_EQ(programs->add("q", MatSys::ShaderParams(), cfg), nullptr);
    EXPECT_FALSE(programs->exists("q"));
}

TEST_F(GLSLFixture, ShaderThatDoesNotCompileOrProgramThatDoesNotLinkIsNull)
{
    const std::string cfg =
        write("p.cfg", std::string("bad_SHADERS == v.VS broken.FS\n") + "v.VS_CODE == \"" + PASS_VS +
                           "\"\nbroken.FS_CODE == \"void main() { oops }\"\n" +
                           "unlinked_SHADERS == v.VS lonely.FS\n" +
                           "lonely.FS_CODE == \"vec4 f(); void main() { gl_FragColor = f(); }\"\n");
    EXPECT_EQ(shaders->add("broken.FS", cfg), nullptr);
    EXPECT_NE(shaders->add("lonely.FS", cfg), nullptr);
    // The broken shader is left out, so the program links from the vertex shader alone.
    EXPECT_NE(programs->add("bad", MatSys::ShaderParams(), cfg), nullptr);
    EXPECT_EQ(programs->add("unlinked", MatSys::ShaderParams(), cfg), nullptr);
    EXPECT_FALSE(programs->exists("unlinked"));
}

TEST_F(GLSLFixture, ShaderNamesDecideTypeAndFile)
{
    write("lamp.VS.glsl", PASS_VS);
    write("lamp.glsl", PASS_VS);
    write("empty.FS.glsl", "");
    write("def.shader", std::string("def.FS_CODE == \"") + COLOUR_FS + "\"\n");
    write("shared.shader", std::string("CODE == \"") + COLOUR_FS + "\"\n");
    write("nothing.FS.shader", "OTHER == 1\n");
    struct
    {
        const char* name;
        bool made;
    } cases[] = {{"lamp.VS.glsl", true},     {"lamp.glsl", false},         {"empty.FS.glsl", false},
                 {"missing.FS.glsl", false}, {"def.FS.shader", false},     {"def.shader", false},
                 {"shared.FS", false},       {"nothing.FS.shader", false}, {"plain.VS", false}};
    for (const auto& c : cases)
        EXPECT_EQ(shaders->get(c.name, true) != nullptr, c.made) << c.name;

    // A shader definition file names its shader by the stem, which must carry the type.
    write("tint.FS.shader", std::string("tint.FS_CODE == \"") + COLOUR_FS + "\"\n");
    write("frag.glsl", COLOUR_FS);
    write("any.FS.shader", std::string("FILES == \"  frag.glsl\"\n"));
    EXPECT_NE(shaders->get("tint.FS.shader", true), nullptr);
    EXPECT_NE(shaders->get("any.FS.shader", true), nullptr);
    std::vector<std::string> types;
    shaders->getTypeStrings(types);
    EXPECT_EQ(types, (std::vector<std::string>{".VS", ".FS"}));
    EXPECT_EQ(shaderMaker->nameToType("x.VS"), int(GL_VERTEX_SHADER));
    EXPECT_EQ(shaderMaker->nameToType("x.vs"), 0);
}

TEST_F(GLSLFixture, ShaderFromSourcesAtTheBoundCompilesAndOneByteMoreIsNotMade)
{
    // The colour shader, then a file of comment lines that fills the rest of the bound, then one byte
    // more; the same file named in a definition reaches the same end.
    const std::size_t rest = MatSys::OGL::ShaderMaker::MAX_SOURCE_BYTES - std::string(COLOUR_FS).size();
    for (std::size_t bytes : {rest, rest + 1})
    {
        SCOPED_TRACE(bytes);
        std::string comments;
        while (comments.size() + 64 <= bytes)
            comments += "//" + std::string(61, '-') + "\n";
        comments += std::string(bytes - comments.size() - 1, '/') + "\n";
        write("long.glsl", comments);
        std::unique_ptr<MatSys::I_Shader> shader(shaderMaker->create("long.FS", COLOUR_FS, {"long.glsl"}));
        EXPECT_EQ(shader != nullptr, bytes == rest);
        if (shader)
        {
            EXPECT_NE(shader->getID(), 0u);
        }
    }
}

TEST_F(GLSLFixture, SharedCodeAndFilesServeEveryShaderWithoutItsOwnKeys)
{
    write("more.glsl", "void main() { gl_FragColor = colour; }\n");
    const std::string cfg = write("s.cfg", "CODE == \"uniform vec4 colour;\"\nFILES == more.glsl\n"
                                           "own.FS_CODE == \"void main() { gl_FragColor = vec4(1.0); }\"\n");
    MatSys::I_Shader* first = shaders->add("a.FS", cfg);
    MatSys::I_Shader* second = shaders->add("b.FS", cfg);
    EXPECT_NE(first, nullptr);
    EXPECT_NE(second, nullptr);
    EXPECT_NE(shaders->add("own.FS", cfg), nullptr);
}

TEST_F(GLSLFixture, ProgramByNameIsOneShaderOfThatName)
{
    write("solo.FS.glsl", "void main() { gl_FragColor = vec4(0.0, 1.0, 0.0, 1.0); }\n");
    MatSys::I_ShaderProgram* program = programs->get("solo.FS.glsl", true);
    ASSERT_NE(program, nullptr);
    EXPECT_TRUE(shaders->exists("solo.FS.glsl"));
    EXPECT_EQ(draw(program, nullptr), GREEN);
    EXPECT_EQ(programs->get("nothing", true), nullptr);
}

TEST_F(GLSLFixture, ProgramNeverLinkedDoesNothing)
{
    MatSys::OGL::ShaderProgram program;
    EXPECT_EQ(program.getID(), 0u);
    glUseProgram(0);
    EXPECT_FALSE(program.beginUsing(nullptr));
    GLint current = -1;
    glGetIntegerv(GL_CURRENT_PROGRAM, &current);
    EXPECT_EQ(current, 0);
    EXPECT_TRUE(program.getParams().getIterator()->isDone());
}
} // namespace
