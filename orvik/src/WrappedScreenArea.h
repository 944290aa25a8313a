#pragma once

#include "input/I_ScreenArea.h"
#include "util/NonCopyable.h"

namespace Orvik
{
// A configured screen area that the game places itself: it takes the configured area over, shows its
// models and materials, and leaves working out the rectangle to the kind of area it is. Percent of the
// screen, y from the top.
class WrappedScreenArea : public Input::I_ScreenArea, private Util::NonCopyable<WrappedScreenArea>
{
public:
    ~WrappedScreenArea() override;

    // Reaches the configured area only: the kind of area decides how its rectangle counts.
    void setRect(const Geom::Rect<float>& rect) override;
    bool contains(float x, float y) const override;
    void render(Input::I_ScreenAreaRenderer* renderer, const RenderInfo& info) const override;

protected:
    explicit WrappedScreenArea(Input::I_ScreenArea* configured);

    Input::I_ScreenArea* area;
    // getRect is const but works the rectangle out anew.
    mutable Geom::Rect<float> rect;
};
} // namespace Orvik
