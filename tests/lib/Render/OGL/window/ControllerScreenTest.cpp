// What the controller draws and copies: render buffers, pixel buffers, screen copies, blits, raw
// array draws and pick rays, all checked in pixels read back from OpenGL.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "ControllerFixture.h"
#include "Render/OGL/RenderBuffer.h"

namespace
{
using namespace OGLTest;

void fillRect(int x, int y, int w, int h, float r, float g, float b)
{
    glEnable(GL_SCISSOR_TEST);
    glScissor(x, y, w, h);
    glClearColor(r, g, b, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glDisable(GL_SCISSOR_TEST);
}

TEST_F(ControllerGL, RenderBufferIsDrawnIntoAndReadBack)
{
    clearTo(0, 0, 0);
    std::unique_ptr<Render::I_RenderBuffer> rb(
        controller.createRenderBuffer(32, 16, Render::I_RenderBuffer::RBUF_RGBA, 0));
    ASSERT_NE(rb, nullptr);
    EXPECT_NE(rb->getID(), 0u);
    rb->beginUsing();
    glViewport(0, 0, 32, 16);
    clearTo(0, 1, 0);
    EXPECT_EQ(readPixel(31, 15), GREEN);
    rb->endUsing();
    // The window itself was not drawn on.
    EXPECT_EQ(readPixel(31, 15), BLACK);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(ControllerGL, RenderBufferOnATextureFillsTheTexture)
{
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, 16, 16, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glBindTexture(GL_TEXTURE_2D, 0);
    {
        std::unique_ptr<Render::I_RenderBuffer> rb(
            controller.createRenderBuffer(16, 16, Render::I_RenderBuffer::RBUF_DEPTH_TEX, texture));
        ASSERT_NE(rb, nullptr);
        rb->beginUsing();
        glViewport(0, 0, 16, 16);
        clearTo(1, 0, 0);
        rb->endUsing();
    }
    std::vector<unsigned char> texels(16 * 16 * 4, 0);
    glBindTexture(GL_TEXTURE_2D, texture);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
    glBindTexture(GL_TEXTURE_2D, 0);
    glDeleteTextures(1, &texture);
    EXPECT_EQ(texels[0], 255);
    EXPECT_EQ(texels[texels.size() - 3], 0);
}

TEST_F(ControllerGL, RenderBuffersThatCannotBeMadeAreNull)
{
    struct Case
    {
        const char* name;
        int width;
        int height;
        int type;
    };
    const int tooBig = OGL::RenderBuffer::getMaxSize() + 1;
    const Case cases[] = {
        {"kind 0", 8, 8, 0},           {"kind 10", 8, 8, 10},      {"kind -1", 8, 8, -1},
        {"too wide", tooBig, 8, 2},    {"too high", 8, tooBig, 2}, {"no width", 0, 8, 2},
        {"negative height", 8, -8, 2},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        Render::I_RenderBuffer* rb = controller.createRenderBuffer(
            c.width, c.height, static_cast<Render::I_RenderBuffer::RBType>(c.type), 0);
        EXPECT_EQ(rb, nullptr);
        delete rb;
    }
    // Every kind in range makes a buffer; the read and draw kinds bind only their own target.
    for (int type = 1; type <= 9; ++type)
    {
        if (type % 3 == 0)
            continue; // depth kinds need a texture
        std::unique_ptr<Render::I_RenderBuffer> rb(
            controller.createRenderBuffer(8, 8, static_cast<Render::I_RenderBuffer::RBType>(type), 0));
        EXPECT_NE(rb, nullptr) << "kind " << type;
    }
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(ControllerGL, RenderBufferWithATextureAndAColourKindIsFatal)
{
    ASSERT_GT(OGL::RenderBuffer::getMaxSize(), 8);
    // The driver runs threads of its own: the dying child starts afresh instead of being forked.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(OGL::RenderBuffer(8, 8, Render::I_RenderBuffer::RBUF_RGB, 5),
                 "^ABORT: Func:OGL::RenderBuffer::RenderBuffer\\(int, int, Render::I_RenderBuffer::RBType, "
                 "MatSys::TextureID\\) File:lib/Render/OGL/RenderBuffer Line: 53\n"
                 "ABORT: Must used RBUF_\\?_TEX for RenderBuffer with texture\n");
}

TEST_F(ControllerGL, PixelBufferRoundTripAndScreenReadIntoIt)
{
    // Like vertex arrays, a buffer of no bytes is made and holds nothing; a negative size is refused.
    std::unique_ptr<Render::I_PixelBuffer> empty(controller.createPixelBuffer(0));
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(empty->getBufferSize(), 0);
    EXPECT_EQ(controller.createPixelBuffer(-16), nullptr);
    std::unique_ptr<Render::I_PixelBuffer> pbo(controller.createPixelBuffer(64));
    ASSERT_NE(pbo, nullptr);
    EXPECT_EQ(pbo->getBufferSize(), 64);

    std::vector<unsigned char> in(64);
    for (int i = 0; i < 64; ++i)
        in[i] = static_cast<unsigned char>(255 - i);
    pbo->beginUsing(false);
    pbo->putData(in.data(), 64, 0);
    std::vector<unsigned char> out(64, 0);
    pbo->getData(out.data(), 64, 0);
    std::vector<unsigned char> stray(8, 0x55);
    pbo->getData(stray.data(), 8, 60);
    pbo->endUsing();
    EXPECT_EQ(out, in);
    EXPECT_EQ(stray, std::vector<unsigned char>(8, 0x55));

    // With the buffer bound for packing, copyScreen's null pointer is offset 0 in it.
    clearTo(0, 0, 1);
    pbo->beginUsing(true);
    controller.copyScreen(nullptr, 10, 10, 4, 4);
    std::vector<unsigned char> screen(64, 0);
    pbo->getData(screen.data(), 64, 0);
    pbo->endUsing();
    EXPECT_EQ(screen[0], 0);
    EXPECT_EQ(screen[2], 255);
    EXPECT_EQ(screen[62], 255);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(ControllerGL, CopiedScreenIsShownElsewhereEvenOutsideTheView)
{
    // Pixels are shown at the far plane: in a flat view, where nothing is depth tested.
    controller.setViewData(view(-1.0f, 1.0f, 0.0f, 0, 0, W, H, false));
    clearTo(0, 0, 0);
    fillRect(10, 10, 8, 6, 1, 0, 0);
    std::vector<unsigned char> pixels(8 * 6 * 4, 0);
    controller.copyScreen(pixels.data(), 10, 10, 8, 6);
    EXPECT_EQ(pixels[0], 255);

    // A small view far from the target: the raster position must still land on the target pixel.
    glViewport(0, 0, 20, 20);
    controller.showScreen(pixels.data(), 100, 70, 8, 6);
    EXPECT_EQ(readViewport(), (std::array<int, 4>{0, 0, 20, 20}));
    EXPECT_EQ(readPixel(100, 70), RED);
    EXPECT_EQ(readPixel(107, 75), RED);
    EXPECT_EQ(readPixel(99, 70), BLACK);
    EXPECT_EQ(readPixel(108, 76), BLACK);

    // Nothing to copy into or show from.
    controller.copyScreen(nullptr, 0, 0, 4, 4);
    controller.showScreen(nullptr, 0, 0, 4, 4);
    controller.copyScreen(pixels.data(), 0, 0, -1, 4);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(ControllerGL, BlitCopiesARegion)
{
    clearTo(0, 0, 0);
    fillRect(0, 0, 10, 10, 0, 0, 1);
    controller.blit(0, 0, 10, 10, 60, 50, 70, 60);
    EXPECT_EQ(readPixel(65, 55), BLUE);
    EXPECT_EQ(readPixel(75, 55), BLACK);
}

TEST_F(ControllerGL, DrawArraysDrawsOnlyKnownKindsWithVertices)
{
    controller.setViewData(view(-1.0f, 1.0f, 0.0f, 0, 0, W, H, false));
    controller.setCamera(camera({0, 0, 0}, {0, 0, -1}, {0, 1, 0}));
    const float square[4][3] = {{20, 20, 0}, {60, 20, 0}, {60, 60, 0}, {20, 60, 0}};
    std::unique_ptr<Render::I_VertexArray> array(controller.createVertexArray(sizeof square, false));
    array->defineVertexInfo(3, Render::I_VertexArray::FLOAT);
    array->beginUsing();
    array->putData(square, sizeof square, 0);
    controller.setColor(Util::RGBA{0, 255, 0, 255});
    glDisable(GL_CULL_FACE);

    struct Case
    {
        int type;
        unsigned int count;
        bool drawn;
    };
    const Case cases[] = {{Render::QUADS, 4, true},
                          {Render::TRIANGLE_STRIP, 4, true},
                          {Render::QUADS, 0, false},
                          {7, 4, false},
                          {-1, 4, false}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "kind " << c.type << " count " << c.count);
        clearTo(0, 0, 0);
        controller.drawArrays(static_cast<Render::RenderType>(c.type), 0, c.count);
        EXPECT_EQ(readPixel(25, 25), c.drawn ? GREEN : BLACK);
    }
    array->endUsing();
}

TEST_F(ControllerGL, PickRayRunsThroughThePointedPixelFromAMovedCamera)
{
    struct Case
    {
        const char* name;
        MathStuff::Orientation<float> camera;
        int x;
        int y; // from the top, as the pointer reports it
    };
    const Case cases[] = {
        {"at the origin", camera({0, 0, 0}, {0, 0, -1}, {0, 1, 0}), 20, 10},
        {"moved", camera({5, -3, 12}, {0, 0, -1}, {0, 1, 0}), 100, 70},
        {"moved and turned", camera({-4, 2, 1}, {1, 0, 0}, {0, 1, 0}), 64, 5},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        controller.setCamera(c.camera);
        MathStuff::Vector3<float> ray = controller.getPickRay(c.x, c.y);
        const MathStuff::Vector3<float>& eye = c.camera.position;
        // Every pick ray of a perspective view leaves the eye; half way along it is inside the view.
        MathStuff::Vector3<float> p(eye.x + ray.x / 2, eye.y + ray.y / 2, eye.z + ray.z / 2);
        MathStuff::Vector3<float> window = controller.projectPoint(p);
        EXPECT_NEAR(window.x, c.x + 0.5f, 0.01f);
        EXPECT_NEAR(window.y, H - c.y - 0.5f, 0.01f);
        // Facing the way the camera faces.
        float along =
            ray.x * c.camera.direction.x + ray.y * c.camera.direction.y + ray.z * c.camera.direction.z;
        EXPECT_GT(along, 0.0f);
    }
}
} // namespace
