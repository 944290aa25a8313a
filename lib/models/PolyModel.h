#pragma once

#include <string>
#include <vector>

#include "maths/Vector3.h"
#include "util/NamedObject.h"
#include "util/NonCopyable.h"

namespace ModelSys
{
// A flat model read from a poly-model file: a list of parts, each one filled shape in the XY or ZY
// plane. The model owns its parts.
class PolyModel : public Util::NamedObject, private Util::NonCopyable<PolyModel>
{
public:
    using Points = std::vector<MathStuff::Vector3<float>>;

    enum PLANE
    {
        XY = 0,
        ZY = 1,
        XZ = 2
    };

    enum PART_TYPE
    {
        POLYGON = 0,
        CIRCLE = 1,
        POLYLINE = 2
    };

    // One shape of a model, its offset, material name and texture coordinates (one per output vertex).
    class Part : public Util::NamedObject
    {
    public:
        Part(const std::string& name, PLANE plane, PART_TYPE type, const MathStuff::Vector3<float>& offset,
             const std::string& material);
        ~Part() override;

        // Appends the shape's triangle vertices, three per triangle; empties out when the shape cannot
        // be cut into triangles.
        virtual void getPoints(Points& out) const = 0;

        PLANE plane;
        PART_TYPE type;
        MathStuff::Vector3<float> offset;
        std::string material;
        Points texCoords;
    };

    // A closed outline given point by point.
    class PolygonPart : public Part
    {
    public:
        PolygonPart(const std::string& name, PLANE plane, const MathStuff::Vector3<float>& offset,
                    const std::string& material, const Points& points);
        void getPoints(Points& out) const override;

        Points points;
    };

    // A point list (relative steps already summed), filled as if its last point joined its first.
    class PolylinePart : public Part
    {
    public:
        PolylinePart(const std::string& name, PLANE plane, const MathStuff::Vector3<float>& offset,
                     const std::string& material, const Points& points);
        void getPoints(Points& out) const override;

        Points points;
    };

    // A regular polygon of numSegs corners round the origin, or the part of it that segRatio of a full
    // turn covers, closed by the chord.
    class CirclePart : public Part
    {
    public:
        // Past this many corners a circle yields nothing: one line could otherwise ask for billions.
        static const int MAX_SEGS = 4096;

        CirclePart(const std::string& name, PLANE plane, const MathStuff::Vector3<float>& offset,
                   const std::string& material, float radius, int numSegs, float segRatio);
        void getPoints(Points& out) const override;

        float radius;
        int numSegs;
        float segRatio;
    };

    using Parts = std::vector<Part*>;

    explicit PolyModel(const std::string& name);
    ~PolyModel() override;

    // Takes ownership.
    void addPart(Part* part);
    const Parts& getParts() const { return parts; }

private:
    Parts parts;
};

// Cuts a counter-clockwise outline of the plane into triangles and appends their corners to out (copies
// of the outline points); out is untouched on failure. Fewer than three points give no triangle and
// success.
bool triangulate(PolyModel::PLANE plane, const PolyModel::Points& outline, PolyModel::Points& out);
} // namespace ModelSys
