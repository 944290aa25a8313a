#include "geometry/Triangulate2D.h"

namespace Geom
{
namespace
{
float coord(const MathStuff::Vector3<float>& p, int axis)
{
    return axis == 0 ? p.x : (axis == 1 ? p.y : p.z);
}

struct Corner
{
    float u;
    float v;
};

// Exact single-precision tests, so that a point is judged the same way on every pass.
bool insideOrOn(const Corner& q, const Corner& c1, const Corner& c2, const Corner& c3)
{
    return (q.v - c3.v) * (c1.u - c3.u) - (q.u - c3.u) * (c1.v - c3.v) >= 0 &&
           (c2.u - c1.u) * (q.v - c1.v) - (c2.v - c1.v) * (q.u - c1.u) >= 0 &&
           (c3.u - c2.u) * (q.v - c2.v) - (c3.v - c2.v) * (q.u - c2.u) >= 0;
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
    if (points.size() < 3)
        return true;
    if (points.size() > static_cast<std::size_t>(MAX_POINTS))
        return false;
    out.reserve(out.size() + points.size());
    memo.cut.assign(points.size(), false);
    memo.blocker.assign(points.size(), -1);
    const bool done = cutEars(points, out);
    memo = EarMemo();
    return done;
}

bool Triangulate2D::cutEars(const Points& points, Triangles& out)
{
    const int n = static_cast<int>(points.size());
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
            memo.cut[static_cast<std::size_t>(list[cursor])] = true;
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
    const auto corner = [this](const MathStuff::Vector3<float>& p) { return Corner{u(p), v(p)}; };
    const Corner c1 = corner(points[list[slot - step]]);
    const Corner c2 = corner(points[list[slot]]);
    const Corner c3 = corner(points[list[slot + step]]);

    // A reflex corner is never an ear; a flat one (three points on a line) may be.
    if ((c2.u - c1.u) * (c3.v - c1.v) - (c3.u - c1.u) * (c2.v - c1.v) < 0)
        return false;

    // Any point still in the list inside the triangle denies the ear, so the one found last time
    // (still in the list and still no neighbour) gives the same answer as the scan below.
    const int remembered = rememberedBlocker(slot, list);
    if (remembered >= 0 && insideOrOn(corner(points[remembered]), c1, c2, c3))
        return false;

    const int lastReal = static_cast<int>(list.size()) - 2;
    for (int s = 1; s <= lastReal; ++s)
    {
        // The tip and its neighbours; at either end of the list a neighbour sits at the other end.
        if (s >= slot - 1 && s <= slot + 1)
            continue;
        if ((slot == lastReal && s == 1) || (slot == 1 && s == lastReal))
            continue;
        if (insideOrOn(corner(points[list[s]]), c1, c2, c3))
        {
            if (!memo.blocker.empty())
                memo.blocker[static_cast<std::size_t>(list[slot])] = list[s];
            return false;
        }
    }
    return true;
}

int Triangulate2D::rememberedBlocker(int slot, const std::vector<int>& list) const
{
    if (memo.blocker.empty())
        return -1;
    const int blocker = memo.blocker[static_cast<std::size_t>(list[slot])];
    if (blocker < 0 || memo.cut[static_cast<std::size_t>(blocker)] || blocker == list[slot - 1] ||
        blocker == list[slot + 1])
        return -1;
    return blocker;
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
