#pragma once

namespace Render
{
// The primitive kind that drawArrays draws; any int can be handed in, an unknown one draws nothing.
enum RenderType : int
{
    LINES = 0,
    TRIANGLES = 1,
    QUADS = 2,
    TRIANGLE_STRIP = 3
};
} // namespace Render
