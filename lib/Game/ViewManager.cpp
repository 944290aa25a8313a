#include "Game/ViewManager.h"

#include <algorithm>

namespace Game
{
ViewManager::ViewManager() : screenWidth(0), screenHeight(0), walking(0) {}

ViewManager::~ViewManager() = default;

void ViewManager::add(I_View* view)
{
    if (!view)
        return;
    toAdd.push_back(view);
    view->setScreenSize(screenWidth, screenHeight);
}

void ViewManager::remove(I_View* view)
{
    if (!view)
        return;
    toRemove.push_back(view);
}

template <class F> void ViewManager::forEachValid(F call)
{
    ++walking;
    for (size_t i = 0; i < views.size(); ++i)
    {
        I_View* view = views[i];
        if (viewStillValid(view))
            call(view);
    }
    --walking;
}

void ViewManager::setPause(bool paused)
{
    forEachValid([paused](I_View* view) { view->setPause(paused); });
}

void ViewManager::setScreenSize(int width, int height)
{
    if (width == screenWidth && height == screenHeight)
        return;
    screenWidth = width;
    screenHeight = height;
    forEachValid([width, height](I_View* view) { view->setScreenSize(width, height); });
}

void ViewManager::preUpdate(float elapsed)
{
    forEachValid([elapsed](I_View* view) { view->preUpdate(elapsed); });
}

void ViewManager::onUpdate(float elapsed)
{
    flushUnlessWalking();
    forEachValid([elapsed](I_View* view) { view->onUpdate(elapsed); });
}

void ViewManager::onRender()
{
    flushUnlessWalking();
    forEachValid([](I_View* view) { view->onRender(); });
}

void ViewManager::onInput(EVT::I_Event* event)
{
    flushUnlessWalking();
    ++walking;
    for (size_t i = views.size(); i > 0 && event; --i)
    {
        I_View* view = views[i - 1];
        if (viewStillValid(view))
            event = view->onInput(event);
    }
    --walking;
}

void ViewManager::getScreenSize(int& width, int& height) const
{
    width = screenWidth;
    height = screenHeight;
}

bool ViewManager::viewStillValid(const I_View* view) const
{
    return std::find(toRemove.begin(), toRemove.end(), view) == toRemove.end();
}

void ViewManager::flushUnlessWalking()
{
    // A pass started from inside another pass leaves the list alone; the outer one is still walking it.
    if (walking == 0)
        doPendingUpdates();
}

void ViewManager::doPendingUpdates()
{
    for (I_View* removed : toRemove)
    {
        auto it = std::find(views.begin(), views.end(), removed);
        if (it != views.end())
        {
            views.erase(it);
        }
        else
        {
            auto pending = std::find(toAdd.begin(), toAdd.end(), removed);
            if (pending != toAdd.end())
                toAdd.erase(pending);
        }
    }
    toRemove.clear();
    views.insert(views.end(), toAdd.begin(), toAdd.end());
    toAdd.clear();
}
} // namespace Game
