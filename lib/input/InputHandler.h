#pragma once

#include <string>
#include <vector>

#include "input/ActionId.h"
#include "input/I_ScreenArea.h"
#include "input/ScreenAreaController.h"
#include "util/NonCopyable.h"

namespace Input
{
class SwitchController;
class I_ScreenAreaRenderer;

// Turns live pointer, wheel, button, key and joypad input into triggers on the current screen area,
// moves between areas, keeps the actions that the switches queue, and draws the areas. The areas,
// switches and renderer belong to others.
class InputHandler : private Util::NonCopyable<InputHandler>
{
public:
    // None of the three may be null.
    InputHandler(ScreenAreaController* areas, SwitchController* switches, I_ScreenAreaRenderer* renderer);
    virtual ~InputHandler();

    virtual I_ScreenAreaRenderer* getRenderer() const { return renderer; }
    // Makes the named area current afresh: no leave actions for the old one, an empty queue, and the
    // buttons and joypad flags down now are not taken for new presses.
    virtual bool setArea(const std::string& name);
    // Leaves the current area and enters the named one ("[GOTOCURAREA]": the current one again),
    // keeping the queued actions.
    virtual bool gotoArea(const std::string& name);
    // Elapsed game milliseconds of one frame; the fraction is dropped.
    virtual void handleUpdate(float elapsed);
    // One MOUSE event, x and y in window pixels.
    virtual void handleMouse(int x, int y, int wheelDelta, int button, bool pressed);
    virtual void handleJoypad(int axisX, int axisY, const bool buttons[4]);
    virtual void handleKey(unsigned char key, int modifiers, bool pressed);
    virtual void render();
    virtual const std::vector<ActionId>& getActions() const { return actions; }
    virtual void clearActions() { actions.clear(); }
    virtual void changeArea(I_ScreenArea* area);

    const I_ScreenArea* getCurrentArea() const { return currentArea; }

private:
    static const int IGNORE_FLAGS = 11;

    // Keeps the current area valid when the area list deletes areas or goes away.
    class AreaWatcher : public ScreenAreaController::I_Watcher
    {
    public:
        explicit AreaWatcher(InputHandler& owner) : handler(owner) {}
        void areaDeleted(const I_ScreenArea* area) override;
        void controllerDeleted() override;

    private:
        InputHandler& handler;
    };

    ScreenAreaController* screenAreaController;
    SwitchController* switchController;
    I_ScreenAreaRenderer* renderer;
    I_ScreenArea* currentArea;
    int padFlags;
    bool ignoreRelease[IGNORE_FLAGS];
    std::vector<ActionId> actions;
    AreaWatcher watcher;
};
} // namespace Input
