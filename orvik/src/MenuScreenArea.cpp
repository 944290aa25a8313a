#include "orvik/src/MenuScreenArea.h"

#include "orvik/src/MenuView.h"

namespace Orvik
{
MenuScreenArea::MenuScreenArea(int index, const MenuView* menuView, Input::I_ScreenArea* configured)
    : Util::NamedObject(configured->name), WrappedScreenArea(configured), itemIndex(index), view(menuView)
{
}

const Geom::Rect<float>& MenuScreenArea::getRect() const
{
    const std::vector<Geom::Rect<int>>& boxes = view->getItemBoxes();
    // A negative number names no row either.
    if (itemIndex < 0 || static_cast<std::size_t>(itemIndex) >= boxes.size())
        return rect;
    int screenWidth = 0;
    int screenHeight = 0;
    view->getScreenSize(screenWidth, screenHeight);
    const Geom::Rect<int>& box = boxes[static_cast<std::size_t>(itemIndex)];
    const float w = static_cast<float>(screenWidth);
    const float h = static_cast<float>(screenHeight);
    rect.x = 100.0f * static_cast<float>(box.x) / w;
    rect.y = 100.0f - 100.0f * static_cast<float>(box.y) / h;
    rect.w = 100.0f * static_cast<float>(box.w) / w;
    rect.h = 100.0f * static_cast<float>(box.h) / h;
    return rect;
}
} // namespace Orvik
