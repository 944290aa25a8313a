#include "models/PolyModel.h"

#include <cmath>

#include "geometry/Triangulate2D.h"

namespace ModelSys
{
PolyModel::Part::Part(const std::string& name, PLANE planeIn, PART_TYPE typeIn,
                      const MathStuff::Vector3<float>& offsetIn, const std::string& materialIn)
    : Util::NamedObject(name), plane(planeIn), type(typeIn), offset(offsetIn), material(materialIn)
{
}

PolyModel::Part::~Part() = default;

PolyModel::PolygonPart::PolygonPart(const std::string& name, PLANE planeIn,
                                    const MathStuff::Vector3<float>& offsetIn, const std::string& materialIn,
                                    const Points& pointsIn)
    : Part(name, planeIn, POLYGON, offsetIn, materialIn), points(pointsIn)
{
}

void PolyModel::PolygonPart::getPoints(Points& out) const
{
    if (!triangulate(plane, points, out))
        out.clear();
}

PolyModel::PolylinePart::PolylinePart(const std::string& name, PLANE planeIn,
                                      const MathStuff::Vector3<float>& offsetIn,
                                      const std::string& materialIn, const Points& pointsIn)
    : Part(name, planeIn, POLYLINE, offsetIn, materialIn), points(pointsIn)
{
}

void PolyModel::PolylinePart::getPoints(Points& out) const
{
    if (!triangulate(plane, points, out))
        out.clear();
}

PolyModel::CirclePart::CirclePart(const std::string& name, PLANE planeIn,
                                  const MathStuff::Vector3<float>& offsetIn, const std::string& materialIn,
                                  float radiusIn, int numSegsIn, float segRatioIn)
    : Part(name, planeIn, CIRCLE, offsetIn, materialIn), radius(radiusIn), numSegs(numSegsIn),
      segRatio(segRatioIn)
{
}

void PolyModel::CirclePart::getPoints(Points& out) const
{
    if (numSegs > MAX_SEGS)
        return;
    const double pi = 3.14159265358979323846;
    Points outline;
    if (numSegs > 0)
    {
        const float step = static_cast<float>(2.0 * segRatio * pi / numSegs);
        outline.reserve(static_cast<std::size_t>(numSegs));
        for (int k = 0; k < numSegs; ++k)
        {
            const float angle = static_cast<float>(k) * step;
            const float c = static_cast<float>(radius * std::cos(static_cast<double>(angle)));
            const float s = static_cast<float>(radius * std::sin(static_cast<double>(angle)));
            if (plane == ZY)
                outline.push_back(MathStuff::Vector3<float>(0.0f, s, c));
            else if (plane == XZ)
                outline.push_back(MathStuff::Vector3<float>(c, 0.0f, s));
            else
                outline.push_back(MathStuff::Vector3<float>(c, s, 0.0f));
        }
    }
    if (!triangulate(plane, outline, out))
        out.clear();
}

PolyModel::PolyModel(const std::string& name) : Util::NamedObject(name) {}

PolyModel::~PolyModel()
{
    for (Part* part : parts)
        delete part;
}

void PolyModel::addPart(Part* part)
{
    parts.push_back(part);
}

bool triangulate(PolyModel::PLANE plane, const PolyModel::Points& outline, PolyModel::Points& out)
{
    Geom::Triangulate2D triangulator;
    Geom::Triangulate2D::Triangles triangles;
    bool done = false;
    if (plane == PolyModel::XY)
        done = triangulator.triangulateXY(outline, true, triangles);
    else if (plane == PolyModel::ZY)
        done = triangulator.triangulateZY(outline, true, triangles);
    else if (plane == PolyModel::XZ)
        done = triangulator.triangulateXZ(outline, true, triangles);
    if (!done)
        return false;
    out.reserve(out.size() + 3 * triangles.size());
    for (const MathStuff::TriIndex& triangle : triangles)
    {
        out.push_back(outline[static_cast<std::size_t>(triangle.a)]);
        out.push_back(outline[static_cast<std::size_t>(triangle.b)]);
        out.push_back(outline[static_cast<std::size_t>(triangle.c)]);
    }
    return true;
}
} // namespace ModelSys
