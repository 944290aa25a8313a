#include "geometry/Triangulate2D.h"

#include <algorithm>
#include <cmath>
#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

using Geom::Triangulate2D;
using MathStuff::TriIndex;
using MathStuff::Vector3;

namespace
{
using Points = std::vector<Vector3<float>>;
using Triangles = std::vector<TriIndex>;
using Point2 = std::pair<int, int>;

Points outlineXY(const std::vector<Point2>& uv)
{
    Points points;
    for (const Point2& p : uv)
        points.emplace_back(static_cast<float>(p.first), static_cast<float>(p.second), 0.0f);
    return points;
}

std::string describe(const Triangles& triangles)
{
    std::ostringstream text;
    for (const TriIndex& t : triangles)
        text << "(" << t.a << "," << t.b << "," << t.c << ")";
    return text.str();
}

const std::vector<Point2> SQUARE = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
const std::vector<Point2> SQUARE_CLOCKWISE = {{0, 1}, {1, 1}, {1, 0}, {0, 0}};
const std::vector<Point2> L_SHAPE = {{0, 0}, {2, 0}, {2, 1}, {1, 1}, {1, 2}, {0, 2}};

// Lets the tests ask the ear test directly and triangulate without choosing a plane.
class OpenTriangulate2D : public Triangulate2D
{
public:
    using Triangulate2D::isAnEar;
    using Triangulate2D::step;
};
} // namespace

TEST(Triangulate2DTest, ExactOutputsInTheXYPlane)
{
    struct Case
    {
        const char* name;
        std::vector<Point2> outline;
        bool counterClockwise;
        bool expectedResult;
        std::string expectedTriangles;
    };
    const Case cases[] = {
        {"square", SQUARE, true, true, "(3,0,1)(1,2,3)"},
        {"square, flag cleared: no ear at all", SQUARE, false, false, ""},
        {"clockwise square, flag set", SQUARE_CLOCKWISE, true, false, ""},
        {"clockwise square", SQUARE_CLOCKWISE, false, true, "(1,0,3)(3,2,1)"},
        // Vertex 0 is passed over at first: (1,1) lies on the edge of its triangle.
        {"L shape", L_SHAPE, true, true, "(0,1,2)(3,4,5)(0,2,3)(3,5,0)"},
        // A corner on a straight edge is an ear too: it gives a flat triangle.
        {"square with a point on its right edge",
         {{0, 0}, {2, 0}, {2, 1}, {2, 2}, {0, 2}},
         true,
         true,
         "(4,0,1)(1,2,3)(3,4,1)"},
        // Cutting the last real slot moves the scan on to slot 2, so vertex 1 waits a whole pass.
        {"convex heptagon",
         {{1, 0}, {3, 0}, {4, 2}, {3, 4}, {1, 4}, {0, 3}, {0, 1}},
         true,
         true,
         "(6,0,1)(1,2,3)(3,4,5)(5,6,1)(1,3,5)"},
        {"triangle", {{0, 0}, {1, 0}, {0, 1}}, true, true, "(2,0,1)"},
        {"clockwise triangle", {{0, 0}, {0, 1}, {1, 0}}, false, true, "(1,0,2)"},
        {"two points", {{0, 0}, {1, 0}}, true, true, ""},
        {"one point", {{0, 0}}, false, true, ""},
        {"no points", {}, true, true, ""},
        // Stuck after cutting: what was cut before stays in the output.
        {"crossing outline", {{0, 0}, {2, 2}, {2, 0}, {0, 2}}, true, false, "(3,0,1)"},
        {"counter-clockwise outline, flag cleared",
         {{0, 0}, {2, 0}, {2, 2}, {1, 1}, {0, 2}},
         false,
         false,
         "(4,3,2)"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        Triangulate2D triangulator;
        Triangles out;
        EXPECT_EQ(triangulator.triangulateXY(outlineXY(c.outline), c.counterClockwise, out),
                  c.expectedResult);
        EXPECT_EQ(describe(out), c.expectedTriangles);
    }
}

TEST(Triangulate2DTest, EarTestRejectsAVertexOnTheTriangleEdge)
{
    OpenTriangulate2D triangulator;
    triangulator.step = 1;
    const Points points = outlineXY(L_SHAPE);
    const std::vector<int> list = {5, 0, 1, 2, 3, 4, 5, 0};
    EXPECT_FALSE(triangulator.isAnEar(1, points, list));
    EXPECT_TRUE(triangulator.isAnEar(2, points, list));
    // The reflex corner at (1,1).
    EXPECT_FALSE(triangulator.isAnEar(4, points, list));
}

TEST(Triangulate2DTest, EachPlaneReadsItsOwnTwoCoordinates)
{
    using PlaneOperation = bool (Triangulate2D::*)(const Points&, bool, Triangles&);
    struct Case
    {
        const char* name;
        PlaneOperation operation;
        int uAxis;
        int vAxis;
    };
    const Case cases[] = {
        {"XY", &Triangulate2D::triangulateXY, 0, 1},
        {"ZY", &Triangulate2D::triangulateZY, 2, 1},
        {"XZ", &Triangulate2D::triangulateXZ, 0, 2},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        // The L shape in the plane, with the third coordinate varying wildly: it must be ignored.
        Points points;
        float other = -7;
        for (const Point2& p : L_SHAPE)
        {
            float coords[3] = {other, other, other};
            coords[c.uAxis] = static_cast<float>(p.first);
            coords[c.vAxis] = static_cast<float>(p.second);
            points.emplace_back(coords[0], coords[1], coords[2]);
            other = -other * 3 + 1;
        }
        Triangulate2D triangulator;
        Triangles out;
        EXPECT_TRUE((triangulator.*c.operation)(points, true, out));
        EXPECT_EQ(describe(out), "(0,1,2)(3,4,5)(0,2,3)(3,5,0)");
        out.clear();
        EXPECT_FALSE((triangulator.*c.operation)(points, false, out));
    }
}

TEST(Triangulate2DTest, AppendsToTheOutputAndCanBeReused)
{
    Triangulate2D triangulator;
    Triangles out;
    EXPECT_TRUE(triangulator.triangulateXY(outlineXY(SQUARE), true, out));
    EXPECT_FALSE(triangulator.triangulateXY(outlineXY(SQUARE_CLOCKWISE), true, out));
    EXPECT_TRUE(triangulator.triangulateXY(outlineXY(SQUARE_CLOCKWISE), false, out));
    EXPECT_EQ(describe(out), "(3,0,1)(1,2,3)(1,0,3)(3,2,1)");
}

TEST(Triangulate2DTest, WithoutAChosenPlaneUsesTheLastOneOrXY)
{
    // A new object starts in the XY plane.
    OpenTriangulate2D fresh;
    Triangles out;
    EXPECT_TRUE(fresh.triangulate(outlineXY(L_SHAPE), true, out));
    EXPECT_EQ(describe(out), "(0,1,2)(3,4,5)(0,2,3)(3,5,0)");

    // The square in the ZY plane: x is constant, so read as XY it would be a flat line with no ear.
    Points square;
    for (const Point2& p : SQUARE)
        square.emplace_back(4.0f, static_cast<float>(p.second), static_cast<float>(p.first));
    Triangulate2D reused;
    out.clear();
    EXPECT_TRUE(reused.triangulateZY(square, true, out));
    EXPECT_TRUE(reused.triangulate(square, true, out));
    EXPECT_EQ(describe(out), "(3,0,1)(1,2,3)(3,0,1)(1,2,3)");
}

namespace
{
long long cross(const Point2& o, const Point2& a, const Point2& b)
{
    return static_cast<long long>(a.first - o.first) * (b.second - o.second) -
           static_cast<long long>(a.second - o.second) * (b.first - o.first);
}

int sign(long long v)
{
    return (v > 0) - (v < 0);
}

bool onSegment(const Point2& a, const Point2& p, const Point2& b)
{
    return std::min(a.first, b.first) <= p.first && p.first <= std::max(a.first, b.first) &&
           std::min(a.second, b.second) <= p.second && p.second <= std::max(a.second, b.second);
}

// Closed segments ab and cd share a point.
bool segmentsMeet(const Point2& a, const Point2& b, const Point2& c, const Point2& d)
{
    const int o1 = sign(cross(a, b, c)), o2 = sign(cross(a, b, d));
    const int o3 = sign(cross(c, d, a)), o4 = sign(cross(c, d, b));
    if (o1 != o2 && o3 != o4)
        return true;
    return (o1 == 0 && onSegment(a, c, b)) || (o2 == 0 && onSegment(a, d, b)) ||
           (o3 == 0 && onSegment(c, a, d)) || (o4 == 0 && onSegment(c, b, d));
}

long long twiceArea(const std::vector<Point2>& poly)
{
    long long sum = 0;
    for (std::size_t i = 0; i < poly.size(); ++i)
    {
        const Point2& p = poly[i];
        const Point2& q = poly[(i + 1) % poly.size()];
        sum += static_cast<long long>(p.first) * q.second - static_cast<long long>(q.first) * p.second;
    }
    return sum;
}

bool isSimple(const std::vector<Point2>& poly)
{
    const std::size_t n = poly.size();
    if (n < 3 || twiceArea(poly) == 0)
        return false;
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t j = i + 1; j < n; ++j)
        {
            if (poly[i] == poly[j])
                return false;
            const Point2 &a = poly[i], &b = poly[(i + 1) % n], &c = poly[j], &d = poly[(j + 1) % n];
            if (j == i + 1 || (i == 0 && j == n - 1))
            {
                // Neighbouring edges share a corner; they must not fold back over each other.
                const Point2& shared = j == i + 1 ? b : a;
                const Point2& end1 = j == i + 1 ? a : b;
                const Point2& end2 = j == i + 1 ? d : c;
                const long long dot =
                    static_cast<long long>(end1.first - shared.first) * (end2.first - shared.first) +
                    static_cast<long long>(end1.second - shared.second) * (end2.second - shared.second);
                if (cross(shared, end1, end2) == 0 && dot > 0)
                    return false;
                continue;
            }
            if (segmentsMeet(a, b, c, d))
                return false;
        }
    return true;
}

// Random points untangled by reversing the path between two crossing edges until none cross; on a
// fine grid this gives general simple polygons, on a coarse one many with collinear points.
bool randomSimplePolygon(std::mt19937& random, int count, int gridSize, std::vector<Point2>& poly)
{
    std::uniform_int_distribution<int> coord(0, gridSize);
    poly.clear();
    for (int i = 0; i < count; ++i)
        poly.emplace_back(coord(random), coord(random));
    const int n = count;
    for (int round = 0; round < 10000; ++round)
    {
        bool crossed = false;
        for (int i = 0; i < n && !crossed; ++i)
            for (int j = i + 2; j < n && !crossed; ++j)
            {
                if (i == 0 && j == n - 1)
                    continue;
                const Point2 &a = poly[i], &b = poly[i + 1], &c = poly[j], &d = poly[(j + 1) % n];
                if (sign(cross(a, b, c)) * sign(cross(a, b, d)) < 0 &&
                    sign(cross(c, d, a)) * sign(cross(c, d, b)) < 0)
                {
                    std::reverse(poly.begin() + i + 1, poly.begin() + j + 1);
                    crossed = true;
                }
            }
        if (!crossed)
            break;
    }
    if (!isSimple(poly))
        return false;
    if (twiceArea(poly) < 0)
        std::reverse(poly.begin(), poly.end());
    return true;
}
} // namespace

TEST(Triangulate2DTest, RandomSimplePolygonsAreCutCompletely)
{
    struct Setting
    {
        int gridSize;
        int maxCount;
        int polygons;
    };
    // Coordinates stay small enough for every product in the ear test to be exact in single precision.
    const Setting settings[] = {{1000, 60, 300}, {4, 9, 300}, {8, 16, 300}};
    std::mt19937 random(20240613u);
    for (const Setting& setting : settings)
    {
        std::uniform_int_distribution<int> count(3, setting.maxCount);
        int made = 0;
        for (int attempt = 0; made < setting.polygons && attempt < 100 * setting.polygons; ++attempt)
        {
            std::vector<Point2> poly;
            if (!randomSimplePolygon(random, count(random), setting.gridSize, poly))
                continue;
            ++made;
            std::ostringstream name;
            for (const Point2& p : poly)
                name << "(" << p.first << "," << p.second << ")";
            SCOPED_TRACE(name.str());

            // Counter-clockwise with the flag set, and the same outline run backwards with it cleared.
            for (bool counterClockwise : {true, false})
            {
                std::vector<Point2> outline = poly;
                if (!counterClockwise)
                    std::reverse(outline.begin(), outline.end());
                Triangulate2D triangulator;
                Triangles out;
                ASSERT_TRUE(triangulator.triangulateXY(outlineXY(outline), counterClockwise, out));
                ASSERT_EQ(out.size(), outline.size() - 2);
                long long areaSum = 0;
                for (const TriIndex& t : out)
                {
                    for (int index : {t.a, t.b, t.c})
                        ASSERT_TRUE(index >= 0 && index < static_cast<int>(outline.size()));
                    const long long area = twiceArea({outline[t.a], outline[t.b], outline[t.c]});
                    // Every triangle runs counter-clockwise or is flat, whichever way the outline runs.
                    EXPECT_GE(area, 0);
                    areaSum += area;
                }
                EXPECT_EQ(areaSum, twiceArea(poly));
            }
        }
        EXPECT_EQ(made, setting.polygons) << "grid " << setting.gridSize;
    }
}

namespace
{
Points circle(int count)
{
    const double pi = 3.14159265358979323846;
    Points points;
    for (int k = 0; k < count; ++k)
    {
        const double angle = 2 * pi * k / count;
        points.emplace_back(static_cast<float>(100 * std::cos(angle)),
                            static_cast<float>(100 * std::sin(angle)), 0.0f);
    }
    return points;
}

// A band wound round the origin: an outer arm out to the end, then an inner arm back. Most corners are
// stopped by the next turn, so they are tested again on pass after pass.
Points spiral(int count, double turns)
{
    const double pi = 3.14159265358979323846;
    const int half = count / 2;
    Points outer, inner;
    for (int k = 0; k < half; ++k)
    {
        const double angle = 2 * pi * turns * k / half;
        const double radius = 10 + 3 * angle;
        outer.emplace_back(static_cast<float>((radius + 4) * std::cos(angle)),
                           static_cast<float>((radius + 4) * std::sin(angle)), 0.0f);
        inner.emplace_back(static_cast<float>(radius * std::cos(angle)),
                           static_cast<float>(radius * std::sin(angle)), 0.0f);
    }
    outer.insert(outer.end(), inner.rbegin(), inner.rend());
    return outer;
}
} // namespace

TEST(Triangulate2DTest, OutlinesPastTheBoundAreNotCut)
{
    struct Case
    {
        int points;
        bool expectedResult;
        std::size_t expectedTriangles;
    };
    const int bound = Triangulate2D::MAX_POINTS;
    const Case cases[] = {
        {bound, true, static_cast<std::size_t>(bound - 2)},
        {bound + 1, false, 0},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.points);
        Triangulate2D triangulator;
        // Whatever the output held before stays.
        Triangles out(1, TriIndex{7, 8, 9});
        EXPECT_EQ(triangulator.triangulateXY(circle(c.points), true, out), c.expectedResult);
        ASSERT_EQ(out.size(), 1 + c.expectedTriangles);
        EXPECT_EQ(describe({out[0]}), "(7,8,9)");
    }
}

TEST(Triangulate2DTest, ATightSpiralIsCutCompletely)
{
    // Corners stopped on one pass are asked again on the next, after their blockers may have been cut.
    const Points outline = spiral(2000, 20);
    for (bool counterClockwise : {true, false})
    {
        SCOPED_TRACE(counterClockwise);
        Points points = outline;
        if (!counterClockwise)
            std::reverse(points.begin(), points.end());
        Triangulate2D triangulator;
        Triangles out;
        ASSERT_TRUE(triangulator.triangulateXY(points, counterClockwise, out));
        ASSERT_EQ(out.size(), points.size() - 2);
        // The triangles cover the band exactly once: their areas add up to its area.
        const auto twiceAreaOf = [&points](int a, int b, int c)
        {
            const Vector3<float>&p = points[a], &q = points[b], &r = points[c];
            return (double(q.x) - p.x) * (double(r.y) - p.y) - (double(r.x) - p.x) * (double(q.y) - p.y);
        };
        double outlineArea = 0, trianglesArea = 0;
        for (std::size_t i = 1; i + 1 < outline.size(); ++i)
            outlineArea += twiceAreaOf(0, static_cast<int>(i), static_cast<int>(i + 1));
        for (const TriIndex& t : out)
            trianglesArea += twiceAreaOf(t.a, t.b, t.c);
        EXPECT_NEAR(trianglesArea, std::fabs(outlineArea), 1e-6 * std::fabs(outlineArea));
    }
}
