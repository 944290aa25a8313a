#pragma once

#include <string>
#include <vector>

#include "input/I_ScreenArea.h"
#include "input/SwitchRenderInfo.h"
#include "util/NonCopyable.h"

namespace Input
{
class I_ScreenAreaRenderer;

// The screen areas of one input context, in the order they were added; it owns them.
class ScreenAreaController : private Util::NonCopyable<ScreenAreaController>
{
public:
    using AreaList = std::vector<I_ScreenArea*>;

    // Told before an area of the list is deleted, and when the list itself goes, so that nothing
    // keeps pointing at an area that no longer exists.
    class I_Watcher
    {
    public:
        virtual void areaDeleted(const I_ScreenArea* area) = 0;
        virtual void controllerDeleted() = 0;

    protected:
        ~I_Watcher() = default;
    };

    ScreenAreaController() = default;
    virtual ~ScreenAreaController();

    // Takes the area over; a null area is not added.
    virtual void addArea(I_ScreenArea* area);
    // Deletes the first area of that name; false when there is none.
    virtual bool deleteArea(const std::string& name);
    // The hit test, in percent of the input box: of overlapping areas the one added later wins.
    virtual I_ScreenArea* getArea(float x, float y) const;
    // The first area of that name, or null.
    virtual I_ScreenArea* getArea(const std::string& name) const;
    // Draws every area, the current one with the countdowns in info.
    virtual void render(I_ScreenAreaRenderer* renderer, const I_ScreenArea* current,
                        const SwitchRenderInfo* info) const;
    virtual void clearAreas();
    virtual AreaList::iterator find(const std::string& name);
    virtual AreaList::const_iterator find(const std::string& name) const;
    // What find answers for a name that no area has.
    AreaList::const_iterator end() const { return areas.end(); }

    void addWatcher(I_Watcher* watcher);
    void removeWatcher(I_Watcher* watcher);

private:
    void notifyDeleted(const I_ScreenArea* area);

    AreaList areas;
    std::vector<I_Watcher*> watchers;
};
} // namespace Input
