#include "Render/OGL/RenderBuffer.h"

#include "Render/OGL/Abilities.h"
#include "Render/OGL/GLErrors.h"
#include "Render/OpenGL.h"
#include "util/Debug.h"

namespace OGL
{
namespace
{
struct Kind
{
    unsigned int target;
    unsigned int format;
};

// By RBType: the framebuffer target and the renderbuffer's storage format.
const Kind KINDS[] = {
    {GL_FRAMEBUFFER_EXT, GL_RGB},
    {GL_FRAMEBUFFER_EXT, GL_RGBA},
    {GL_FRAMEBUFFER_EXT, GL_DEPTH_COMPONENT},
    {GL_READ_FRAMEBUFFER_EXT, GL_RGB},
    {GL_READ_FRAMEBUFFER_EXT, GL_RGBA},
    {GL_READ_FRAMEBUFFER_EXT, GL_DEPTH_COMPONENT},
    {GL_DRAW_FRAMEBUFFER_EXT, GL_RGB},
    {GL_DRAW_FRAMEBUFFER_EXT, GL_RGBA},
    {GL_DRAW_FRAMEBUFFER_EXT, GL_DEPTH_COMPONENT},
};
const int KIND_COUNT = static_cast<int>(sizeof KINDS / sizeof KINDS[0]);

int& maxSize()
{
    static int l_maxSize = -1; // not read yet
    return l_maxSize;
}
} // namespace

RenderBuffer::RenderBuffer(int widthIn, int heightIn, Render::I_RenderBuffer::RBType type,
                           MatSys::TextureID textureIn)
    : width(widthIn), height(heightIn), framebuffer(0), renderbuffer(0), texture(textureIn), target(0)
{
    int kind = static_cast<int>(type) - 1;
    if (!FBOsSupported() || width <= 0 || height <= 0 || width > getMaxSize() || height > getMaxSize() ||
        kind < 0 || kind >= KIND_COUNT)
    {
        width = height = 0;
        return;
    }
    target = KINDS[kind].target;
    unsigned int format = KINDS[kind].format;
    // Named as its documented reports always have been; compilers differ in how they would spell it.
    if (texture != 0 && format != GL_DEPTH_COMPONENT)
        Util::Debug::abortWith(
            "OGL::RenderBuffer::RenderBuffer(int, int, Render::I_RenderBuffer::RBType, MatSys::TextureID)",
            __FILE__, 53, "Must used RBUF_?_TEX for RenderBuffer with texture");
    // The separate read and draw targets come with framebuffer blits.
    if (target != GL_FRAMEBUFFER_EXT && !haveFramebufferBlit())
    {
        width = height = 0;
        return;
    }
    if (!makeObjects(format))
        width = height = 0;
}

RenderBuffer::~RenderBuffer()
{
    if (renderbuffer != 0)
        glDeleteRenderbuffersEXT(1, &renderbuffer);
    if (framebuffer != 0)
        glDeleteFramebuffersEXT(1, &framebuffer);
}

bool RenderBuffer::makeObjects(unsigned int format)
{
    glGenRenderbuffersEXT(1, &renderbuffer);
    glBindRenderbufferEXT(GL_RENDERBUFFER_EXT, renderbuffer);
    glRenderbufferStorageEXT(GL_RENDERBUFFER_EXT, format, width, height);
    glGenFramebuffersEXT(1, &framebuffer);
    glBindFramebufferEXT(target, framebuffer);
    if (texture == 0)
    {
        glFramebufferRenderbufferEXT(target, GL_COLOR_ATTACHMENT0_EXT, GL_RENDERBUFFER_EXT, renderbuffer);
    }
    else
    {
        glFramebufferRenderbufferEXT(target, GL_DEPTH_ATTACHMENT_EXT, GL_RENDERBUFFER_EXT, renderbuffer);
        glFramebufferTexture2DEXT(target, GL_COLOR_ATTACHMENT0_EXT, GL_TEXTURE_2D, texture, 0);
    }
    bool complete = glCheckFramebufferStatusEXT(target) == GL_FRAMEBUFFER_COMPLETE_EXT;
    glBindFramebufferEXT(target, 0);
    glBindRenderbufferEXT(GL_RENDERBUFFER_EXT, 0);
    drainErrors();
    return complete;
}

bool RenderBuffer::isValid() const
{
    return width != 0 && height != 0;
}

unsigned int RenderBuffer::getID() const
{
    return framebuffer;
}

void RenderBuffer::beginUsing()
{
    if (framebuffer != 0)
        glBindFramebufferEXT(target, framebuffer);
}

void RenderBuffer::endUsing()
{
    if (framebuffer != 0)
        glBindFramebufferEXT(target, 0);
}

int RenderBuffer::getMaxSize()
{
    int& limit = maxSize();
    // Only a driver that has framebuffer objects can answer; the answer is kept for the process.
    if (limit < 0 && FBOsSupported())
    {
        GLint value = 0;
        glGetIntegerv(GL_MAX_RENDERBUFFER_SIZE_EXT, &value);
        drainErrors();
        limit = value;
    }
    return limit < 0 ? 0 : limit;
}

bool RenderBuffer::FBOsSupported()
{
    return GLEW_EXT_framebuffer_object != 0;
}
} // namespace OGL
