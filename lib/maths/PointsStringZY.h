#pragma once

#include "maths/PointsString.h"

namespace MathStuff
{
// Points of the ZY plane: two numbers are z, y and the default coordinate fills the third.
class PointsStringZY : public PointsString
{
public:
    explicit PointsStringZY(float defaultCoordIn);
    ~PointsStringZY() override;
};
} // namespace MathStuff
