#include "maze/Generator.h"

#include <memory>

#include "maze/KruskalCarver.h"
#include "maze/MazeFinisher.h"
#include "maze/MazeGraph.h"
#include "maze/SinglePathCarver.h"
#include "random/RandSimple.h"

namespace Maze
{
namespace
{
RNG::I_Random* sharedDefaultRandom()
{
    static RNG::RandSimple l_default(32);
    return &l_default;
}
} // namespace

// The graph is built afresh for every maze; the carving and finishing work on it and hand its nodes
// over to the maze.
class Generator::Impl
{
public:
    Impl(const MazeData& description, RNG::I_Random* source) : base(description), graph(base)
    {
        setRNG(source);
    }

    void setRNG(RNG::I_Random* source) { rng = source != nullptr ? source : sharedDefaultRandom(); }
    MazeData* generate(unsigned seed);

private:
    void carveAndFinish(MazeData& result);

    MazeData base;
    RNG::I_Random* rng = nullptr;
    // Declared after base, which it reads.
    MazeGraph graph;
};

void Generator::Impl::carveAndFinish(MazeData& result)
{
    if (base.getSinglePath())
    {
        const CellLoc end = SinglePathCarver(graph, *rng).carve(base.getTotalCells());
        result.setEndLoc(end);
        base.setEndLoc(end);
    }
    else
    {
        KruskalCarver(graph, *rng).carve();
    }
    MazeFinisher finisher(graph, *rng);
    if (base.getNoDeadEnds())
    {
        finisher.removeDeadEnds();
    }
    if (base.getOpenPlanChance() != 0)
    {
        finisher.makeOpenPlan(base.getOpenPlanChance());
    }
}

MazeData* Generator::Impl::generate(unsigned seed)
{
    if (!graph.prepare())
    {
        graph.reset(false);
        return nullptr;
    }
    std::unique_ptr<MazeData> result(new MazeData(base));
    if (seed != 0)
    {
        rng->initialise(seed);
    }
    try
    {
        if (!graph.build())
        {
            graph.reset(true);
            return nullptr;
        }
        carveAndFinish(*result);
        result->setRoot(graph.root());
        graph.reset(false);
    }
    catch (...)
    {
        graph.reset(true);
        throw;
    }
    return result.release();
}

Generator::Generator(const MazeData& description, RNG::I_Random* rng) : impl(new Impl(description, rng)) {}

Generator::~Generator()
{
    delete impl;
}

void Generator::setRNG(RNG::I_Random* rng)
{
    impl->setRNG(rng);
}

MazeData* Generator::generate(unsigned seed)
{
    return impl->generate(seed);
}
} // namespace Maze
