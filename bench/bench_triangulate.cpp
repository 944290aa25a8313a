// Ear clipping of one outline at the largest size it accepts (Geom::Triangulate2D::MAX_POINTS), on the
// shapes that cost it most: a circle, whose every corner is an ear that must be checked against all the
// others, and a tightly wound band, whose corners are stopped by the next turn and asked again on pass
// after pass. The label gives the triangles made, so a shape that stopped being cut shows.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>

#include "geometry/Triangulate2D.h"

namespace
{
using Points = Geom::Triangulate2D::Points;

const double PI = 3.14159265358979323846;

enum Shape
{
    CIRCLE = 0,
    SPIRAL = 1
};

MathStuff::Vector3<float> polar(double radius, double angle)
{
    return MathStuff::Vector3<float>(static_cast<float>(radius * std::cos(angle)),
                                     static_cast<float>(radius * std::sin(angle)), 0.0f);
}

Points circle(int count)
{
    Points points;
    for (int k = 0; k < count; ++k)
        points.push_back(polar(100, 2 * PI * k / count));
    return points;
}

// An outer arm wound out from the middle, then an inner arm back; turns full turns.
Points spiral(int count, int turns)
{
    const int half = count / 2;
    Points points;
    for (int k = 0; k < half; ++k)
    {
        const double angle = 2 * PI * turns * k / half;
        points.push_back(polar(14 + 3 * angle, angle));
    }
    for (int k = half - 1; k >= 0; --k)
    {
        const double angle = 2 * PI * turns * k / half;
        points.push_back(polar(10 + 3 * angle, angle));
    }
    return points;
}

void triangulate(benchmark::State& state)
{
    const int count = Geom::Triangulate2D::MAX_POINTS;
    const Points points = state.range(0) == CIRCLE ? circle(count) : spiral(count, int(state.range(1)));
    std::size_t triangles = 0;
    for (auto _ : state)
    {
        Geom::Triangulate2D triangulator;
        Geom::Triangulate2D::Triangles out;
        benchmark::DoNotOptimize(triangulator.triangulateXY(points, true, out));
        triangles = out.size();
    }
    char label[40];
    std::snprintf(label, sizeof label, "points=%d triangles=%zu", count, triangles);
    state.SetLabel(label);
}
} // namespace

BENCHMARK(triangulate)
    ->Name("circle")
    ->ArgNames({"shape", "turns"})
    ->Args({CIRCLE, 0})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(triangulate)
    ->Name("spiral")
    ->ArgNames({"shape", "turns"})
    ->Args({SPIRAL, 20})
    ->Args({SPIRAL, 80})
    ->Args({SPIRAL, 40})
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
