#include "orvik/src/MenuLogic.h"

namespace Orvik
{
std::string MenuLogic::onUpdate(float)
{
    return "DONE";
}
} // namespace Orvik
