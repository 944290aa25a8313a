#include "maze/TileData.h"

namespace Maze
{
void TileData::defineConnection(const Connection& c)
{
    if (connections.empty())
    {
        setFirstCellType(c.fromType);
    }
    connections.push_back(c);
}

void TileData::setFirstCellType(const unsigned& type)
{
    firstCellType = type;
}

const unsigned& TileData::getFirstCellType() const
{
    return firstCellType;
}

int TileData::getNumConnections(const unsigned& type) const
{
    int count = 0;
    for (const Connection& c : connections)
    {
        if (c.fromType == type)
        {
            ++count;
        }
    }
    return count;
}

const TileData::Connection* TileData::getConnection(const unsigned& type, int i) const
{
    if (i < 0)
    {
        return nullptr;
    }
    for (const Connection& c : connections)
    {
        if (c.fromType == type && i-- == 0)
        {
            return &c;
        }
    }
    return nullptr;
}
} // namespace Maze
