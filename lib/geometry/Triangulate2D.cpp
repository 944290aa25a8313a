#include "geometry/Triangulate2D.h"

namespace Geom
{
namespace
{
float coord(const MathStuff::Vector3<float>& p, int axis)
{
    return axis == 0 ? p.x : (axis == 1 ? p.y : p.z);
}
} // namespace

Triangulate2D::Triangulate2D() : axisU(0), axisV(1), step(1) {}

Triangulate2D::~Triangulate2D() = default;

bool Triangulate2D::triangulateXY(const Points& points, bool counterClockwise, Triangles& out)
{
    return setPlaneAndTriangulate(0, 1, points, counterClockwise, out);
}

bool Triangulate2D::triangulateZY(const Points& points, bool counterClockwise, Triangles& out)
{
    return setPlaneAndTriangulate(2, 1, points, counterClockwise, out);
}

bool Triangulate2D::triangulateXZ(const Points& points, bool counterClockwise, Triangles& out)
{
    return setPlaneAndTriangulate(0, 2, points, counterClockwise, out);
}

bool Triangulate2D::setPlaneAndTriangulate(int uAxis, int vAxis, const Points& points, bool counterClockwise,
                                           Triangles& out)
{
    axisU = uAxis;
    axisV = vAxis;
    return triangulate(points, counterClockwise, out);
}

bool Triangulate2D::triangulate(const Points& points, bool counterClockwise, Triangles& out)
{
    step = counterClockwise ? 1 : -1;
    const int n = static_cast<int>(points.size());
    if (n < 3)
        return true;
    out.reserve(out.size() + points.size());

    // n - 1, 0, 1, ..., n - 1, 0: the sentinels at both ends let every real slot read both neighbours.
    std::vector<int> list;
    list.reserve(points.size() + 2);
    list.push_back(n - 1);
    for (int i = 0; i < n; ++i)
        list.push_back(i);
    list.push_back(0);

    int cursor = 1;
    int sizeAtLastWrap = 0;
    for (;;)
    {
        int size = static_cast<int>(list.size());
        if (size < 5)
            return true;
        if (isAnEar(cursor, points, list))
        {
            out.push_back(MathStuff::TriIndex{list[cursor - step], list[cursor], list[cursor + step]});
            list.erase(list.begin() + cursor);
            --size;
            list[0] = list[size - 2];
            list[size - 1] = list[1];
        }
        // Also after a cut: the vertex that moved into the cut slot waits until the cursor comes round.
        ++cursor;
        if (cursor > size - 2)
        {
            cursor = cursor - size + 2;
            // A whole pass without an ear: nothing will change any more.
            if (size == sizeAtLastWrap)
                return false;
            sizeAtLastWrap = size;
        }
    }
}

bool Triangulate2D::isAnEar(int slot, const Points& points, const std::vector<int>& list) const
{
    const MathStuff::Vector3<float>& p1 = points[list[slot - step]];
    const MathStuff::Vector3<float>& p2 = points[list[slot]];
    const MathStuff::Vector3<float>& p3 = points[list[slot + step]];
    const float u1 = u(p1), v1 = v(p1);
    const float u2 = u(p2), v2 = v(p2);
    const float u3 = u(p3), v3 = v(p3);

    // A reflex corner is never an ear; a flat one (three points on a line) may be.
    if ((u2 - u1) * (v3 - v1) - (u3 - u1) * (v2 - v1) < 0)
        return false;

    const int lastReal = static_cast<int>(list.size()) - 2;
    for (int s = 1; s <= lastReal; ++s)
    {
        // The tip and its neighbours; at either end of the list a neighbour sits at the other end.
        if (s >= slot - 1 && s <= slot + 1)
            continue;
        if ((slot == lastReal && s == 1) || (slot == 1 && s == lastReal))
            continue;
        const MathStuff::Vector3<float>& q = points[list[s]];
        const float uq = u(q), vq = v(q);
        if ((vq - v3) * (u1 - u3) - (uq - u3) * (v1 - v3) >= 0 &&
            (u2 - u1) * (vq - v1) - (v2 - v1) * (uq - u1) >= 0 &&
            (u3 - u2) * (vq - v2) - (v3 - v2) * (uq - u2) >= 0)
            return false;
    }
    return true;
}

float Triangulate2D::u(const MathStuff::Vector3<float>& p) const
{
    return coord(p, axisU);
}

float Triangulate2D::v(const MathStuff::Vector3<float>& p) const
{
    return coord(p, axisV);
}
} // namespace Geom
