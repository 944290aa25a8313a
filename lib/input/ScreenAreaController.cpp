#include "input/ScreenAreaController.h"

#include <algorithm>

#include "input/I_ScreenAreaRenderer.h"

namespace Input
{
ScreenAreaController::~ScreenAreaController()
{
    clearAreas();
    const std::vector<I_Watcher*> gone = watchers;
    watchers.clear();
    for (I_Watcher* watcher : gone)
        watcher->controllerDeleted();
}

void ScreenAreaController::addArea(I_ScreenArea* area)
{
    // A null entry would only be a trap for every later walk of the list.
    if (area != nullptr)
        areas.push_back(area);
}

bool ScreenAreaController::deleteArea(const std::string& name)
{
    AreaList::iterator it = find(name);
    if (it == areas.end())
        return false;
    I_ScreenArea* victim = *it;
    areas.erase(it);
    notifyDeleted(victim);
    delete victim;
    return true;
}

I_ScreenArea* ScreenAreaController::getArea(float x, float y) const
{
    for (AreaList::const_reverse_iterator it = areas.rbegin(); it != areas.rend(); ++it)
        if (*it != nullptr && (*it)->contains(x, y))
            return *it;
    return nullptr;
}

I_ScreenArea* ScreenAreaController::getArea(const std::string& name) const
{
    AreaList::const_iterator it = find(name);
    return it == areas.end() ? nullptr : *it;
}

void ScreenAreaController::render(I_ScreenAreaRenderer* renderer, const I_ScreenArea* current,
                                  const SwitchRenderInfo* info) const
{
    const SwitchRenderInfo::Entry none = {0, 0, 0, 0, 0, 0};
    for (const I_ScreenArea* area : areas)
    {
        if (area == nullptr)
            continue;
        I_ScreenArea::RenderInfo areaInfo = {none, none, none, false};
        if (area == current)
        {
            if (info != nullptr)
            {
                areaInfo.press = info->press;
                areaInfo.hold = info->hold;
                areaInfo.release = info->release;
            }
            areaInfo.isCurrentArea = true;
        }
        area->render(renderer, areaInfo);
    }
}

void ScreenAreaController::clearAreas()
{
    AreaList victims;
    victims.swap(areas);
    for (I_ScreenArea* area : victims)
    {
        notifyDeleted(area);
        delete area;
    }
}

ScreenAreaController::AreaList::iterator ScreenAreaController::find(const std::string& name)
{
    return std::find_if(areas.begin(), areas.end(),
                        [&name](const I_ScreenArea* area) { return area != nullptr && area->name == name; });
}

ScreenAreaController::AreaList::const_iterator ScreenAreaController::find(const std::string& name) const
{
    return std::find_if(areas.begin(), areas.end(),
                        [&name](const I_ScreenArea* area) { return area != nullptr && area->name == name; });
}

void ScreenAreaController::addWatcher(I_Watcher* watcher)
{
    if (watcher != nullptr && std::find(watchers.begin(), watchers.end(), watcher) == watchers.end())
        watchers.push_back(watcher);
}

void ScreenAreaController::removeWatcher(I_Watcher* watcher)
{
    watchers.erase(std::remove(watchers.begin(), watchers.end(), watcher), watchers.end());
}

void ScreenAreaController::notifyDeleted(const I_ScreenArea* area)
{
    for (I_Watcher* watcher : watchers)
        watcher->areaDeleted(area);
}
} // namespace Input
