#pragma once

#include "input/I_ScreenArea.h"

namespace Orvik
{
class MenuView;

// A configured screen area that lies over one row of the menu view: its rectangle is the box of that row
// in the last frame drawn, in percent of the screen size, y from the top. Until the row has been drawn
// (or when the menu has no such row) it keeps its last rectangle, (0, 0, 0, 0) at first, and so covers
// nothing.
class MenuScreenArea : public Input::I_ScreenArea
{
public:
    // Takes the configured area over; the view is borrowed.
    MenuScreenArea(int itemIndex, const MenuView* view, Input::I_ScreenArea* area);
    ~MenuScreenArea() override;
    MenuScreenArea(const MenuScreenArea&) = delete;
    MenuScreenArea& operator=(const MenuScreenArea&) = delete;

    // Reaches the configured area only: the row decides this area's rectangle.
    void setRect(const Geom::Rect<float>& rect) override;
    bool contains(float x, float y) const override;
    const Geom::Rect<float>& getRect() const override;
    void render(Input::I_ScreenAreaRenderer* renderer, const RenderInfo& info) const override;

private:
    int itemIndex;
    const MenuView* view;
    Input::I_ScreenArea* area;
    mutable Geom::Rect<float> rect;
};
} // namespace Orvik
