#include "maze/MazeData.h"

#include <climits>

#include "maze/MazeHelper.h"

namespace Maze
{
MazeData::MazeData()
    : root(nullptr), wrapRound(false), singlePath(false), noDeadEnds(false), openPlanChance(0)
{
}

MazeData::MazeData(const TileData& tiles, const std::vector<int>& dims, const std::vector<int>& start,
                   bool wrap, bool single, bool noDeadEndsOn, int openPlan)
    : root(nullptr), tileData(tiles), dimensions(dims), startLoc(start), wrapRound(wrap), singlePath(single),
      noDeadEnds(noDeadEndsOn), openPlanChance(openPlan)
{
}

MazeData::MazeData(const MazeData& other) : root(nullptr)
{
    copyDescription(other);
}

MazeData& MazeData::operator=(const MazeData& other)
{
    if (this != &other)
    {
        setRoot(nullptr);
        copyDescription(other);
    }
    return *this;
}

MazeData::~MazeData()
{
    MazeHelper::deleteMaze(root);
}

void MazeData::copyDescription(const MazeData& other)
{
    tileData = other.tileData;
    dimensions = other.dimensions;
    startLoc = other.startLoc;
    endLoc = other.endLoc;
    wrapRound = other.wrapRound;
    singlePath = other.singlePath;
    noDeadEnds = other.noDeadEnds;
    openPlanChance = other.openPlanChance;
}

const TileData& MazeData::getTileData() const
{
    return tileData;
}

const std::vector<int>& MazeData::getDimensions() const
{
    return dimensions;
}

const std::vector<int>& MazeData::getStartLoc() const
{
    return startLoc;
}

bool MazeData::getWrapRoundOn() const
{
    return wrapRound;
}

bool MazeData::getSinglePath() const
{
    return singlePath;
}

bool MazeData::getNoDeadEnds() const
{
    return noDeadEnds;
}

int MazeData::getOpenPlanChance() const
{
    return openPlanChance;
}

void MazeData::setTileData(const TileData& data)
{
    tileData = data;
}

void MazeData::setDimensions(const std::vector<int>& dims)
{
    dimensions = dims;
}

void MazeData::setStartLoc(const std::vector<int>& loc)
{
    startLoc = loc;
}

void MazeData::setWrapRound(bool on)
{
    wrapRound = on;
}

void MazeData::setSinglePath(bool on)
{
    singlePath = on;
}

void MazeData::setNoDeadEnds(bool on)
{
    noDeadEnds = on;
}

void MazeData::setOpenPlanChance(int percent)
{
    openPlanChance = percent;
}

Node* MazeData::getRoot() const
{
    return root;
}

void MazeData::setRoot(Node* newRoot)
{
    if (newRoot != root)
    {
        MazeHelper::deleteMaze(root);
        root = newRoot;
    }
}

void MazeData::setEndLoc(const std::vector<int>& loc)
{
    endLoc = loc;
}

const std::vector<int>& MazeData::getEndLoc() const
{
    return endLoc;
}

int MazeData::getTotalCells() const
{
    long long total = 1;
    for (int d : dimensions)
    {
        if (d <= 0)
        {
            return 0;
        }
        total = total > LLONG_MAX / d ? LLONG_MAX : total * d;
    }
    return total > INT_MAX ? INT_MAX : static_cast<int>(total);
}
} // namespace Maze
