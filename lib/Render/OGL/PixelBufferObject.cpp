#include "Render/OGL/PixelBufferObject.h"

#include "Render/OGL/GLErrors.h"
#include "Render/OpenGL.h"

namespace OGL
{
namespace
{
const int TRIES = 10;
} // namespace

PixelBufferObject::PixelBufferObject(int bytes) : target(GL_PIXEL_PACK_BUFFER_ARB), buffer(0), size(bytes)
{
    if (size <= 0 || !PBOsSupported())
    {
        size = 0;
        return;
    }
    glGenBuffersARB(1, &buffer);
    bool ready = false;
    for (int i = 0; buffer != 0 && !ready && i < TRIES; ++i)
    {
        glBindBufferARB(target, buffer);
        glBufferDataARB(target, size, nullptr, GL_STATIC_DRAW_ARB);
        glMapBufferARB(target, GL_READ_ONLY_ARB);
        ready = glUnmapBufferARB(target) == GL_TRUE;
    }
    glBindBufferARB(target, 0);
    if (!ready)
    {
        if (buffer != 0)
            glDeleteBuffersARB(1, &buffer);
        buffer = 0;
        size = 0;
    }
    drainErrors();
}

PixelBufferObject::~PixelBufferObject()
{
    if (buffer != 0)
        glDeleteBuffersARB(1, &buffer);
}

bool PixelBufferObject::PBOsSupported()
{
    return GLEW_ARB_pixel_buffer_object && GLEW_ARB_vertex_buffer_object;
}

int PixelBufferObject::getBufferSize() const
{
    return size;
}

void PixelBufferObject::beginUsing(bool pack) const
{
    if (buffer == 0)
        return;
    target = pack ? GL_PIXEL_PACK_BUFFER_ARB : GL_PIXEL_UNPACK_BUFFER_ARB;
    glBindBufferARB(target, buffer);
}

void PixelBufferObject::endUsing() const
{
    if (buffer != 0)
        glBindBufferARB(target, 0);
}

bool PixelBufferObject::holdsRange(int bytes, int byteOffset) const
{
    return bytes > 0 && byteOffset >= 0 && byteOffset <= size && bytes <= size - byteOffset;
}

void PixelBufferObject::getData(void* out, int bytes, int byteOffset) const
{
    if (buffer != 0 && holdsRange(bytes, byteOffset))
        glGetBufferSubDataARB(target, byteOffset, bytes, out);
}

void PixelBufferObject::putData(const void* in, int bytes, int byteOffset)
{
    if (buffer != 0 && holdsRange(bytes, byteOffset))
        glBufferSubDataARB(target, byteOffset, bytes, in);
}
} // namespace OGL
