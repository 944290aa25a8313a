#pragma once

#include "orvik/src/WrappedScreenArea.h"

namespace Orvik
{
class GameView;

// A configured screen area that follows the player's token: its rectangle sits at the token's room,
// moved by the configured x and y, with the configured size (or PLAYER_BOX_WIDTH_PER and
// PLAYER_BOX_HEIGHT_PER where that is 0), and kept on the screen. Percent of the screen, y from the top.
class PlayerScreenArea : public WrappedScreenArea
{
public:
    // Takes the configured area over; the view is borrowed.
    PlayerScreenArea(const GameView* view, Input::I_ScreenArea* area);

    // Worked out anew on every call; setRect changes the configured offsets and size.
    const Geom::Rect<float>& getRect() const override;

private:
    const GameView* view;
    int boxWidthPer;
    int boxHeightPer;
};
} // namespace Orvik
