#pragma once

#include "geometry/Rect.h"

namespace EVT
{
class I_Event;
} // namespace EVT

namespace Game
{
// One layer of what the player sees and touches, driven each frame by the view manager. Views belong
// to whoever made them; times are in game milliseconds.
class I_View
{
public:
    virtual ~I_View() = default;

    virtual void setPause(bool paused) = 0;
    virtual void setScreenSize(int width, int height) = 0;
    virtual void preUpdate(float elapsed) = 0;
    virtual void onUpdate(float elapsed) = 0;
    virtual void onRender() = 0;
    // Answers the event to offer to the next view, or null when this view consumed it.
    virtual EVT::I_Event* onInput(EVT::I_Event* event) = 0;
    // The view's box on the screen, in pixels.
    virtual Geom::Rect<int> getViewBox() const = 0;
};
} // namespace Game
