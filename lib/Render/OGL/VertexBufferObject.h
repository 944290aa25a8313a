#pragma once

#include "Render/OGL/VertexArray.h"

namespace OGL
{
// Interleaved vertex data in an OpenGL buffer object. getData and putData act on the buffer bound to
// the target, so they belong between beginUsing and endUsing of this array.
class VertexBufferObject : public VertexArray
{
public:
    // access: the mapping access the buffer is tried with, GL_WRITE_ONLY or GL_READ_WRITE.
    VertexBufferObject(int bytes, unsigned int access);
    VertexBufferObject(int bytes, unsigned int bindTarget, unsigned int access);
    ~VertexBufferObject() override;

    // Whether the buffer-object entry points this class calls are there.
    static bool VBOsSupported();

    void getData(void* out, int bytes, int byteOffset) const override;
    void putData(const void* in, int bytes, int byteOffset) override;

    // Makes the buffer; the size reads 0 when it could not be made.
    virtual void constructVBO(unsigned int access);
};
} // namespace OGL
