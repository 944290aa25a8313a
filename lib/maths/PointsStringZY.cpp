#include "maths/PointsStringZY.h"

namespace MathStuff
{
PointsStringZY::PointsStringZY(float defaultCoordIn) : PointsString(defaultCoordIn, true) {}

PointsStringZY::~PointsStringZY() = default;
} // namespace MathStuff
