#include <gtest/gtest.h>

#include "Render/OpenGL.h"

#include "support/GLContext.h"

#include <vector>

namespace
{
const Testing::Pixel RED{255, 0, 0, 255};
const Testing::Pixel BLUE{0, 0, 255, 255};
} // namespace

TEST(GLContext, ReadsBackWhatWasDrawnFromTheBottomLeft)
{
    if (!Testing::GLContext::available())
        GTEST_SKIP() << "no X server (DISPLAY is unset)";
    Testing::GLContext gl(40, 30);
    EXPECT_EQ(gl.width(), 40);
    EXPECT_EQ(gl.height(), 30);

    glClearColor(1.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    // Blue in the bottom-left 10 x 5 only.
    glEnable(GL_SCISSOR_TEST);
    glScissor(0, 0, 10, 5);
    glClearColor(0.0f, 0.0f, 1.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glDisable(GL_SCISSOR_TEST);

    EXPECT_EQ(gl.readPixel(39, 29), RED);
    EXPECT_EQ(gl.readPixel(0, 0), BLUE);
    EXPECT_EQ(gl.readPixel(9, 4), BLUE);
    EXPECT_EQ(gl.readPixel(10, 4), RED);
    EXPECT_EQ(gl.readPixel(9, 5), RED);

    // Three wide and two high across the corner at (10, 5): rows bottom up, each left to right.
    std::vector<Testing::Pixel> block = gl.readPixels(8, 4, 3, 2);
    EXPECT_EQ(block, (std::vector<Testing::Pixel>{BLUE, BLUE, RED, RED, RED, RED}));
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST(GLContext, OneAfterAnotherEachStartsWithAWorkingContext)
{
    if (!Testing::GLContext::available())
        GTEST_SKIP() << "no X server (DISPLAY is unset)";
    // The window library shuts down with the last context and must start again for the next.
    for (float green : {0.0f, 1.0f})
    {
        Testing::GLContext gl(8, 8);
        glClearColor(0.0f, green, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        EXPECT_EQ(gl.readPixel(4, 4), (Testing::Pixel{0, static_cast<std::uint8_t>(green * 255), 0, 255}));
    }
}
