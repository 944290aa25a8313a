#pragma once

#include <cstdint>
#include <vector>

#include "maze/CellLoc.h"

namespace Maze
{
// Which neighbours each cell type has: a table of connections, each an offset from a cell of one type
// to a neighbouring cell of another. A connection's exit index is its position among the connections
// of the same fromType, in definition order.
class TileData
{
public:
    struct Connection
    {
        std::uint32_t fromType;
        CellLoc offset;
        std::uint32_t toType;
    };

    TileData() = default;
    TileData(const TileData&) = default;
    TileData& operator=(const TileData&) = default;
    virtual ~TileData() = default;

    // The first connection defined also sets the first cell type to its fromType.
    virtual void defineConnection(const Connection& c);
    virtual void setFirstCellType(const unsigned& type);
    virtual const unsigned& getFirstCellType() const;
    virtual int getNumConnections(const unsigned& type) const;
    // Connection i (from 0) of the type, or null when the type has no such connection.
    virtual const Connection* getConnection(const unsigned& type, int i) const;

protected:
    unsigned firstCellType = 0;
    std::vector<Connection> connections;
};
} // namespace Maze
