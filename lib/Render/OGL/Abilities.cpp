#include "Render/OGL/Abilities.h"

#include "Render/I_RenderAbilities.h"
#include "Render/OGL/GLErrors.h"
#include "Render/OGL/PixelBufferObject.h"
#include "Render/OGL/RenderBuffer.h"
#include "Render/OGL/VertexBufferObject.h"
#include "Render/OpenGL.h"

namespace OGL
{
namespace
{
int queryInt(GLenum name)
{
    GLint value = 0;
    glGetIntegerv(name, &value);
    drainErrors();
    return value;
}
} // namespace

int detectAbility(int id)
{
    using A = Render::I_RenderAbilities;
    switch (id)
    {
    case A::HAVE_SHADERS:
        // The programs are built with the OpenGL 2.0 entry points (glCreateShader and the rest).
        return GLEW_VERSION_2_0 ? 1 : 0;
    case A::HAVE_NPOT_TEXTURES:
        return GLEW_ARB_texture_non_power_of_two ? 1 : 0;
    case A::HAVE_RTT:
    case A::HAVE_FBOS:
        return RenderBuffer::FBOsSupported() ? 1 : 0;
    case A::HAVE_VBOS:
        return VertexBufferObject::VBOsSupported() ? 1 : 0;
    case A::HAVE_PBOS:
        return PixelBufferObject::PBOsSupported() ? 1 : 0;
    case A::HAVE_FRAME_BLIT:
        return haveFramebufferBlit() ? 1 : 0;
    case A::MAX_TEXTURE_SIZE_2D:
        return queryInt(GL_MAX_TEXTURE_SIZE);
    case A::MAX_TEXTURE_SIZE_3D:
        return queryInt(GL_MAX_3D_TEXTURE_SIZE);
    case A::MAX_RTT_SIZE:
    case A::MAX_FBO_SIZE:
    case A::MAX_PBO_SIZE:
        return queryInt(GL_MAX_RENDERBUFFER_SIZE_EXT);
    default:
        return -1;
    }
}

bool haveFramebufferBlit()
{
    return GLEW_EXT_framebuffer_blit != 0;
}
} // namespace OGL
