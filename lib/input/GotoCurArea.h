#pragma once

namespace Input
{
// As the argument of an AREA_GOTO action: the current area. Apart from the controller that reads the
// actions, so that the handler that obeys them needs nothing of the controller.
constexpr const char* GOTOCURAREA_TEXT = "[GOTOCURAREA]";
} // namespace Input
