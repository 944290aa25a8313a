// The first pictures end to end: a model tree over a square in a buffer object, drawn through the
// render queue with a flat-colour fixed-function material made from a materials configuration, in a
// flat view and in a perspective view.
#include <gtest/gtest.h>

#include <memory>

#include "ControllerFixture.h"
#include "Game/RenderHelper.h"
#include "MatSys/MaterialMaker.h"
#include "MatSys/MaterialStore.h"
#include "MatSys/SW/ShaderProgramMaker.h"
#include "MatSys/ShaderProgramStore.h"
#include "Render/OGL/VertexBufferObject.h"
#include "models/CompositeModel.h"
#include "models/Mesh.h"
#include "models/ModelPart.h"
#include "support/TempDir.h"

namespace
{
using namespace OGLTest;

using V3 = MathStuff::Vector3<float>;

class FirstPictures : public ControllerGL
{
protected:
    FirstPictures()
        : dir("firstpictures"), programs(&programMaker), maker(&programs, nullptr, dir.dir()),
          materials(&maker)
    {
    }

    void SetUp() override
    {
        ControllerGL::SetUp();
        if (IsSkipped())
            return;
        // The unit square as two counter-clockwise triangles.
        const float corners[6][3] = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 0, 0}, {1, 1, 0}, {0, 1, 0}};
        array.reset(controller.createVertexArray(sizeof corners, true));
        ASSERT_NE(dynamic_cast<OGL::VertexBufferObject*>(array.get()), nullptr);
        array->defineVertexInfo(3, Render::I_VertexArray::FLOAT);
        array->beginUsing();
        array->putData(corners, sizeof corners, 0);
        array->endUsing();
        mesh.reset(new ModelSys::Mesh(array.get(), 0, 6, nullptr));
        tree.reset(new ModelSys::CompositeModel("square"));
        tree->addPart(new ModelSys::ModelPart("face", mesh.get(), V3(0, 0, 0), nullptr));
    }

    MatSys::Material* material(const std::string& line)
    {
        const std::string cfg =
            dir.write("materials.cfg",
                      "SQUARE_PROG == DEF_COLOR_MAT\nSQUARE_MAT_DEF_COLOR_MAT_PARAMS == " + line + "\n");
        return materials.add("SQUARE", nullptr, cfg);
    }

    Testing::TempDir dir;
    MatSys::SW::ShaderProgramMaker programMaker;
    MatSys::ShaderProgramStore programs;
    MatSys::MaterialMaker maker;
    MatSys::MaterialStore materials;
    std::unique_ptr<Render::I_VertexArray> array;
    std::unique_ptr<ModelSys::Mesh> mesh;
    std::unique_ptr<ModelSys::CompositeModel> tree;
};

TEST_F(FirstPictures, FlatViewDrawsTheSquareInTheMaterialsColour)
{
    MatSys::Material* red = material("color4v:4iv=255,0,0,255");
    ASSERT_NE(red, nullptr);
    GameHelper::RenderHelper(&controller).set2D(W, H, false);
    clearTo(0, 0, 1);
    // Scale 20 in pixels: the square covers x 40 to 60 and y 30 to 50.
    tree->display(controller.getRenderQueue(),
                  MathStuff::Orientation<float>(V3(40, 30, 0), V3(0, 0, 1), V3(0, 1, 0), V3(20, 20, 1)), red);
    EXPECT_EQ(readPixel(41, 31), RED);
    EXPECT_EQ(readPixel(58, 48), RED);
    EXPECT_EQ(readPixel(38, 40), BLUE);
    EXPECT_EQ(readPixel(50, 52), BLUE);
    EXPECT_EQ(readPixel(62, 40), BLUE);
}

TEST_F(FirstPictures, PerspectiveViewDrawsItWhereItIsProjected)
{
    MatSys::Material* green = material("color4v:4fv=0,1,0,1");
    ASSERT_NE(green, nullptr);
    controller.setViewData(view(1.0f, 100.0f, 60.0f, 0, 0, W, H, true));
    controller.setCamera(camera({0.5f, 0.5f, 4}, {0, 0, -1}, {0, 1, 0}));
    clearTo(0, 0, 1);
    const MathStuff::Orientation<float> placement(V3(0, 0, 0), V3(0, 0, 1), V3(0, 1, 0), V3(1, 1, 1));
    tree->display(controller.getRenderQueue(), placement, green);

    V3 inside = controller.projectPoint(V3(0.5f, 0.5f, 0));
    V3 nearCorner = controller.projectPoint(V3(0.9f, 0.9f, 0));
    V3 outside = controller.projectPoint(V3(1.3f, 0.5f, 0));
    EXPECT_EQ(readPixel(static_cast<int>(inside.x), static_cast<int>(inside.y)), GREEN);
    EXPECT_EQ(readPixel(static_cast<int>(nearCorner.x), static_cast<int>(nearCorner.y)), GREEN);
    EXPECT_EQ(readPixel(static_cast<int>(outside.x), static_cast<int>(outside.y)), BLUE);
}
} // namespace
