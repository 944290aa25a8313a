#pragma once

namespace Game
{
// Told the window size when registered with the game manager and on every SCREEN event.
class I_ScreenWatcher
{
public:
    virtual void setScreenSize(int width, int height) = 0;

protected:
    // Watchers are never deleted through this interface.
    ~I_ScreenWatcher() = default;
};
} // namespace Game
