#pragma once

#include "input/I_ScreenArea.h"
#include "util/NonCopyable.h"

namespace Orvik
{
class GameView;

// A configured screen area that follows the player's token: its rectangle sits at the token's room,
// moved by the configured x and y, with the configured size (or PLAYER_BOX_WIDTH_PER and
// PLAYER_BOX_HEIGHT_PER where that is 0), and kept on the screen. Percent of the screen, y from the top.
class PlayerScreenArea : public Input::I_ScreenArea, private Util::NonCopyable<PlayerScreenArea>
{
public:
    // Takes the configured area over; the view is borrowed.
    PlayerScreenArea(const GameView* view, Input::I_ScreenArea* area);
    ~PlayerScreenArea() override;

    // Changes the configured offsets and size.
    void setRect(const Geom::Rect<float>& rect) override;
    bool contains(float x, float y) const override;
    // Worked out anew on every call.
    const Geom::Rect<float>& getRect() const override;
    void render(Input::I_ScreenAreaRenderer* renderer, const RenderInfo& info) const override;

private:
    const GameView* view;
    Input::I_ScreenArea* area;
    mutable Geom::Rect<float> rect;
    int boxWidthPer;
    int boxHeightPer;
};
} // namespace Orvik
