#pragma once

// A hidden window with an OpenGL context (compatibility profile, so fixed function and client arrays
// work) under the test X server, current on the calling thread with GLEW ready, for tests that draw and
// read the result back. Use:
//
//   orvik_test(test_X DEPS ... orvik_test_gl LABELS window)   (tests/<folder>/CMakeLists.txt)
//
//   #include "support/GLContext.h"
//   TEST(Thing, DrawsRed)
//   {
//       if (!Testing::GLContext::available())
//           GTEST_SKIP() << "no X server (DISPLAY is unset)";
//       Testing::GLContext gl(64, 32);
//       ... draw ...
//       EXPECT_EQ(gl.readPixel(10, 10), (Testing::Pixel{255, 0, 0, 255}));
//   }
//
// Pixels are read from the framebuffer bound for reading, the window's back buffer unless the test bound
// its own, so read before any buffer swap; (0, 0) is the bottom-left corner, as OpenGL has it. A context that
// cannot be made throws std::runtime_error, which fails the test. Several may be open at once; reading makes
// the context read from current again. The window library is set up with the first context and shut down with
// the last, so a test that also opens windows some other way closes them before its last context.
//
// A context keeps the libraries the GL driver loaded mapped to the end of the program, so that the
// sanitizer build's leak check passes over what the driver holds and still reports our own leaks (see
// support/GLLeakCheck.h). A test that opens a window some other way calls keepLoadedLibrariesMapped
// while its window is open.
#include <cstdint>
#include <ostream>
#include <vector>

struct GLFWwindow;

namespace Testing
{
struct Pixel
{
    std::uint8_t r, g, b, a;

    bool operator==(const Pixel& other) const
    {
        return r == other.r && g == other.g && b == other.b && a == other.a;
    }
    bool operator!=(const Pixel& other) const { return !(*this == other); }
    // Each channel within tolerance: for edges and linear filtering.
    bool near(const Pixel& other, int tolerance) const;
};

std::ostream& operator<<(std::ostream& out, const Pixel& pixel);

class GLContext
{
public:
    // Whether a window system is there to open a context on.
    static bool available();

    GLContext(int width, int height);
    ~GLContext();
    GLContext(const GLContext&) = delete;
    GLContext& operator=(const GLContext&) = delete;

    int width() const { return m_width; }
    int height() const { return m_height; }
    GLFWwindow* window() const { return m_window; }

    // A flat view in pixels over the whole context (x right, y up from the lower left corner), no model
    // transform, cleared to opaque black.
    void usePixelView() const;

    Pixel readPixel(int x, int y) const;
    // Rows from the bottom up, each left to right.
    std::vector<Pixel> readPixels(int x, int y, int width, int height) const;

private:
    void close();

    int m_width;
    int m_height;
    GLFWwindow* m_window = nullptr;
};
} // namespace Testing
