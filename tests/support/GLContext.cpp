#include "support/GLContext.h"

#include "Render/OpenGL.h"
#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

#include "support/GLLeakCheck.h"
#include <chrono>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <thread>

namespace
{
// Contexts open now: the window library lives from the first to the last.
int openContexts = 0;
std::string lastError;

void recordError(int code, const char* description)
{
    lastError = std::to_string(code) + " " + (description ? description : "");
}

[[noreturn]] void fail(const std::string& what)
{
    throw std::runtime_error("GLContext: " + what + " (" + lastError + ")");
}
// A busy X server now and then refuses a connection (many test programs start at once): try again a
// few times before calling the server absent.
bool startWindowLibrary()
{
    for (int attempt = 0; attempt < 20; ++attempt)
    {
        if (glfwInit())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return false;
}
} // namespace

namespace Testing
{
bool Pixel::near(const Pixel& other, int tolerance) const
{
    return std::abs(r - other.r) <= tolerance && std::abs(g - other.g) <= tolerance &&
           std::abs(b - other.b) <= tolerance && std::abs(a - other.a) <= tolerance;
}

std::ostream& operator<<(std::ostream& out, const Pixel& pixel)
{
    return out << "(" << int(pixel.r) << ", " << int(pixel.g) << ", " << int(pixel.b) << ", " << int(pixel.a)
               << ")";
}

bool GLContext::available()
{
    const char* display = std::getenv("DISPLAY");
    return display && *display;
}

GLContext::GLContext(int width, int height) : m_width(width), m_height(height)
{
    glfwSetErrorCallback(recordError);
    if (openContexts == 0 && !startWindowLibrary())
        fail("the window library did not start");
    ++openContexts;

    glfwDefaultWindowHints();
    glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
    glfwWindowHint(GLFW_RESIZABLE, GLFW_FALSE);
    glfwWindowHint(GLFW_CLIENT_API, GLFW_OPENGL_API);
    glfwWindowHint(GLFW_OPENGL_PROFILE, GLFW_OPENGL_ANY_PROFILE);
    m_window = glfwCreateWindow(width, height, "GL test", nullptr, nullptr);
    if (!m_window)
    {
        if (--openContexts == 0)
            glfwTerminate();
        fail("no window with an OpenGL context");
    }
    glfwMakeContextCurrent(m_window);
    glewExperimental = GL_TRUE;
    GLenum status = glewInit();
    if (status != GLEW_OK)
    {
        std::string reason = reinterpret_cast<const char*>(glewGetErrorString(status));
        close();
        fail("GLEW did not start: " + reason);
    }
    // GLEW may leave an error behind on some drivers; tests that check glGetError start clean.
    while (glGetError() != GL_NO_ERROR)
    {
    }
    glViewport(0, 0, width, height);
    keepLoadedLibrariesMapped();
}

GLContext::~GLContext()
{
    close();
}

void GLContext::close()
{
    if (!m_window)
        return;
    // Drawing may have made the driver load more than it had when the context was made.
    keepLoadedLibrariesMapped();
    glfwMakeContextCurrent(nullptr);
    glfwDestroyWindow(m_window);
    m_window = nullptr;
    if (--openContexts == 0)
        glfwTerminate();
}

void GLContext::usePixelView() const
{
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, m_width, 0, m_height, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
}

Pixel GLContext::readPixel(int x, int y) const
{
    return readPixels(x, y, 1, 1).front();
}

std::vector<Pixel> GLContext::readPixels(int x, int y, int width, int height) const
{
    std::vector<Pixel> pixels(static_cast<size_t>(width) * static_cast<size_t>(height));
    glfwMakeContextCurrent(m_window);
    // The test's own pixel-store state is left as it was: a bound pack buffer would take the pixels.
    GLint alignment = 4;
    GLint packBuffer = 0;
    glGetIntegerv(GL_PACK_ALIGNMENT, &alignment);
    glGetIntegerv(GL_PIXEL_PACK_BUFFER_BINDING, &packBuffer);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    if (packBuffer)
        glBindBuffer(GL_PIXEL_PACK_BUFFER, 0);
    glReadPixels(x, y, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    if (packBuffer)
        glBindBuffer(GL_PIXEL_PACK_BUFFER, static_cast<GLuint>(packBuffer));
    glPixelStorei(GL_PACK_ALIGNMENT, alignment);
    return pixels;
}
} // namespace Testing
