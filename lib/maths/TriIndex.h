#pragma once

namespace MathStuff
{
// One triangle: the indices of its corners in a point list, in winding order.
struct TriIndex
{
    int a = 0;
    int b = 0;
    int c = 0;
};
} // namespace MathStuff
