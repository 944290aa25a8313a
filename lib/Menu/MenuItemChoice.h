#pragma once

#include <string>

#include "Menu/CallBackInfo.h"
#include "Menu/MenuItem.h"
#include "util/CallBack1.h"

namespace Menu
{
// An item whose select calls its owner back with the item's id.
template <class T> class MenuItemChoice : public MenuItem
{
public:
    using CallBack = Util::CallBack1<T, void, const CallBackInfo&>;

    MenuItemChoice(const std::string& text, const CallBack& cb, int itemId)
        : MenuItem(text, itemId), callBack(cb)
    {
    }

    void prevOption(int, bool) override {}
    void select(int pageId, bool) override { callBack(CallBackInfo{pageId, getId(), 0, std::string()}); }
    void keypress(int, unsigned char) override {}

private:
    CallBack callBack;
};
} // namespace Menu
