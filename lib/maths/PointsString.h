#pragma once

#include <string>
#include <vector>

#include "maths/Vector3.h"

namespace MathStuff
{
// Reads lists of points from configuration text: points are separated by blanks or line breaks, and
// each point is two or three comma-separated numbers. A point of two numbers lies in a coordinate
// plane and takes its missing coordinate from defaultCoord: the plane is XY, or ZY when zy is set
// (the first number is then z).
class PointsString
{
public:
    PointsString(float defaultCoordIn, bool zyIn);
    virtual ~PointsString();

    virtual void setDefault(float coord);

    // Appends one point per token of text to out, emptying out first unless append is set.
    // A token that is not a point still gives one point, (0, 0, 0). Always true.
    virtual bool parse(const std::string& text, std::vector<Vector3<float>>& out, bool append) const;

    // Three numbers give (x, y, z); two give a point of the plane; any other count gives (0, 0, 0).
    // Text that is not a number reads 0.
    virtual Vector3<float> stringToPoint(const std::string& text) const;

protected:
    float defaultCoord;
    bool zy;
};
} // namespace MathStuff
