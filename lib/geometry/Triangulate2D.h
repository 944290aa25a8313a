#pragma once

#include <vector>

#include "maths/TriIndex.h"
#include "maths/Vector3.h"

namespace Geom
{
// Cuts a simple polygon into triangles by ear clipping. The outline is a list of 3-D points lying in one
// coordinate plane; the plane operations choose which two coordinates (u, v) are used. Every triangle
// comes out counter-clockwise (or flat) in (u, v), whichever way the outline runs, as indices into the
// outline. No tolerance is used: the tests are exact single-precision comparisons with 0.
class Triangulate2D
{
public:
    using Points = std::vector<MathStuff::Vector3<float>>;
    using Triangles = std::vector<MathStuff::TriIndex>;

    // Outlines of more points are not cut at all (triangulate answers false and appends nothing): the
    // work grows with the square of the points or worse, and real outlines (a circle part has at most
    // 4096 corners) stay well below.
    static const int MAX_POINTS = 8192;

    // Starts in the XY plane, so that triangulate called without choosing a plane is well defined.
    Triangulate2D();
    virtual ~Triangulate2D();

    // (u, v) = (x, y), (z, y) and (x, z); each then runs triangulate.
    virtual bool triangulateXY(const Points& points, bool counterClockwise, Triangles& out);
    virtual bool triangulateZY(const Points& points, bool counterClockwise, Triangles& out);
    virtual bool triangulateXZ(const Points& points, bool counterClockwise, Triangles& out);

    // Appends the triangles to out (never clears it). True when the outline was cut completely (at once
    // for fewer than three points); false when a whole pass found no ear, which happens for an outline
    // that crosses itself, runs the other way than counterClockwise says or leaves the plane, and at once
    // for more than MAX_POINTS points. The triangles cut before getting stuck stay in out.
    virtual bool triangulate(const Points& points, bool counterClockwise, Triangles& out);

protected:
    // Whether the vertex in the given slot of the index list is an ear: its corner turns the right way
    // (or not at all) and no other vertex still in the list lies inside or on its triangle. The list
    // holds one sentinel at each end (slot 0 repeats the last real slot, the last repeats slot 1), so
    // slot must be a real slot, 1 to size - 2.
    virtual bool isAnEar(int slot, const Points& points, const std::vector<int>& list) const;

    int axisU;
    int axisV;
    // +1 or -1: the direction in which a vertex's neighbours are read in the index list.
    int step;

private:
    // While triangulate runs: per outline point, whether it has been cut off and the point last found
    // inside its triangle (-1: none). A corner whose neighbours have not changed is tested again on
    // every pass; asking the point that stopped it last time first usually settles it at once, where
    // a scan of the whole list would find the same point again.
    struct EarMemo
    {
        std::vector<bool> cut;
        std::vector<int> blocker;
    };

    bool cutEars(const Points& points, Triangles& out);
    // The point that stopped the corner in slot last time, if it may stop it again; -1 otherwise.
    int rememberedBlocker(int slot, const std::vector<int>& list) const;
    float u(const MathStuff::Vector3<float>& p) const;
    float v(const MathStuff::Vector3<float>& p) const;
    bool setPlaneAndTriangulate(int uAxis, int vAxis, const Points& points, bool counterClockwise,
                                Triangles& out);

    mutable EarMemo memo;
};
} // namespace Geom
