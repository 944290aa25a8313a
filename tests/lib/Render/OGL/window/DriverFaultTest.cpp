// Drivers that lack a feature or fail to make a buffer, simulated by switching off GLEW's flags and
// entry points: every ability reports what the code would call, no factory calls a missing entry
// point, and a buffer name that could not be given storage is released.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "ControllerFixture.h"
#include "Render/OGL/PixelBufferObject.h"
#include "Render/OGL/VertexBufferObject.h"

namespace
{
using namespace OGLTest;

using A = Render::I_RenderAbilities;

// Puts a GLEW global back when the test ends.
template <class T> class Swap
{
public:
    Swap(T& slot, T value) : slot(slot), saved(slot) { slot = value; }
    ~Swap() { slot = saved; }

private:
    T& slot;
    T saved;
};

std::vector<GLuint> g_deleted;

GLboolean GLAPIENTRY failingUnmap(GLenum)
{
    return GL_FALSE;
}

PFNGLDELETEBUFFERSARBPROC g_realDelete = nullptr;

void GLAPIENTRY recordingDelete(GLsizei n, const GLuint* names)
{
    g_deleted.insert(g_deleted.end(), names, names + n);
    g_realDelete(n, names);
}

TEST_F(ControllerGL, WithoutBufferObjectsArraysLiveInClientMemoryAndBindNoBuffer)
{
    Swap<GLboolean> flag(__GLEW_ARB_vertex_buffer_object, GL_FALSE);
    Swap<PFNGLBINDBUFFERARBPROC> bind(__glewBindBufferARB, nullptr);
    Swap<PFNGLGENBUFFERSARBPROC> gen(__glewGenBuffersARB, nullptr);
    EXPECT_EQ(controller.getAbility(A::HAVE_VBOS), 0);
    EXPECT_EQ(controller.getAbility(A::HAVE_PBOS), 0);
    std::unique_ptr<Render::I_VertexArray> array(controller.createVertexArray(36, true));
    ASSERT_NE(array, nullptr);
    EXPECT_EQ(dynamic_cast<OGL::VertexBufferObject*>(array.get()), nullptr);
    array->defineVertexInfo(3, Render::I_VertexArray::FLOAT);
    array->beginUsing();
    array->endUsing();
    EXPECT_EQ(controller.createPixelBuffer(64), nullptr);
}

TEST_F(ControllerGL, WithoutTheShaderEntryPointsThereAreNoShaders)
{
    ASSERT_EQ(controller.getAbility(A::HAVE_SHADERS), 1);
    Swap<GLboolean> flag(__GLEW_VERSION_2_0, GL_FALSE);
    EXPECT_EQ(controller.getAbility(A::HAVE_SHADERS), 0);
}

TEST_F(ControllerGL, WithoutPixelBuffersNoneIsMade)
{
    Swap<GLboolean> flag(__GLEW_ARB_pixel_buffer_object, GL_FALSE);
    EXPECT_EQ(controller.getAbility(A::HAVE_PBOS), 0);
    EXPECT_EQ(controller.createPixelBuffer(64), nullptr);
}

TEST_F(ControllerGL, WithoutFramebufferObjectsNoRenderBufferIsMade)
{
    Swap<GLboolean> flag(__GLEW_EXT_framebuffer_object, GL_FALSE);
    Swap<PFNGLGENFRAMEBUFFERSEXTPROC> gen(__glewGenFramebuffersEXT, nullptr);
    EXPECT_EQ(controller.getAbility(A::HAVE_FBOS), 0);
    EXPECT_EQ(controller.getAbility(A::HAVE_RTT), 0);
    EXPECT_EQ(controller.createRenderBuffer(8, 8, Render::I_RenderBuffer::RBUF_RGBA, 0), nullptr);
}

TEST_F(ControllerGL, WithoutBlitsNothingIsBlittedEvenWhenForced)
{
    Swap<GLboolean> flag(__GLEW_EXT_framebuffer_blit, GL_FALSE);
    Swap<PFNGLBLITFRAMEBUFFEREXTPROC> blit(__glewBlitFramebufferEXT, nullptr);
    EXPECT_EQ(controller.getAbility(A::HAVE_FRAME_BLIT), 0);
    controller.setAbility(A::HAVE_FRAME_BLIT, 1);
    EXPECT_EQ(controller.getAbility(A::HAVE_FRAME_BLIT), 1);
    clearTo(0, 0, 1);
    controller.blit(0, 0, 10, 10, 60, 50, 70, 60);
    // The separate read and draw targets belong to the same extension.
    EXPECT_EQ(controller.createRenderBuffer(8, 8, Render::I_RenderBuffer::RBUF_READ_RGBA, 0), nullptr);
    EXPECT_NE(std::unique_ptr<Render::I_RenderBuffer>(
                  controller.createRenderBuffer(8, 8, Render::I_RenderBuffer::RBUF_RGBA, 0)),
              nullptr);
}

TEST_F(ControllerGL, ABufferThatNeverMapsIsReleasedAndRefused)
{
    g_deleted.clear();
    g_realDelete = __glewDeleteBuffersARB;
    Swap<PFNGLUNMAPBUFFERARBPROC> unmap(__glewUnmapBufferARB, failingUnmap);
    Swap<PFNGLDELETEBUFFERSARBPROC> del(__glewDeleteBuffersARB, recordingDelete);

    OGL::VertexBufferObject vbo(64, GL_WRITE_ONLY_ARB);
    EXPECT_EQ(vbo.getBufferSize(), 0);
    ASSERT_EQ(g_deleted.size(), 1u);
    EXPECT_NE(g_deleted[0], 0u);
    EXPECT_FALSE(glIsBufferARB(g_deleted[0]));

    OGL::PixelBufferObject pbo(64);
    EXPECT_EQ(pbo.getBufferSize(), 0);
    ASSERT_EQ(g_deleted.size(), 2u);
    EXPECT_FALSE(glIsBufferARB(g_deleted[1]));

    // The controller falls back to client memory and refuses the pixel buffer.
    std::unique_ptr<Render::I_VertexArray> array(controller.createVertexArray(64, true));
    ASSERT_NE(array, nullptr);
    EXPECT_EQ(dynamic_cast<OGL::VertexBufferObject*>(array.get()), nullptr);
    EXPECT_EQ(controller.createPixelBuffer(64), nullptr);
    GLint bound = 0;
    glGetIntegerv(GL_ARRAY_BUFFER_BINDING_ARB, &bound);
    EXPECT_EQ(bound, 0);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}
} // namespace
