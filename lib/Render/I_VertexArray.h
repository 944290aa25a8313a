#pragma once

namespace Render
{
// A block of interleaved per-vertex data (position, texture coordinates, colour).
class I_VertexArray
{
public:
    // The component type of an attribute; any int can be handed in, an unknown one is a fatal fault.
    enum DataType : int
    {
        FLOAT = 1,
        UNSIGNED_BYTE = 2,
        SHORT = 3
    };

    virtual ~I_VertexArray() = default;

    virtual int getBufferSize() const = 0;
    virtual void defineVertexInfo(int components, DataType type) = 0;
    virtual void defineTextureInfo(int components, DataType type) = 0;
    virtual void defineColorInfo(int components, DataType type) = 0;
    virtual void setUseVertexInfoAsTextureInfo(bool use) = 0;
    // Positions are three packed floats (12 bytes) each.
    virtual void getVertices(float* out, int count, int byteOffset) const = 0;
    virtual void putVertices(const float* in, int count, int byteOffset) = 0;
    virtual void getData(void* out, int bytes, int byteOffset) const = 0;
    virtual void putData(const void* in, int bytes, int byteOffset) = 0;
    virtual void beginUsing() const = 0;
    virtual void endUsing() const = 0;
};
} // namespace Render
