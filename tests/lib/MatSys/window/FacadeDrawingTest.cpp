#include <gtest/gtest.h>

#include <string>

#include "GLDrawing.h"
#include "MatSys/Material.h"
#include "MatSys/MaterialSystemFacade.h"
#include "MatSys/SW/ShaderProgramMaker.h"
#include "support/TempDir.h"

using Testing::Pixel;

namespace
{
// One materials configuration for both kinds of program: the GLSL program "flat" applies the colour
// parameter as a uniform, the fixed-function one sets it as the current colour.
const char* const MATERIALS = "wall_PROG == flat\n"
                              "wall_MAT_flat_PARAMS == color4v:4fv=1,0.5,0,1\n"
                              "flat_SHADERS == flat.VS flat.FS\n"
                              "flat.VS_CODE == \"void main() { gl_Position = gl_Vertex; }\"\n"
                              "flat.FS_CODE == \"uniform vec4 color4v;\n"
                              "void main() { gl_FragColor = color4v; }\"\n";

Pixel drawWall(MatSys::MaterialSystemFacade& facade, const Testing::GLContext& gl)
{
    EXPECT_TRUE(facade.addMaterial("wall"));
    MatSys::Material* wall = facade.getMaterial("wall");
    if (wall == nullptr)
        return Pixel{0, 0, 0, 0};
    Testing::clearTo(0, 0, 1);
    wall->beginUsing();
    Testing::drawFullQuad();
    wall->endUsing();
    return Testing::opaque(gl.readPixel(8, 8));
}

TEST(MaterialSystemFacade, GLSLAndFixedFunctionDrawTheSameFlatColour)
{
    NEED_GL();
    Testing::TempDir dir("facade");
    const std::string cfg = dir.write("materials.cfg", MATERIALS);
    Testing::GLContext gl(16, 16);
    Pixel glsl{0, 0, 0, 0};
    {
        MatSys::MaterialSystemFacade facade(cfg, nullptr);
        glsl = drawWall(facade, gl);
    }
    Pixel fixed{0, 0, 0, 0};
    {
        MatSys::MaterialSystemFacade facade(cfg, new MatSys::SW::ShaderProgramMaker());
        fixed = drawWall(facade, gl);
    }
    EXPECT_TRUE(glsl.near(Pixel{255, 128, 0, 255}, 1)) << glsl;
    EXPECT_EQ(glsl, fixed);
}
} // namespace
