#pragma once
// Matrix, viewport and colour helpers shared by the OpenGL tests of this folder.
#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "Render/OpenGL.h"
#include "support/GLContext.h"

namespace OGLTest
{
using Pixel = Testing::Pixel;

inline std::array<float, 16> readMatrix(GLenum which)
{
    std::array<float, 16> m = {};
    glGetFloatv(which, m.data());
    return m;
}

inline std::array<int, 4> readViewport()
{
    std::array<int, 4> v = {};
    glGetIntegerv(GL_VIEWPORT, v.data());
    return v;
}

inline void clearTo(float r, float g, float b)
{
    glClearColor(r, g, b, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

inline void expectMatrixNear(const std::array<float, 16>& actual, const std::array<float, 16>& expected,
                             float tolerance = 1e-5f)
{
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(actual[i], expected[i], tolerance) << "element " << i;
}

const Pixel RED = {255, 0, 0, 255};
const Pixel GREEN = {0, 255, 0, 255};
const Pixel BLUE = {0, 0, 255, 255};
const Pixel BLACK = {0, 0, 0, 255};
} // namespace OGLTest
