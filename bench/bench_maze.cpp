#include <benchmark/benchmark.h>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include <cstdio>
#include <memory>
#include <vector>

#include "bench/MazeChecksum.h"
#include "maze/Generator.h"
#include "maze/MazeHelper.h"
#include "random/RandUniversal.h"

namespace
{
const unsigned SEED = 20240611;

enum Options
{
    KRUSKAL = 0,
    SINGLE_PATH = 1,
    NO_DEAD_ENDS = 2,
    OPEN_PLAN = 4
};

// Generates a width by height maze from a fixed seed on every iteration, as a level does: a generator
// made for it, one maze generated, the generator destroyed. Reports the time per cell and, as the label,
// the checksum of the open exits in node-list order.
void generateMaze(benchmark::State& state)
{
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    const int options = static_cast<int>(state.range(2));
    Maze::TileData tiles;
    Maze::MazeHelper::makeSquareTileData(tiles, 0);
    const Maze::MazeData description(tiles, {width, height}, {0, 0}, false, (options & SINGLE_PATH) != 0,
                                     (options & NO_DEAD_ENDS) != 0, (options & OPEN_PLAN) != 0 ? 10 : 0);
    RNG::RandUniversal rng;
    std::uint64_t checksum = 0;
    for (auto _ : state)
    {
        Maze::Generator generator(description, &rng);
        std::unique_ptr<Maze::MazeData> maze(generator.generate(SEED));
        state.PauseTiming();
        checksum = MazeBench::openExitChecksum(maze->getRoot());
        maze.reset();
#if defined(__GLIBC__)
        // Every run starts as a level does when the memory of the one before has gone back to the
        // system: the pages a maze touches are fresh, and faulting them in is part of its cost.
        malloc_trim(0);
#endif
        state.ResumeTiming();
    }
    const double cells = static_cast<double>(width) * height;
    state.counters["cells"] = cells;
    state.counters["time_per_cell"] = benchmark::Counter(
        cells, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    char label[40];
    std::snprintf(label, sizeof label, "checksum=%016llx", static_cast<unsigned long long>(checksum));
    state.SetLabel(label);
}

void squares(benchmark::internal::Benchmark* b)
{
    for (int mode : {KRUSKAL, SINGLE_PATH})
    {
        for (int side : {100, 300, 1000, 2000})
        {
            b->Args({side, side, mode});
        }
    }
}

void finished(benchmark::internal::Benchmark* b)
{
    b->Args({1000, 1000, KRUSKAL | NO_DEAD_ENDS | OPEN_PLAN});
    b->Args({1000, 1000, SINGLE_PATH | NO_DEAD_ENDS | OPEN_PLAN});
}

void thin(benchmark::internal::Benchmark* b)
{
    for (int mode : {KRUSKAL, SINGLE_PATH})
    {
        for (int length : {10000, 50000, 200000})
        {
            b->Args({2, length, mode});
            b->Args({length, 2, mode});
        }
    }
}
} // namespace

BENCHMARK(generateMaze)
    ->Name("square")
    ->ArgNames({"w", "h", "mode"})
    ->Apply(squares)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(generateMaze)
    ->Name("finished")
    ->ArgNames({"w", "h", "mode"})
    ->Apply(finished)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(generateMaze)
    ->Name("thin")
    ->ArgNames({"w", "h", "mode"})
    ->Apply(thin)
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
