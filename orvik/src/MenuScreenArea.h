#pragma once

#include "orvik/src/WrappedScreenArea.h"

namespace Orvik
{
class MenuView;

// A configured screen area that lies over one row of the menu view: its rectangle is the box of that row
// in the last frame drawn, in percent of the screen size, y from the top. Until the row has been drawn
// (or when the menu has no such row) it keeps its last rectangle, (0, 0, 0, 0) at first, and so covers
// nothing.
class MenuScreenArea : public WrappedScreenArea
{
public:
    // Takes the configured area over; the view is borrowed.
    MenuScreenArea(int itemIndex, const MenuView* view, Input::I_ScreenArea* area);

    // The row decides this area's rectangle; the configured one is not used.
    const Geom::Rect<float>& getRect() const override;

private:
    int itemIndex;
    const MenuView* view;
};
} // namespace Orvik
