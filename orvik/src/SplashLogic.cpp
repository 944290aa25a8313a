#include "orvik/src/SplashLogic.h"

namespace Orvik
{
std::string SplashLogic::onUpdate(float)
{
    return "DONE";
}
} // namespace Orvik
