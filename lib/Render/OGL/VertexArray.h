#pragma once

#include <cstddef>

#include "Render/I_VertexArray.h"
#include "util/NonCopyable.h"

namespace OGL
{
// Interleaved vertex data in client memory. Attributes are laid out in the order they are declared,
// each right after those declared before it.
class VertexArray : public Render::I_VertexArray, private Util::NonCopyable<VertexArray>
{
public:
    // The attribute slots; the numbering is not the layout order.
    enum DataIndex
    {
        TEXTURE = 0,
        COLOR = 1,
        VERTEX = 2,
        DATA_INDEX_COUNT = 3
    };

    // A negative size makes an array of size 0 with no block, which the factory then refuses.
    explicit VertexArray(int bytes);
    ~VertexArray() override;

    int getBufferSize() const override;
    void defineVertexInfo(int components, DataType type) override;
    void defineTextureInfo(int components, DataType type) override;
    void defineColorInfo(int components, DataType type) override;
    void setUseVertexInfoAsTextureInfo(bool use) override;
    void getVertices(float* out, int count, int byteOffset) const override;
    void putVertices(const float* in, int count, int byteOffset) override;
    // A range that does not lie wholly inside the block copies nothing.
    void getData(void* out, int bytes, int byteOffset) const override;
    void putData(const void* in, int bytes, int byteOffset) override;
    void beginUsing() const override;
    void endUsing() const override;

    // The array whose beginUsing ran last with no endUsing since; null when none is bound. Whoever
    // draws can skip rebinding an array that is still bound, and only then.
    static const Render::I_VertexArray* getBoundArray();

protected:
    struct Attribute
    {
        int components = 0; // 0: the attribute is absent
        unsigned int type = 0;
        std::size_t offset = 0; // from the start of the first vertex
    };

    // True when bytes from byteOffset on lie inside the size.
    bool holdsRange(int bytes, int byteOffset) const;

    unsigned int target;
    unsigned int bufferId; // 0 for client memory
    int size;
    unsigned char* data; // the client block; null when empty and for buffer objects
    int stride;
    Attribute attributes[DATA_INDEX_COUNT];
    bool useVertexInfoAsTextureInfo;

private:
    void setDataInfo(DataIndex index, int components, Render::I_VertexArray::DataType type);
    void bindBuffer(unsigned int id) const;
    const void* pointerOf(const Attribute& attribute) const;
    static const VertexArray*& boundArray();
};
} // namespace OGL
