#pragma once

namespace Render
{
// Four vertices of x, y, z, u, v, copied byte for byte into a vertex array: 20 bytes a vertex.
struct TexturedQuad
{
    float v[4][5];
};

// Four vertices of x, y, z, u, v, w (three texture coordinates): 24 bytes a vertex.
struct TexturedQuadZTx
{
    float v[4][6];
};
} // namespace Render
