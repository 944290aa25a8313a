#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "Render/OpenGL.h"

#include "MatSys/Material.h"
#include "MatSys/MaterialMaker.h"
#include "MatSys/SW/ShaderProgramMaker.h"
#include "MatSys/ShaderProgramStore.h"
#include "MatSys/TextureMaker.h"
#include "MatSys/TextureStore.h"
#include "Render/OGL/RenderQueue.h"
#include "Render/OGL/VertexArray.h"
#include "maths/Orientation.h"
#include "models/Mesh.h"
#include "TextureFiles.h"
#include "support/GLContext.h"
#include "support/TempDir.h"

namespace
{
using Testing::Pixel;
using V3 = MathStuff::Vector3<float>;

// A unit square of two triangles, each vertex u, v, x, y, z.
void fillTexturedSquare(Render::I_VertexArray& array)
{
    array.defineTextureInfo(2, Render::I_VertexArray::FLOAT);
    array.defineVertexInfo(3, Render::I_VertexArray::FLOAT);
    const float v[6][5] = {{0, 0, 0, 0, 0}, {1, 0, 1, 0, 0}, {1, 1, 1, 1, 0},
                           {0, 0, 0, 0, 0}, {1, 1, 1, 1, 0}, {0, 1, 0, 1, 0}};
    array.beginUsing();
    array.putData(v, sizeof v, 0);
    array.endUsing();
}

// Materials from a materials configuration, their textures loaded through the store from beside it.
class TextureMaterial : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!Testing::GLContext::available())
            GTEST_SKIP() << "no X server (DISPLAY is unset)";
        gl.reset(new Testing::GLContext(WIDTH, HEIGHT));
        gl->usePixelView();

        dir.write("odd.NCMP.NEAR.NMIP.tga", TextureFiles::tga(5, 3, 24, TextureFiles::oddImage()));
        config = dir.write("materials.cfg", "WALL_PROG == DEF_TEXTURE_MAT\n"
                                            "WALL_MAT_TEXTURES == 0:odd.NCMP.NEAR.NMIP.tga\n"
                                            "NOWHERE_PROG == DEF_TEXTURE_MAT\n"
                                            "NOWHERE_MAT_TEXTURES == -1:odd.NCMP.NEAR.NMIP.tga\n");
        textureMaker.reset(new MatSys::OGL::TextureMaker(dir.dir()));
        textures.reset(new MatSys::TextureStore(textureMaker.get()));
        programs.reset(new MatSys::ShaderProgramStore(&programMaker));
        materials.reset(new MatSys::MaterialMaker(programs.get(), textures.get(), dir.dir()));
    }
    void TearDown() override
    {
        textures.reset();
        gl.reset();
    }

    std::unique_ptr<MatSys::Material> material(const std::string& name)
    {
        return std::unique_ptr<MatSys::Material>(materials->create(name, nullptr, config));
    }

    static const int WIDTH = 64, HEIGHT = 64, CELL = TextureFiles::CELL;
    std::unique_ptr<Testing::GLContext> gl;
    Testing::TempDir dir{"orvik-texture-material"};
    std::string config;
    MatSys::SW::ShaderProgramMaker programMaker;
    std::unique_ptr<MatSys::OGL::TextureMaker> textureMaker;
    std::unique_ptr<MatSys::TextureStore> textures;
    std::unique_ptr<MatSys::ShaderProgramStore> programs;
    std::unique_ptr<MatSys::MaterialMaker> materials;
};

TEST_F(TextureMaterial, DrawnThroughTheRenderQueueItShowsItsTexelsExactly)
{
    std::unique_ptr<MatSys::Material> wall = material("WALL");
    ASSERT_NE(nullptr, wall);
    ASSERT_EQ(1u, wall->getTextures().size());
    EXPECT_EQ(textures->get("odd.NCMP.NEAR.NMIP.tga", false), wall->getTextures()[0].second);

    OGL::VertexArray array(6 * 5 * sizeof(float));
    fillTexturedSquare(array);
    const ModelSys::Mesh square(&array, 0, 6, nullptr);
    // The square stretched over 5 × 3 cells: one texel a cell.
    const MathStuff::Orientation<float> placement(V3(0, 0, 0), V3(0, 0, 1), V3(0, 1, 0),
                                                  V3(5 * CELL, 3 * CELL, 1));
    glColor4ub(255, 255, 255, 255);
    Render::OGL::RenderQueue queue;
    queue.add(placement, &square, wall.get());

    const std::vector<Pixel> image = TextureFiles::oddImage();
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(image[y * 5 + x], gl->readPixel(x * CELL + CELL / 2, y * CELL + CELL / 2))
                << "texel " << x << "," << y;
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
}

TEST_F(TextureMaterial, ItemOnUnitMinusOneBindsNothing)
{
    std::unique_ptr<MatSys::Material> nowhere = material("NOWHERE");
    ASSERT_NE(nullptr, nowhere);
    // Making a texture leaves it bound where it was made.
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, 0);
    glColor4ub(255, 255, 255, 255);
    nowhere->beginUsing();
    GLint active = 0, bound = -1;
    glGetIntegerv(GL_ACTIVE_TEXTURE, &active);
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(GL_TEXTURE0, active);
    EXPECT_EQ(0, bound);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    TextureFiles::drawTexelQuad(5, 3);
    nowhere->endUsing();
    EXPECT_EQ(static_cast<GLenum>(GL_NO_ERROR), glGetError());
    // Untextured, the quad takes the current colour.
    EXPECT_EQ((Pixel{255, 255, 255, 255}), gl->readPixel(CELL / 2, CELL / 2));
}
} // namespace
