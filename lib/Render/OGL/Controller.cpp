#include "Render/OGL/Controller.h"

#include "Render/OGL/Abilities.h"
#include "Render/OGL/GLErrors.h"
#include "Render/OGL/PixelBufferObject.h"
#include "Render/OGL/RenderBuffer.h"
#include "Render/OGL/RenderQueue.h"
#include "Render/OGL/VertexArray.h"
#include "Render/OGL/VertexBufferObject.h"
#include "Render/OpenGL.h"
#include "util/NumUtil.h"

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

namespace OGL
{
namespace
{
struct Transforms
{
    GLdouble modelview[16];
    GLdouble projection[16];
    GLint viewport[4];
};

Transforms readTransforms()
{
    Transforms t = {};
    glGetDoublev(GL_MODELVIEW_MATRIX, t.modelview);
    glGetDoublev(GL_PROJECTION_MATRIX, t.projection);
    glGetIntegerv(GL_VIEWPORT, t.viewport);
    return t;
}

// Whether a pixel buffer is bound where pixels are read to (pack) or drawn from: the pointer handed in
// is then an offset into it, and null is a real place.
bool pixelBufferBound(bool pack)
{
    if (!PixelBufferObject::PBOsSupported())
        return false;
    GLint bound = 0;
    glGetIntegerv(pack ? GL_PIXEL_PACK_BUFFER_BINDING_ARB : GL_PIXEL_UNPACK_BUFFER_BINDING_ARB, &bound);
    return bound != 0;
}

bool pixelsUsable(const unsigned char* pixels, int width, int height, bool pack)
{
    return width > 0 && height > 0 && (pixels || pixelBufferBound(pack));
}

template <class Quad>
Render::I_VertexArray* makeQuad(Controller& controller, const Quad& quad, int textureComponents,
                                bool writeOnly)
{
    const int bytes = static_cast<int>(sizeof quad);
    Render::I_VertexArray* array = controller.createVertexArray(bytes, writeOnly);
    if (!array)
        return nullptr;
    array->defineVertexInfo(3, Render::I_VertexArray::FLOAT);
    array->defineTextureInfo(textureComponents, Render::I_VertexArray::FLOAT);
    array->beginUsing();
    array->putData(&quad, bytes, 0);
    array->endUsing();
    return array;
}
} // namespace

Controller::Controller(const Render::ViewData& viewDataIn)
    : viewData(viewDataIn), renderQueue(new Render::OGL::RenderQueue()), abilityForced(), abilityValue()
{
}

Controller::~Controller()
{
    delete renderQueue;
}

void Controller::init()
{
    setVsync();
    glFrontFace(GL_CCW);
    glCullFace(GL_BACK);
    glEnable(GL_CULL_FACE);
    glDisable(GL_LIGHTING);
    // Pieces laid in one plane share their depth: the one drawn later covers the one before, as in 2-D.
    glDepthFunc(GL_LEQUAL);
}

int Controller::getAbility(int id)
{
    if (id < 0 || id >= ABILITY_COUNT)
        return -1;
    int detected = detectAbility(id);
    return abilityForced[id] ? abilityValue[id] : detected;
}

void Controller::setAbility(int id, int value)
{
    if (id < 0 || id >= ABILITY_COUNT)
        return;
    abilityForced[id] = true;
    abilityValue[id] = value;
}

Render::I_VertexArray* Controller::createVertexArray(int bytes, bool writeOnly)
{
    // The driver decides, not a forced ability: a forced "no" must not make buffer objects fail.
    if (VertexBufferObject::VBOsSupported())
    {
        VertexBufferObject* vbo =
            new VertexBufferObject(bytes, writeOnly ? GL_WRITE_ONLY_ARB : GL_READ_WRITE_ARB);
        if (vbo->getBufferSize() == bytes)
            return vbo;
        delete vbo;
    }
    VertexArray* array = new VertexArray(bytes);
    if (array->getBufferSize() == bytes)
        return array;
    delete array;
    return nullptr;
}

Render::I_VertexArray* Controller::createTexturedQuadVA(const Render::TexturedQuad& quad, bool writeOnly)
{
    return makeQuad(*this, quad, 2, writeOnly);
}

Render::I_VertexArray* Controller::createTexturedQuadVA(const Render::TexturedQuadZTx& quad, bool writeOnly)
{
    return makeQuad(*this, quad, 3, writeOnly);
}

Render::I_RenderBuffer* Controller::createRenderBuffer(int width, int height,
                                                       Render::I_RenderBuffer::RBType type,
                                                       MatSys::TextureID texture)
{
    RenderBuffer* buffer = new RenderBuffer(width, height, type, texture);
    if (buffer->isValid())
        return buffer;
    delete buffer;
    return nullptr;
}

Render::I_PixelBuffer* Controller::createPixelBuffer(int bytes)
{
    PixelBufferObject* buffer = new PixelBufferObject(bytes);
    if (buffer->getBufferSize() == bytes)
        return buffer;
    delete buffer;
    return nullptr;
}

void Controller::setBlending(bool on)
{
    if (on)
    {
        glEnable(GL_BLEND);
        glEnable(GL_ALPHA_TEST);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    }
    else
    {
        glDisable(GL_BLEND);
        glDisable(GL_ALPHA_TEST);
    }
}

void Controller::setDepthTest(bool on)
{
    if (on)
        glEnable(GL_DEPTH_TEST);
    else
        glDisable(GL_DEPTH_TEST);
}

void Controller::setDepthMask(bool on)
{
    glDepthMask(on ? GL_TRUE : GL_FALSE);
}

void Controller::setFog(bool on)
{
    if (on)
        glEnable(GL_FOG);
    else
        glDisable(GL_FOG);
}

void Controller::setFogParams(float startPercent, float endPercent, const Util::RGBA& colour)
{
    const GLfloat fogColour[4] = {colour.r / 255.0f, colour.g / 255.0f, colour.b / 255.0f, colour.a / 255.0f};
    glFogfv(GL_FOG_COLOR, fogColour);
    glFogf(GL_FOG_START, Util::PERCENT_OF(startPercent, viewData.maxZ));
    glFogf(GL_FOG_END, Util::PERCENT_OF(endPercent, viewData.maxZ));
    glFogi(GL_FOG_MODE, GL_LINEAR);
}

void Controller::pushViewData()
{
    viewStack.push(viewData);
}

void Controller::popViewData()
{
    if (viewStack.empty())
        return;
    Render::ViewData top = viewStack.top();
    setViewData(top);
    viewStack.pop();
}

void Controller::setViewData(const Render::ViewData& given)
{
    bool viewportChanged = false;
    if (given.fov != 0.0f)
        viewData.fov = given.fov;
    if (given.x != -1)
    {
        viewData.x = given.x;
        viewportChanged = true;
    }
    if (given.y != -1)
    {
        viewData.y = given.y;
        viewportChanged = true;
    }
    if (given.width != 0)
    {
        viewData.width = given.width;
        viewportChanged = true;
    }
    if (given.height != 0)
    {
        viewData.height = given.height;
        viewportChanged = true;
    }
    if (given.minZ != 0.0f)
        viewData.minZ = given.minZ;
    if (given.maxZ != 0.0f)
        viewData.maxZ = given.maxZ;
    if (given.zoomX != 0.0f)
        viewData.zoomX = given.zoomX;
    if (given.zoomY != 0.0f)
        viewData.zoomY = given.zoomY;
    if (given.vsync != -1)
    {
        viewData.vsync = given.vsync;
        setVsync();
    }
    if (viewportChanged)
        setViewport();
    viewData.is3D = given.is3D;
    setProjection(given);
}

void Controller::setProjection(const Render::ViewData& given)
{
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    const Render::ViewData& v = viewData;
    if (v.is3D)
    {
        // A view of no height (a minimised window) would have an infinite aspect.
        double aspect = v.height != 0 ? static_cast<double>(v.width) / static_cast<double>(v.height) : 1.0;
        gluPerspective(v.zoomX * v.fov, aspect, v.minZ, v.maxZ);
        glEnable(GL_DEPTH_TEST);
    }
    else
    {
        double nearPlane = given.minZ != 0.0f ? given.minZ : -1.0;
        double w = v.width;
        double h = v.height;
        glOrtho(w - w * v.zoomX, w * v.zoomX, h - h * v.zoomY, h * v.zoomY, nearPlane, v.maxZ);
        glDisable(GL_DEPTH_TEST);
    }
}

const Render::ViewData& Controller::getViewData() const
{
    return viewData;
}

void Controller::setCamera(const MathStuff::Orientation<float>& camera)
{
    cameraPosition = camera.position;
    const MathStuff::Vector3<float>& up = camera.up;
    const MathStuff::Vector3<float> back = -camera.direction;
    const MathStuff::Vector3<float> side = MathStuff::crossProduct(up, back);
    const GLfloat rotation[16] = {side.x, up.x, back.x, 0.0f, side.y, up.y, back.y, 0.0f,
                                  side.z, up.z, back.z, 0.0f, 0.0f,   0.0f, 0.0f,   1.0f};
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glMultMatrixf(rotation);
    glTranslatef(-cameraPosition.x, -cameraPosition.y, -cameraPosition.z);
}

void Controller::setColor(const Util::RGBA& colour)
{
    glColor4ub(colour.r, colour.g, colour.b, colour.a);
}

MathStuff::Vector3<float> Controller::projectPoint(MathStuff::Vector3<float> point) const
{
    Transforms t = readTransforms();
    GLdouble x = 0.0, y = 0.0, z = 0.0;
    gluProject(point.x, point.y, point.z, t.modelview, t.projection, t.viewport, &x, &y, &z);
    return MathStuff::Vector3<float>(static_cast<float>(x), static_cast<float>(y), static_cast<float>(z));
}

MathStuff::Vector3<float> Controller::getPickRay(int x, int y) const
{
    Transforms t = readTransforms();
    // Through the pixel's centre; OpenGL counts rows from the bottom of the viewport.
    GLdouble winX = x + 0.5;
    GLdouble winY = t.viewport[1] + t.viewport[3] - y - 0.5;
    GLdouble p0[3] = {};
    GLdouble p1[3] = {};
    gluUnProject(winX, winY, 0.0, t.modelview, t.projection, t.viewport, &p0[0], &p0[1], &p0[2]);
    gluUnProject(winX, winY, 1.0, t.modelview, t.projection, t.viewport, &p1[0], &p1[1], &p1[2]);
    return MathStuff::Vector3<float>(static_cast<float>(p1[0] - p0[0]), static_cast<float>(p1[1] - p0[1]),
                                     static_cast<float>(p1[2] - p0[2]));
}

void Controller::blit(int srcX0, int srcY0, int srcX1, int srcY1, int dstX0, int dstY0, int dstX1, int dstY1)
{
    // A forced ability does not make the entry point exist.
    if (!haveFramebufferBlit())
        return;
    glBlitFramebufferEXT(srcX0, srcY0, srcX1, srcY1, dstX0, dstY0, dstX1, dstY1, GL_COLOR_BUFFER_BIT,
                         GL_LINEAR);
    drainErrors();
}

void Controller::drawArrays(Render::RenderType type, int first, unsigned int count)
{
    static const GLenum l_modes[] = {GL_LINES, GL_TRIANGLES, GL_QUADS, GL_TRIANGLE_STRIP};
    if (count == 0 || type < Render::LINES || type > Render::TRIANGLE_STRIP)
        return;
    glDrawArrays(l_modes[type], first, static_cast<GLsizei>(count));
}

Render::I_RenderQueue* Controller::getRenderQueue()
{
    return renderQueue;
}

void Controller::copyScreen(unsigned char* pixels, int x, int y, int width, int height)
{
    if (!pixelsUsable(pixels, width, height, true))
        return;
    glReadPixels(x, y, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
    drainErrors();
}

void Controller::showScreen(unsigned char* pixels, int x, int y, int width, int height)
{
    if (!pixelsUsable(pixels, width, height, false))
        return;
    glPushAttrib(GL_VIEWPORT_BIT | GL_TRANSFORM_BIT);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glDepthRange(1.0, 1.0);

    // The centre of a 2 by 2 viewport around the target pixel is always inside the view, so the
    // raster position is valid wherever the pixel lies.
    int ix = static_cast<int>(static_cast<float>(x));
    int iy = static_cast<int>(static_cast<float>(y));
    glViewport(ix - 1, iy - 1, 2, 2);
    glRasterPos4f(static_cast<float>(x - ix), static_cast<float>(y - iy), 0.0f, 1.0f);

    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glPopAttrib();
    glDrawPixels(width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
}

void Controller::setVsync()
{
    // Only on a context the window library made current; the platform's own swap-interval calls can
    // end the process on some X servers.
    if (glfwGetCurrentContext())
        glfwSwapInterval(viewData.vsync != 0 ? 1 : 0);
}

void Controller::setViewport() const
{
    glViewport(viewData.x, viewData.y, viewData.width, viewData.height);
}
} // namespace OGL
