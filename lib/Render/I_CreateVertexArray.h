#pragma once

#include "Render/I_VertexArray.h"
#include "Render/TexturedQuad.h"

namespace Render
{
// The factory of vertex arrays; the caller owns what it makes.
class I_CreateVertexArray
{
public:
    virtual ~I_CreateVertexArray() = default;

    virtual I_VertexArray* createVertexArray(int bytes, bool writeOnly) = 0;
    virtual I_VertexArray* createTexturedQuadVA(const TexturedQuad& quad, bool writeOnly) = 0;
    virtual I_VertexArray* createTexturedQuadVA(const TexturedQuadZTx& quad, bool writeOnly) = 0;
};
} // namespace Render
