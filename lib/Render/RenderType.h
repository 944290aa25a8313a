#pragma once

namespace Render
{
// The primitive kind that drawArrays draws.
enum RenderType
{
    LINES = 0,
    TRIANGLES = 1,
    QUADS = 2,
    TRIANGLE_STRIP = 3
};
} // namespace Render
