// Client-memory vertex arrays without a graphics context: layout, copies in and out of the block, and
// the buffer kinds that need a driver reporting themselves unusable when there is none.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <vector>

#include "Render/OGL/PixelBufferObject.h"
#include "Render/OGL/RenderBuffer.h"
#include "Render/OGL/VertexArray.h"
#include "Render/OGL/VertexBufferObject.h"
#include "Render/OpenGL.h"

namespace
{
using VA = Render::I_VertexArray;

// Reads the layout the array worked out.
class LayoutProbe : public OGL::VertexArray
{
public:
    explicit LayoutProbe(int bytes) : OGL::VertexArray(bytes) {}

    int getStride() const { return stride; }
    int components(DataIndex index) const { return attributes[index].components; }
    std::size_t offset(DataIndex index) const { return attributes[index].offset; }
    unsigned int glType(DataIndex index) const { return attributes[index].type; }
    bool hasBlock() const { return data != nullptr; }
};

struct Declaration
{
    OGL::VertexArray::DataIndex slot;
    int components;
    VA::DataType type;
};

struct LayoutCase
{
    const char* name;
    std::vector<Declaration> declarations;
    int stride;
    // Expected offset per slot (texture, colour, vertex); -1 for an absent attribute.
    int offsets[OGL::VertexArray::DATA_INDEX_COUNT];
};

void declare(OGL::VertexArray& array, const Declaration& d)
{
    switch (d.slot)
    {
    case OGL::VertexArray::VERTEX:
        array.defineVertexInfo(d.components, d.type);
        break;
    case OGL::VertexArray::TEXTURE:
        array.defineTextureInfo(d.components, d.type);
        break;
    default:
        array.defineColorInfo(d.components, d.type);
        break;
    }
}

const OGL::VertexArray::DataIndex T = OGL::VertexArray::TEXTURE;
const OGL::VertexArray::DataIndex C = OGL::VertexArray::COLOR;
const OGL::VertexArray::DataIndex V = OGL::VertexArray::VERTEX;

TEST(VertexArrayLayout, AttributesFollowTheOrderOfDeclaration)
{
    const LayoutCase cases[] = {
        {"position only", {{V, 3, VA::FLOAT}}, 12, {-1, -1, 0}},
        {"position then texture", {{V, 3, VA::FLOAT}, {T, 2, VA::FLOAT}}, 20, {12, -1, 0}},
        {"texture then position", {{T, 2, VA::FLOAT}, {V, 3, VA::FLOAT}}, 20, {0, -1, 8}},
        {"position, colour bytes, texture",
         {{V, 3, VA::FLOAT}, {C, 4, VA::UNSIGNED_BYTE}, {T, 2, VA::FLOAT}},
         24,
         {16, 12, 0}},
        {"colour bytes then short positions", {{C, 4, VA::UNSIGNED_BYTE}, {V, 3, VA::SHORT}}, 10, {-1, 0, 4}},
        // A second declaration goes after everything so far, itself included; the stride counts it once.
        {"position declared twice", {{V, 3, VA::FLOAT}, {V, 3, VA::FLOAT}}, 12, {-1, -1, 12}},
        {"texture redeclared wider",
         {{V, 3, VA::FLOAT}, {T, 2, VA::FLOAT}, {T, 3, VA::FLOAT}},
         24,
         {20, -1, 0}},
        // A negative count declares nothing rather than pulling later attributes back.
        {"negative texture count", {{V, 3, VA::FLOAT}, {T, -2, VA::FLOAT}}, 12, {-1, -1, 0}},
    };
    for (const LayoutCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        LayoutProbe array(64);
        for (const Declaration& d : c.declarations)
            declare(array, d);
        EXPECT_EQ(array.getStride(), c.stride);
        for (int slot = 0; slot < OGL::VertexArray::DATA_INDEX_COUNT; ++slot)
        {
            OGL::VertexArray::DataIndex index = static_cast<OGL::VertexArray::DataIndex>(slot);
            if (c.offsets[slot] < 0)
            {
                EXPECT_EQ(array.components(index), 0) << "slot " << slot;
                continue;
            }
            EXPECT_NE(array.components(index), 0) << "slot " << slot;
            EXPECT_EQ(array.offset(index), static_cast<std::size_t>(c.offsets[slot])) << "slot " << slot;
        }
    }
}

TEST(VertexArrayLayout, DataTypesMapToTheirGraphicsTypes)
{
    LayoutProbe array(0);
    array.defineVertexInfo(3, VA::SHORT);
    array.defineTextureInfo(2, VA::FLOAT);
    array.defineColorInfo(4, VA::UNSIGNED_BYTE);
    EXPECT_EQ(array.glType(V), static_cast<unsigned int>(GL_SHORT));
    EXPECT_EQ(array.glType(T), static_cast<unsigned int>(GL_FLOAT));
    EXPECT_EQ(array.glType(C), static_cast<unsigned int>(GL_UNSIGNED_BYTE));
}

TEST(VertexArrayLayoutDeathTest, AnUnknownDataTypeIsFatal)
{
    EXPECT_DEATH(
        {
            OGL::VertexArray array(12);
            array.defineColorInfo(4, static_cast<VA::DataType>(7));
        },
        "^ABORT: Func:void OGL::VertexArray::setDataInfo\\(OGL::VertexArray::DataIndex, int, "
        "Render::I_VertexArray::DataType\\) File:lib/Render/OGL/VertexArray Line: 52\n"
        "ABORT: UNKNOWN VertexArrayDataType 7\n");
}

TEST(VertexArrayBlock, SizesBelowOneHaveNoBlock)
{
    const int sizes[] = {0, -1, -80, INT_MIN};
    for (int size : sizes)
    {
        LayoutProbe array(size);
        EXPECT_EQ(array.getBufferSize(), 0) << size;
        EXPECT_FALSE(array.hasBlock()) << size;
    }
    LayoutProbe array(8);
    EXPECT_EQ(array.getBufferSize(), 8);
    EXPECT_TRUE(array.hasBlock());
}

TEST(VertexArrayBlock, DataAndVerticesComeBackAsWritten)
{
    OGL::VertexArray array(60);
    array.defineVertexInfo(3, VA::FLOAT);
    array.defineTextureInfo(2, VA::FLOAT);
    const float quadCorner[5] = {1.5f, -2.0f, 3.25f, 0.5f, 0.75f};
    array.putData(quadCorner, sizeof quadCorner, 40);
    float back[5] = {};
    array.getData(back, sizeof back, 40);
    EXPECT_EQ(std::memcmp(back, quadCorner, sizeof back), 0);

    // Vertices are packed: two of them take 24 contiguous bytes whatever the stride, so the second one
    // lands on the first one's texture coordinates.
    const float two[6] = {10, 11, 12, 13, 14, 15};
    array.putVertices(two, 2, 0);
    float packed[6] = {};
    array.getData(packed, sizeof packed, 0);
    EXPECT_EQ(std::memcmp(packed, two, sizeof two), 0);
    float second[3] = {};
    array.getVertices(second, 1, 12);
    EXPECT_EQ(second[0], 13.0f);
    EXPECT_EQ(second[2], 15.0f);
    // The third vertex at its interleaved place is untouched by the packed write.
    float stillThere[5] = {};
    array.getData(stillThere, sizeof stillThere, 40);
    EXPECT_EQ(std::memcmp(stillThere, quadCorner, sizeof stillThere), 0);
}

struct RangeCase
{
    int bytes;
    int offset;
    bool copies;
};

TEST(VertexArrayBlock, OnlyRangesInsideTheBlockAreCopied)
{
    const int SIZE = 16;
    const RangeCase cases[] = {
        {16, 0, true},
        {8, 8, true},
        {1, 15, true},
        {0, 16, false},
        {17, 0, false},
        {9, 8, false},
        {1, 16, false},
        {4, -1, false},
        {-4, 0, false},
        {-4, 8, false},
        {INT_MAX, 8, false},
        {4, INT_MAX, false},
        {INT_MAX, INT_MAX, false},
        {4, INT_MIN, false},
    };
    for (const RangeCase& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "bytes " << c.bytes << " at " << c.offset);
        OGL::VertexArray array(SIZE);
        std::vector<unsigned char> zeros(SIZE, 0);
        array.putData(zeros.data(), SIZE, 0);

        // Source and target are big enough for any copy the array could make, so a copy it should
        // not make shows in the block instead of crashing the test.
        std::vector<unsigned char> in(SIZE, 0xAB);
        array.putData(in.data(), c.bytes, c.offset);
        std::vector<unsigned char> block(SIZE, 0x11);
        array.getData(block.data(), SIZE, 0);
        int written = 0;
        for (unsigned char b : block)
            written += b == 0xAB;
        EXPECT_EQ(written, c.copies ? c.bytes : 0);

        std::vector<unsigned char> out(SIZE, 0x11);
        array.getData(out.data(), c.bytes, c.offset);
        int read = 0;
        for (unsigned char b : out)
            read += b == 0xAB;
        EXPECT_EQ(read, c.copies ? c.bytes : 0);
    }
}

TEST(VertexArrayBlock, VertexCountsThatLeaveTheBlockCopyNothing)
{
    OGL::VertexArray array(24);
    const float in[6] = {1, 2, 3, 4, 5, 6};
    array.putVertices(in, 2, 0);
    const int counts[] = {3, -1, INT_MAX / 12 + 1, INT_MAX};
    for (int count : counts)
    {
        float out[6] = {};
        array.getVertices(out, count, 0);
        EXPECT_EQ(out[0], 0.0f) << count;
        std::vector<float> junk(6, 9.0f);
        array.putVertices(junk.data(), count, 0);
    }
    float back[6] = {};
    array.getVertices(back, 2, 0);
    EXPECT_EQ(std::memcmp(back, in, sizeof in), 0);
}

// Without a graphics context no driver ability is there: every driver-backed kind reports itself
// unusable, so the factories fall back or give null.
TEST(DriverBuffers, WithoutADriverTheyReportThemselvesUnusable)
{
    EXPECT_FALSE(OGL::VertexBufferObject::VBOsSupported());
    OGL::VertexBufferObject vbo(64, GL_WRITE_ONLY_ARB);
    EXPECT_EQ(vbo.getBufferSize(), 0);
    OGL::PixelBufferObject pbo(64);
    EXPECT_EQ(pbo.getBufferSize(), 0);
    OGL::RenderBuffer rb(16, 16, Render::I_RenderBuffer::RBUF_RGBA, 0);
    EXPECT_FALSE(rb.isValid());
    EXPECT_EQ(rb.getID(), 0u);
    EXPECT_EQ(OGL::RenderBuffer::getMaxSize(), 0);
}
} // namespace
