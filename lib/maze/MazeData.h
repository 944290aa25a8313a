#pragma once

#include <vector>

#include "maze/CellLoc.h"
#include "maze/Node.h"
#include "maze/TileData.h"

namespace Maze
{
// A maze's description (tile data, grid size, start, carving options) and, once generated, its result:
// the graph of cells reached from the root, which this object owns, and the end location.
class MazeData
{
public:
    MazeData();
    MazeData(const TileData& tileData, const std::vector<int>& dimensions, const std::vector<int>& startLoc,
             bool wrapRound, bool singlePath, bool noDeadEnds, int openPlanChance);
    // A copy takes the description and the end location but never the graph: its root is null, so
    // the two never share or free one graph twice.
    MazeData(const MazeData& other);
    MazeData& operator=(const MazeData& other);
    virtual ~MazeData();

    virtual const TileData& getTileData() const;
    virtual const std::vector<int>& getDimensions() const;
    virtual const std::vector<int>& getStartLoc() const;
    virtual bool getWrapRoundOn() const;
    virtual bool getSinglePath() const;
    virtual bool getNoDeadEnds() const;
    virtual int getOpenPlanChance() const;
    virtual void setTileData(const TileData& data);
    virtual void setDimensions(const std::vector<int>& dims);
    virtual void setStartLoc(const std::vector<int>& loc);
    virtual void setWrapRound(bool on);
    virtual void setSinglePath(bool on);
    virtual void setNoDeadEnds(bool on);
    virtual void setOpenPlanChance(int percent);
    virtual Node* getRoot() const;
    // Takes the graph of newRoot over and frees the graph held before (unless it is the same root).
    // newRoot must not be a node of the graph held before.
    virtual void setRoot(Node* newRoot);
    virtual void setEndLoc(const std::vector<int>& loc);
    virtual const std::vector<int>& getEndLoc() const;
    // The product of the dimensions (1 for none); 0 when a dimension holds no cell, and the largest
    // int when the product does not fit one.
    virtual int getTotalCells() const;

private:
    void copyDescription(const MazeData& other);

    Node* root;
    TileData tileData;
    CellLoc dimensions;
    CellLoc startLoc;
    CellLoc endLoc;
    bool wrapRound;
    bool singlePath;
    bool noDeadEnds;
    int openPlanChance;
};
} // namespace Maze
