#include <gtest/gtest.h>

#include <string>

#include "GLDrawing.h"
#include "MatSys/Material.h"
#include "MatSys/MaterialSystemFacade.h"
#include "MatSys/SW/ShaderProgramMaker.h"
#include "QueueQuad.h"
#include "support/TempDir.h"

using Testing::Pixel;

namespace
{
// One materials configuration for both kinds of program: the GLSL program "flat" applies the colour
// parameter as a uniform, the fixed-function one sets it as the current colour.
const char* const MATERIALS = "wall_PROG == flat\n"
                              "wall_MAT_flat_PARAMS == color4v:4fv=1,0.5,0,1\n"
                              "red_PROG == flat\n"
                              "red_MAT_flat_PARAMS == color4v:4iv=255,0,0,255\n"
                              "flat_SHADERS == flat.VS flat.FS\n"
                              "flat.VS_CODE == \"void main() { gl_Position = gl_Vertex; }\"\n"
                              "flat.FS_CODE == \"uniform vec4 color4v;\n"
                              "void main() { gl_FragColor = color4v; }\"\n";

Pixel drawMaterial(MatSys::MaterialSystemFacade& facade, const Testing::GLContext& gl,
                   const std::string& name = "wall")
{
    EXPECT_TRUE(facade.addMaterial(name));
    MatSys::Material* wall = facade.getMaterial(name);
    if (wall == nullptr)
        return Pixel{0, 0, 0, 0};
    Testing::clearTo(0, 0, 1);
    Testing::QueueQuad().draw(wall);
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
        glsl = drawMaterial(facade, gl);
    }
    Pixel fixed{0, 0, 0, 0};
    {
        MatSys::MaterialSystemFacade facade(cfg, new MatSys::SW::ShaderProgramMaker());
        fixed = drawMaterial(facade, gl);
    }
    EXPECT_TRUE(glsl.near(Pixel{255, 128, 0, 255}, 1)) << glsl;
    EXPECT_EQ(glsl, fixed);
}

TEST(MaterialSystemFacade, FixedFunctionByteColourDrawsIt)
{
    NEED_GL();
    Testing::TempDir dir("facade");
    const std::string cfg = dir.write("materials.cfg", MATERIALS);
    Testing::GLContext gl(16, 16);
    MatSys::MaterialSystemFacade facade(cfg, new MatSys::SW::ShaderProgramMaker());
    EXPECT_EQ(drawMaterial(facade, gl, "red"), (Pixel{255, 0, 0, 255}));
}
} // namespace
