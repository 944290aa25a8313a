#pragma once
// A controller on a hidden window's context, set to a perspective view over the whole window.
#include <gtest/gtest.h>

#include "GLTestSupport.h"
#include <chrono>
#include <memory>
#include <stdexcept>
#include <thread>

#include "Render/OGL/Controller.h"

namespace OGLTest
{
const int W = 128;
const int H = 96;

inline Render::ViewData view(float minZ, float maxZ, float fov, int x, int y, int width, int height,
                             bool is3D)
{
    Render::ViewData v;
    v.minZ = minZ;
    v.maxZ = maxZ;
    v.fov = fov;
    v.x = x;
    v.y = y;
    v.width = width;
    v.height = height;
    v.zoomX = 1.0f;
    v.zoomY = 1.0f;
    v.vsync = 0;
    v.is3D = is3D;
    return v;
}

// The test context itself waits out a busy X server.
inline std::unique_ptr<Testing::GLContext> openContext()
{
    return std::unique_ptr<Testing::GLContext>(new Testing::GLContext(W, H));
}

inline MathStuff::Orientation<float> camera(MathStuff::Vector3<float> position,
                                            MathStuff::Vector3<float> facing, MathStuff::Vector3<float> up)
{
    return MathStuff::Orientation<float>(position, facing, up, MathStuff::Vector3<float>(1, 1, 1));
}

class ControllerGL : public testing::Test
{
protected:
    ControllerGL() : controller(view(1.0f, 100.0f, 60.0f, 0, 0, W, H, true)) {}

    void SetUp() override
    {
        if (!Testing::GLContext::available())
            GTEST_SKIP() << "no X server (DISPLAY is unset)";
        context = openContext();
        controller.init();
        controller.setViewData(controller.getViewData());
    }

    void TearDown() override { context.reset(); }

    // Reads from the framebuffer bound for reading: the window's back buffer or a render buffer.
    Pixel readPixel(int x, int y) const { return context->readPixel(x, y); }

    std::unique_ptr<Testing::GLContext> context;
    OGL::Controller controller;
};

} // namespace OGLTest
