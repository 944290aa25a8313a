#pragma once

#include <cstring>
#include <vector>

#include "Render/I_CreateVertexArray.h"
#include "Render/I_VertexArray.h"
#include "Render/TexturedQuad.h"

namespace Testing
{
// A vertex array in plain memory that keeps every byte put into it and what was declared about its
// layout, so tests can read back exactly what a loader wrote. Writes and reads outside the block are
// dropped and counted, never performed.
class MemoryVertexArray : public Render::I_VertexArray
{
public:
    struct Declaration
    {
        int components = 0;
        DataType type = FLOAT;
        bool declared = false;
    };

    MemoryVertexArray(int bytes, bool writeOnlyIn, int* liveCounter)
        : data(static_cast<std::size_t>(bytes), 0), writeOnly(writeOnlyIn), live(liveCounter)
    {
        if (live != nullptr)
            ++*live;
    }
    ~MemoryVertexArray() override
    {
        if (live != nullptr)
            --*live;
    }

    int getBufferSize() const override { return static_cast<int>(data.size()); }
    void defineVertexInfo(int components, DataType type) override { vertexInfo = {components, type, true}; }
    void defineTextureInfo(int components, DataType type) override { textureInfo = {components, type, true}; }
    void defineColorInfo(int components, DataType type) override { colorInfo = {components, type, true}; }
    void setUseVertexInfoAsTextureInfo(bool use) override { vertexAsTexture = use; }
    void getVertices(float* out, int count, int byteOffset) const override
    {
        getData(out, count * 12, byteOffset);
    }
    void putVertices(const float* in, int count, int byteOffset) override
    {
        putData(in, count * 12, byteOffset);
    }
    void getData(void* out, int bytes, int byteOffset) const override
    {
        if (inside(bytes, byteOffset))
            std::memcpy(out, data.data() + byteOffset, static_cast<std::size_t>(bytes));
        else
            ++outside;
    }
    void putData(const void* in, int bytes, int byteOffset) override
    {
        if (!inUse)
            ++writesOutsideUse;
        if (inside(bytes, byteOffset))
            std::memcpy(data.data() + byteOffset, in, static_cast<std::size_t>(bytes));
        else
            ++outside;
    }
    void beginUsing() const override
    {
        inUse = true;
        ++begins;
    }
    void endUsing() const override
    {
        inUse = false;
        ++ends;
    }

    // The floats of the block, for comparing with expected vertex data.
    std::vector<float> floats() const
    {
        std::vector<float> out(data.size() / sizeof(float));
        std::memcpy(out.data(), data.data(), out.size() * sizeof(float));
        return out;
    }

    std::vector<unsigned char> data;
    bool writeOnly;
    Declaration vertexInfo;
    Declaration textureInfo;
    Declaration colorInfo;
    bool vertexAsTexture = false;
    mutable bool inUse = false;
    mutable int begins = 0;
    mutable int ends = 0;
    mutable int outside = 0;
    int writesOutsideUse = 0;

private:
    bool inside(int bytes, int byteOffset) const
    {
        return bytes >= 0 && byteOffset >= 0 &&
               static_cast<std::size_t>(byteOffset) + static_cast<std::size_t>(bytes) <= data.size();
    }

    int* live;
};

// Makes memory vertex arrays, remembers each one it made (the caller owns them) and counts how many
// are still alive. A negative size, or a size past the limit set, makes nothing.
class MemoryVertexArrayFactory : public Render::I_CreateVertexArray
{
public:
    Render::I_VertexArray* createVertexArray(int bytes, bool writeOnly) override
    {
        ++requests;
        if (bytes < 0 || bytes > maxBytes || refuseAll)
            return nullptr;
        made.push_back(new MemoryVertexArray(bytes, writeOnly, &live));
        return made.back();
    }
    Render::I_VertexArray* createTexturedQuadVA(const Render::TexturedQuad& quad, bool writeOnly) override
    {
        return copyOf(&quad, sizeof quad, writeOnly);
    }
    Render::I_VertexArray* createTexturedQuadVA(const Render::TexturedQuadZTx& quad, bool writeOnly) override
    {
        return copyOf(&quad, sizeof quad, writeOnly);
    }

    // The arrays made so far, in order; they may have been deleted by their owner since (see live).
    std::vector<MemoryVertexArray*> made;
    int live = 0;
    int requests = 0;
    int maxBytes = 64 * 1024 * 1024;
    bool refuseAll = false;

private:
    Render::I_VertexArray* copyOf(const void* quad, std::size_t bytes, bool writeOnly)
    {
        ++requests;
        if (refuseAll)
            return nullptr;
        made.push_back(new MemoryVertexArray(static_cast<int>(bytes), writeOnly, &live));
        std::memcpy(made.back()->data.data(), quad, bytes);
        return made.back();
    }
};
} // namespace Testing
