#include "maths/PointsStringXY.h"

namespace MathStuff
{
PointsStringXY::PointsStringXY(float defaultCoordIn) : PointsString(defaultCoordIn, false) {}

PointsStringXY::~PointsStringXY() = default;
} // namespace MathStuff
