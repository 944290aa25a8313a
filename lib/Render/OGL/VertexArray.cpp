#include "Render/OGL/VertexArray.h"

#include <climits>
#include <cstring>
#include <string>

#include "Render/OGL/GLErrors.h"
#include "Render/OGL/VertexBufferObject.h"
#include "Render/OpenGL.h"
#include "util/Debug.h"

namespace OGL
{
namespace
{
const int VERTEX_BYTES = 3 * static_cast<int>(sizeof(float));

int bytesOfType(unsigned int type)
{
    switch (type)
    {
    case GL_BYTE:
    case GL_UNSIGNED_BYTE:
        return 1;
    case GL_SHORT:
    case GL_UNSIGNED_SHORT:
        return 2;
    case GL_INT:
    case GL_UNSIGNED_INT:
    case GL_FLOAT:
        return 4;
    case GL_DOUBLE:
        return 8;
    default:
        return 0;
    }
}

// Bytes of count packed positions, or -1 when that many cannot be expressed as a byte count.
int vertexBytes(int count)
{
    if (count < 0 || count > INT_MAX / VERTEX_BYTES)
        return -1;
    return count * VERTEX_BYTES;
}
} // namespace

VertexArray::VertexArray(int bytes)
    : target(GL_ARRAY_BUFFER_ARB), bufferId(0), size(bytes > 0 ? bytes : 0),
      data(size > 0 ? new unsigned char[size] : nullptr), stride(0), useVertexInfoAsTextureInfo(false)
{
}

VertexArray::~VertexArray()
{
    // A bound client array would leave the driver pointing into the freed block.
    if (boundArray() == this)
        endUsing();
    delete[] data;
}

int VertexArray::getBufferSize() const
{
    return size;
}

void VertexArray::defineVertexInfo(int components, DataType type)
{
    setDataInfo(VERTEX, components, type);
}

void VertexArray::defineTextureInfo(int components, DataType type)
{
    setDataInfo(TEXTURE, components, type);
}

void VertexArray::defineColorInfo(int components, DataType type)
{
    setDataInfo(COLOR, components, type);
}

void VertexArray::setDataInfo(DataIndex index, int components, Render::I_VertexArray::DataType type)
{
    unsigned int glType = 0;
    switch (type)
    {
    case FLOAT:
        glType = GL_FLOAT;
        break;
    case UNSIGNED_BYTE:
        glType = GL_UNSIGNED_BYTE;
        break;
    case SHORT:
        glType = GL_SHORT;
        break;
    default:
        // Named as its documented reports always have been; compilers differ in how they would spell it.
        Util::Debug::abortWith("void OGL::VertexArray::setDataInfo(OGL::VertexArray::DataIndex, int, "
                               "Render::I_VertexArray::DataType)",
                               __FILE__, 52, "UNKNOWN VertexArrayDataType " + std::to_string(type));
    }
    Attribute& slot = attributes[index];
    // A negative count would pull later attributes back over earlier ones: it declares nothing.
    slot.components = components > 0 ? components : 0;
    slot.type = glType;
    slot.offset = static_cast<std::size_t>(stride);

    stride = 0;
    for (const Attribute& attribute : attributes)
        if (attribute.components != 0)
            stride += attribute.components * bytesOfType(attribute.type);
}

void VertexArray::setUseVertexInfoAsTextureInfo(bool use)
{
    useVertexInfoAsTextureInfo = use;
}

void VertexArray::getVertices(float* out, int count, int byteOffset) const
{
    int bytes = vertexBytes(count);
    if (bytes >= 0)
        getData(out, bytes, byteOffset);
}

void VertexArray::putVertices(const float* in, int count, int byteOffset)
{
    int bytes = vertexBytes(count);
    if (bytes >= 0)
        putData(in, bytes, byteOffset);
}

bool VertexArray::holdsRange(int bytes, int byteOffset) const
{
    return bytes >= 0 && byteOffset >= 0 && byteOffset <= size && bytes <= size - byteOffset;
}

void VertexArray::getData(void* out, int bytes, int byteOffset) const
{
    if (bytes > 0 && holdsRange(bytes, byteOffset))
        std::memcpy(out, data + byteOffset, static_cast<std::size_t>(bytes));
}

void VertexArray::putData(const void* in, int bytes, int byteOffset)
{
    if (bytes > 0 && holdsRange(bytes, byteOffset))
        std::memcpy(data + byteOffset, in, static_cast<std::size_t>(bytes));
}

const void* VertexArray::pointerOf(const Attribute& attribute) const
{
    // Client memory takes an address, a bound buffer object a byte offset into itself.
    if (data)
        return data + attribute.offset;
    return reinterpret_cast<const void*>(attribute.offset);
}

void VertexArray::bindBuffer(unsigned int id) const
{
    // Without buffer objects there is nothing to bind and no entry point to call.
    if (VertexBufferObject::VBOsSupported())
        glBindBufferARB(target, id);
}

void VertexArray::beginUsing() const
{
    bindBuffer(bufferId);
    const Attribute& texture = attributes[TEXTURE];
    const Attribute& colour = attributes[COLOR];
    const Attribute& vertex = attributes[VERTEX];
    if (texture.components)
    {
        glEnableClientState(GL_TEXTURE_COORD_ARRAY);
        glTexCoordPointer(texture.components, texture.type, stride, pointerOf(texture));
    }
    if (colour.components)
    {
        glEnableClientState(GL_COLOR_ARRAY);
        glColorPointer(colour.components, colour.type, stride, pointerOf(colour));
    }
    if (vertex.components)
    {
        glEnableClientState(GL_VERTEX_ARRAY);
        glVertexPointer(vertex.components, vertex.type, stride, pointerOf(vertex));
        if (useVertexInfoAsTextureInfo)
        {
            glEnableClientState(GL_TEXTURE_COORD_ARRAY);
            glTexCoordPointer(vertex.components, vertex.type, stride, pointerOf(vertex));
        }
    }
    boundArray() = this;
    drainErrors();
}

void VertexArray::endUsing() const
{
    if (attributes[TEXTURE].components)
        glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    if (attributes[COLOR].components)
        glDisableClientState(GL_COLOR_ARRAY);
    if (attributes[VERTEX].components)
        glDisableClientState(GL_VERTEX_ARRAY);
    if (useVertexInfoAsTextureInfo)
        glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    bindBuffer(0);
    // Whatever was bound before is not any more: its arrays may just have been disabled.
    boundArray() = nullptr;
}

const Render::I_VertexArray* VertexArray::getBoundArray()
{
    return boundArray();
}

const VertexArray*& VertexArray::boundArray()
{
    static const VertexArray* l_bound = nullptr;
    return l_bound;
}
} // namespace OGL
