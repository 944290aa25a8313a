#pragma once

#include <string>

#include "Menu/CallBackInfo.h"
#include "Menu/MenuPage.h"
#include "util/CallBack1.h"

namespace Menu
{
// A page that tells its owner when it is left.
template <class T> class MenuPageWithExitCallBack : public MenuPage
{
public:
    using CallBack = Util::CallBack1<T, void, const CallBackInfo&>;

    MenuPageWithExitCallBack(int id, const CallBack& cb) : MenuPage(id), callBack(cb) {}

    void menuExit() override { callBack(CallBackInfo{getPageId(), -1, -1, std::string()}); }

private:
    CallBack callBack;
};
} // namespace Menu
