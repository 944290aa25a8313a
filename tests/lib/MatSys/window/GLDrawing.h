#pragma once

#include "Render/OpenGL.h"
#include "support/GLContext.h"

namespace Testing
{
// Fills the whole viewport with one quad in the current state, the way a mesh drawn with a material is:
// whatever program, colour and textures are bound decide the pixels. Matrices are reset, so the
// vertices are clip coordinates.
inline void drawFullQuad()
{
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 0.0f);
    glVertex3f(-1.0f, -1.0f, 0.0f);
    glTexCoord2f(1.0f, 0.0f);
    glVertex3f(1.0f, -1.0f, 0.0f);
    glTexCoord2f(1.0f, 1.0f);
    glVertex3f(1.0f, 1.0f, 0.0f);
    glTexCoord2f(0.0f, 1.0f);
    glVertex3f(-1.0f, 1.0f, 0.0f);
    glEnd();
}

inline void clearTo(float r, float g, float b)
{
    glClearColor(r, g, b, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
}

// The colour without its alpha, which the window's framebuffer may or may not keep.
inline Pixel opaque(Pixel pixel)
{
    pixel.a = 255;
    return pixel;
}

// The current colour in bytes.
inline Pixel currentColour()
{
    GLfloat colour[4] = {0, 0, 0, 0};
    glGetFloatv(GL_CURRENT_COLOR, colour);
    Pixel pixel;
    pixel.r = static_cast<std::uint8_t>(colour[0] * 255.0f + 0.5f);
    pixel.g = static_cast<std::uint8_t>(colour[1] * 255.0f + 0.5f);
    pixel.b = static_cast<std::uint8_t>(colour[2] * 255.0f + 0.5f);
    pixel.a = static_cast<std::uint8_t>(colour[3] * 255.0f + 0.5f);
    return pixel;
}
} // namespace Testing

// Every test here needs the test X server.
#define NEED_GL()                                                                                            \
    if (!Testing::GLContext::available())                                                                    \
    GTEST_SKIP() << "no X server (DISPLAY is unset)"
