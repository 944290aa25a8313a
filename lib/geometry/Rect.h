#pragma once

namespace Geom
{
// An axis-aligned rectangle: a corner and the width and height. Its users give it its meaning
// (pixels, or percent of a box) and which corner x and y name.
template <class T> struct Rect
{
    T x = T(0);
    T y = T(0);
    T w = T(0);
    T h = T(0);
};
} // namespace Geom
