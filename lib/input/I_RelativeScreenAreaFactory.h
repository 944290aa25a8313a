#pragma once

#include <string>

#include "input/I_ScreenArea.h"

namespace Input
{
// Replaces a configured area by a game-specific one, such as an area that follows something moving on
// the screen. `create` takes the configured area over and returns the area to use instead, which must
// bear the configured area's name; the caller owns the result.
class I_RelativeScreenAreaFactory
{
public:
    virtual ~I_RelativeScreenAreaFactory() = default;
    virtual I_ScreenArea* create(const std::string& type, I_ScreenArea* area) = 0;
};
} // namespace Input
