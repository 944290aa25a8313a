#include "Render/OGL/VertexBufferObject.h"

#include "Render/OGL/GLErrors.h"
#include "Render/OpenGL.h"

namespace OGL
{
namespace
{
const int TRIES = 10;
} // namespace

VertexBufferObject::VertexBufferObject(int bytes, unsigned int access) : VertexArray(0)
{
    size = bytes > 0 ? bytes : 0;
    constructVBO(access);
}

VertexBufferObject::VertexBufferObject(int bytes, unsigned int bindTarget, unsigned int access)
    : VertexArray(0)
{
    target = bindTarget;
    size = bytes > 0 ? bytes : 0;
    constructVBO(access);
}

VertexBufferObject::~VertexBufferObject()
{
    if (bufferId != 0)
        glDeleteBuffersARB(1, &bufferId);
}

bool VertexBufferObject::VBOsSupported()
{
    return GLEW_ARB_vertex_buffer_object != 0;
}

void VertexBufferObject::constructVBO(unsigned int access)
{
    if (size == 0 || !VBOsSupported())
    {
        size = 0;
        return;
    }
    glGenBuffersARB(1, &bufferId);
    for (int i = 0; bufferId != 0 && i < TRIES; ++i)
    {
        // A buffer that maps and unmaps cleanly has its storage.
        glBindBufferARB(target, bufferId);
        glBufferDataARB(target, size, nullptr, GL_STATIC_DRAW_ARB);
        glMapBufferARB(target, access);
        if (glUnmapBufferARB(target))
        {
            glBindBufferARB(target, 0);
            drainErrors();
            return;
        }
    }
    glBindBufferARB(target, 0);
    if (bufferId != 0)
        glDeleteBuffersARB(1, &bufferId);
    bufferId = 0;
    drainErrors();
    size = 0;
}

void VertexBufferObject::getData(void* out, int bytes, int byteOffset) const
{
    if (bufferId != 0 && bytes > 0 && holdsRange(bytes, byteOffset))
        glGetBufferSubDataARB(target, byteOffset, bytes, out);
}

void VertexBufferObject::putData(const void* in, int bytes, int byteOffset)
{
    if (bufferId != 0 && bytes > 0 && holdsRange(bytes, byteOffset))
        glBufferSubDataARB(target, byteOffset, bytes, in);
}
} // namespace OGL
