#pragma once

#include "maths/PointsString.h"

namespace MathStuff
{
// Points of the XY plane: two numbers are x, y and the default coordinate fills the third.
class PointsStringXY : public PointsString
{
public:
    explicit PointsStringXY(float defaultCoordIn);
    ~PointsStringXY() override;
};
} // namespace MathStuff
