// The render controller on a real OpenGL context: view data against the matrices and viewport OpenGL
// holds, the camera, fog, abilities and the factories, screen copies, blits and pick rays.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

#include "ControllerFixture.h"
#include "Render/OGL/PixelBufferObject.h"
#include "Render/OGL/RenderBuffer.h"
#include "Render/OGL/VertexBufferObject.h"

namespace
{
using namespace OGLTest;

TEST_F(ControllerGL, PushSetPopRestoresViewDataMatricesAndViewport)
{
    controller.setCamera(camera({0, 0, 5}, {0, 0, -1}, {0, 1, 0}));
    const std::array<float, 16> projection3D = readMatrix(GL_PROJECTION_MATRIX);
    const Render::ViewData before = controller.getViewData();

    controller.pushViewData();
    controller.setViewData(view(-1.0f, 1.0f, 0.0f, 10, 20, 50, 40, false));
    EXPECT_EQ(readViewport(), (std::array<int, 4>{10, 20, 50, 40}));
    EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST));
    // Orthographic over the viewport's pixels: x 0..50 maps to -1..1.
    EXPECT_NEAR(readMatrix(GL_PROJECTION_MATRIX)[0], 2.0f / 50.0f, 1e-6f);

    controller.popViewData();
    const Render::ViewData& after = controller.getViewData();
    EXPECT_EQ(after.minZ, before.minZ);
    EXPECT_EQ(after.maxZ, before.maxZ);
    EXPECT_EQ(after.fov, before.fov);
    EXPECT_EQ(after.x, before.x);
    EXPECT_EQ(after.width, before.width);
    EXPECT_EQ(after.height, before.height);
    EXPECT_TRUE(after.is3D);
    expectMatrixNear(readMatrix(GL_PROJECTION_MATRIX), projection3D);
    EXPECT_EQ(readViewport(), (std::array<int, 4>{0, 0, W, H}));
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));

    // Nothing left to pop: nothing changes.
    glViewport(1, 2, 3, 4);
    controller.popViewData();
    EXPECT_EQ(readViewport(), (std::array<int, 4>{1, 2, 3, 4}));
    EXPECT_TRUE(controller.getViewData().is3D);
}

TEST_F(ControllerGL, KeepValuesLeaveFieldsAndOnlyAMovedViewportIsSetAgain)
{
    struct Case
    {
        const char* name;
        Render::ViewData given;
        std::array<int, 4> viewport; // after setting, starting from 1, 2, 3, 4
    };
    Render::ViewData onlyX;
    onlyX.x = 5;
    Render::ViewData onlyMinZ;
    onlyMinZ.minZ = 2.0f;
    Render::ViewData onlyHeight;
    onlyHeight.height = 30;
    const Case cases[] = {
        {"default record", Render::ViewData(), {1, 2, 3, 4}},
        {"only x", onlyX, {5, 0, W, H}},
        {"only near plane", onlyMinZ, {1, 2, 3, 4}},
        {"only height", onlyHeight, {0, 0, W, 30}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        controller.setViewData(view(1.0f, 100.0f, 60.0f, 0, 0, W, H, false));
        glViewport(1, 2, 3, 4);
        controller.setViewData(c.given);
        EXPECT_EQ(readViewport(), c.viewport);
        // The projection kind is always taken: a default record is a perspective view.
        EXPECT_TRUE(controller.getViewData().is3D);
        EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    }
}

TEST_F(ControllerGL, FlatViewWithoutANearPlaneUsesMinusOneAndKeepsTheStoredOne)
{
    controller.setViewData(view(0.5f, 1.0f, 60.0f, 0, 0, W, H, true));
    Render::ViewData flat = view(0.0f, 1.0f, 0.0f, 0, 0, W, H, false);
    controller.setViewData(flat);
    // glOrtho's depth row: -2 / (far - near) and -(far + near) / (far - near) with near -1, far 1.
    std::array<float, 16> m = readMatrix(GL_PROJECTION_MATRIX);
    EXPECT_NEAR(m[10], -1.0f, 1e-6f);
    EXPECT_NEAR(m[14], 0.0f, 1e-6f);
    EXPECT_EQ(controller.getViewData().minZ, 0.5f);
}

TEST_F(ControllerGL, APerspectiveViewOfNoHeightHasAFiniteSquareProjection)
{
    OGL::Controller flat(view(1.0f, 100.0f, 60.0f, 0, 0, W, 0, true));
    flat.setViewData(Render::ViewData());
    std::array<float, 16> m = readMatrix(GL_PROJECTION_MATRIX);
    for (float value : m)
        EXPECT_TRUE(std::isfinite(value));
    EXPECT_NEAR(m[0], m[5], 1e-6f);
    EXPECT_GT(m[5], 0.0f);
}

TEST_F(ControllerGL, CameraMatrixBringsTheEyeToTheOriginLookingDownMinusZ)
{
    struct Case
    {
        const char* name;
        MathStuff::Orientation<float> camera;
    };
    const Case cases[] = {
        {"backed off along z", camera({0, 0, 10}, {0, 0, -1}, {0, 1, 0})},
        {"moved and facing x", camera({3, 4, 5}, {1, 0, 0}, {0, 1, 0})},
        {"looking down", camera({-2, 7, 1}, {0, -1, 0}, {0, 0, -1})},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        controller.setCamera(c.camera);
        std::array<float, 16> m = readMatrix(GL_MODELVIEW_MATRIX);
        auto apply = [&m](const MathStuff::Vector3<float>& p)
        {
            return MathStuff::Vector3<float>(m[0] * p.x + m[4] * p.y + m[8] * p.z + m[12],
                                             m[1] * p.x + m[5] * p.y + m[9] * p.z + m[13],
                                             m[2] * p.x + m[6] * p.y + m[10] * p.z + m[14]);
        };
        const MathStuff::Vector3<float>& pos = c.camera.position;
        const MathStuff::Vector3<float>& dir = c.camera.direction;
        const MathStuff::Vector3<float>& up = c.camera.up;
        MathStuff::Vector3<float> eye = apply(pos);
        EXPECT_NEAR(eye.x, 0.0f, 1e-5f);
        EXPECT_NEAR(eye.y, 0.0f, 1e-5f);
        EXPECT_NEAR(eye.z, 0.0f, 1e-5f);
        MathStuff::Vector3<float> ahead = apply({pos.x + dir.x, pos.y + dir.y, pos.z + dir.z});
        EXPECT_NEAR(ahead.z, -1.0f, 1e-5f);
        MathStuff::Vector3<float> above = apply({pos.x + up.x, pos.y + up.y, pos.z + up.z});
        EXPECT_NEAR(above.y, 1.0f, 1e-5f);
    }
    controller.setCamera(camera({0, 0, 10}, {0, 0, -1}, {0, 1, 0}));
    expectMatrixNear(readMatrix(GL_MODELVIEW_MATRIX), {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, -10, 1});
}

TEST_F(ControllerGL, InAPerspectiveViewAPieceAtEqualDepthCoversTheOneBeforeAndOneBehindDoesNot)
{
    // A camera ten units up, looking down on the plane z 0 as the game's 3-D view does.
    controller.setCamera(camera({0, 0, 10}, {0, 0, -1}, {0, 1, 0}));
    glDisable(GL_CULL_FACE);
    auto square = [](float z, float r, float g, float b)
    {
        glColor3f(r, g, b);
        glBegin(GL_QUADS);
        glVertex3f(-1, -1, z);
        glVertex3f(1, -1, z);
        glVertex3f(1, 1, z);
        glVertex3f(-1, 1, z);
        glEnd();
    };
    struct Case
    {
        const char* name;
        float laterZ;
        Pixel seen;
    };
    // Just behind: a hundredth of a unit, many depth steps at this distance.
    const Case cases[] = {
        {"same plane", 0.0f, BLUE}, {"just behind", -0.01f, RED}, {"in front", 0.01f, BLUE}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        clearTo(0, 0, 0);
        square(0.0f, 1, 0, 0);
        square(c.laterZ, 0, 0, 1);
        EXPECT_EQ(readPixel(W / 2, H / 2), c.seen);
    }
}

TEST_F(ControllerGL, FogRunsBetweenPercentsOfTheFarPlane)
{
    controller.setViewData(view(1.0f, 200.0f, 60.0f, 0, 0, W, H, true));
    controller.setFogParams(25.0f, 75.0f, Util::RGBA{255, 0, 51, 255});
    float start = 0, end = 0, colour[4] = {};
    GLint mode = 0;
    glGetFloatv(GL_FOG_START, &start);
    glGetFloatv(GL_FOG_END, &end);
    glGetFloatv(GL_FOG_COLOR, colour);
    glGetIntegerv(GL_FOG_MODE, &mode);
    EXPECT_FLOAT_EQ(start, 50.0f);
    EXPECT_FLOAT_EQ(end, 150.0f);
    EXPECT_FLOAT_EQ(colour[0], 1.0f);
    EXPECT_FLOAT_EQ(colour[1], 0.0f);
    EXPECT_NEAR(colour[2], 0.2f, 1e-6f);
    EXPECT_EQ(mode, GL_LINEAR);
    controller.setFog(true);
    EXPECT_TRUE(glIsEnabled(GL_FOG));
    controller.setFog(false);
    EXPECT_FALSE(glIsEnabled(GL_FOG));
}

TEST_F(ControllerGL, AbilitiesOutOfRangeForcedAndPaired)
{
    EXPECT_EQ(controller.getAbility(-1), -1);
    EXPECT_EQ(controller.getAbility(12), -1);
    controller.setAbility(12, 5);
    controller.setAbility(-3, 5);
    EXPECT_EQ(controller.getAbility(12), -1);
    EXPECT_EQ(controller.getAbility(-3), -1);

    // Render to texture and framebuffer objects are one feature; the three size limits one query.
    EXPECT_EQ(controller.getAbility(Render::I_RenderAbilities::HAVE_RTT),
              controller.getAbility(Render::I_RenderAbilities::HAVE_FBOS));
    const int rtt = controller.getAbility(Render::I_RenderAbilities::MAX_RTT_SIZE);
    EXPECT_GT(rtt, 0);
    EXPECT_EQ(controller.getAbility(Render::I_RenderAbilities::MAX_FBO_SIZE), rtt);
    EXPECT_EQ(controller.getAbility(Render::I_RenderAbilities::MAX_PBO_SIZE), rtt);
    EXPECT_EQ(rtt, OGL::RenderBuffer::getMaxSize());
    EXPECT_GT(controller.getAbility(Render::I_RenderAbilities::MAX_TEXTURE_SIZE_2D), 0);
    EXPECT_GT(controller.getAbility(Render::I_RenderAbilities::MAX_TEXTURE_SIZE_3D), 0);

    // A forced value is what the controller reports; the factories still ask the driver.
    ASSERT_EQ(controller.getAbility(Render::I_RenderAbilities::HAVE_VBOS), 1);
    controller.setAbility(Render::I_RenderAbilities::HAVE_VBOS, 0);
    EXPECT_EQ(controller.getAbility(Render::I_RenderAbilities::HAVE_VBOS), 0);
    std::unique_ptr<Render::I_VertexArray> array(controller.createVertexArray(64, true));
    EXPECT_NE(dynamic_cast<OGL::VertexBufferObject*>(array.get()), nullptr);
    controller.setAbility(Render::I_RenderAbilities::MAX_TEXTURE_SIZE_2D, 7);
    EXPECT_EQ(controller.getAbility(Render::I_RenderAbilities::MAX_TEXTURE_SIZE_2D), 7);
}

TEST_F(ControllerGL, VertexArrayFactorySizes)
{
    struct Case
    {
        int bytes;
        bool made;
    };
    const Case cases[] = {{64, true}, {1, true}, {0, true}, {-1, false}, {-80, false}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.bytes);
        std::unique_ptr<Render::I_VertexArray> array(controller.createVertexArray(c.bytes, false));
        ASSERT_EQ(array != nullptr, c.made);
        if (array)
        {
            EXPECT_EQ(array->getBufferSize(), c.bytes);
        }
    }
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(ControllerGL, BufferObjectDataComesBackAndStrayRangesMoveNothing)
{
    const bool writeOnly[] = {true, false};
    for (bool w : writeOnly)
    {
        std::unique_ptr<Render::I_VertexArray> array(controller.createVertexArray(32, w));
        ASSERT_NE(dynamic_cast<OGL::VertexBufferObject*>(array.get()), nullptr);
        std::vector<unsigned char> in(32);
        for (int i = 0; i < 32; ++i)
            in[i] = static_cast<unsigned char>(i * 7 + 1);
        array->beginUsing();
        array->putData(in.data(), 32, 0);
        std::vector<unsigned char> junk(64, 0xEE);
        array->putData(junk.data(), 33, 0);
        array->putData(junk.data(), 8, 28);
        array->putData(junk.data(), 8, -4);
        std::vector<unsigned char> out(32, 0);
        array->getData(out.data(), 32, 0);
        std::vector<unsigned char> stray(8, 0x55);
        array->getData(stray.data(), 8, 30);
        array->endUsing();
        EXPECT_EQ(out, in);
        EXPECT_EQ(stray, std::vector<unsigned char>(8, 0x55));
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    }
}

TEST_F(ControllerGL, TexturedQuadsHoldTheirRecordsByteForByte)
{
    Render::TexturedQuad quad;
    Render::TexturedQuadZTx quadZTx;
    for (int v = 0; v < 4; ++v)
    {
        for (int i = 0; i < 5; ++i)
            quad.v[v][i] = static_cast<float>(v * 10 + i);
        for (int i = 0; i < 6; ++i)
            quadZTx.v[v][i] = static_cast<float>(v * 100 + i);
    }
    std::unique_ptr<Render::I_VertexArray> a(controller.createTexturedQuadVA(quad, false));
    std::unique_ptr<Render::I_VertexArray> b(controller.createTexturedQuadVA(quadZTx, false));
    ASSERT_TRUE(a && b);
    EXPECT_EQ(a->getBufferSize(), 80);
    EXPECT_EQ(b->getBufferSize(), 96);
    Render::TexturedQuad backA = {};
    Render::TexturedQuadZTx backB = {};
    a->beginUsing();
    a->getData(&backA, 80, 0);
    GLint strideA = 0;
    glGetIntegerv(GL_TEXTURE_COORD_ARRAY_SIZE, &strideA);
    a->endUsing();
    b->beginUsing();
    b->getData(&backB, 96, 0);
    GLint stride = 0, texSize = 0;
    glGetIntegerv(GL_VERTEX_ARRAY_STRIDE, &stride);
    glGetIntegerv(GL_TEXTURE_COORD_ARRAY_SIZE, &texSize);
    b->endUsing();
    EXPECT_EQ(std::memcmp(&backA, &quad, 80), 0);
    EXPECT_EQ(std::memcmp(&backB, &quadZTx, 96), 0);
    EXPECT_EQ(strideA, 2);
    EXPECT_EQ(stride, 24);
    EXPECT_EQ(texSize, 3);
}
} // namespace
