#pragma once

#include <string>

#include "events/I_EventConsumer.h"
#include "input/TriggerId.h"
#include "util/NamedObject.h"
#include "util/NonCopyable.h"

namespace EVT
{
class I_Event;
}

namespace Input
{
class SwitchController;
class ScreenAreaController;
class InputHandler;
class I_ScreenAreaRenderer;
class I_RelativeScreenAreaFactory;

// One named input context: the screen areas, switches and input handler of one screen that takes input,
// read from an input configuration file. Of all controllers only the one that the last INPUT_CONTROLLER
// event named is active; it alone takes input, counts down and obeys AREA_GOTO. Its switches' actions
// leave it as queued string events.
class InputController : public EVT::I_EventConsumer,
                        public Util::NamedObject,
                        private Util::NonCopyable<InputController>
{
public:
    // As the argument of an AREA_GOTO action: the current area.
    static const std::string GOTOCURAREA;

    // The renderer stays the caller's and must outlive the controller.
    InputController(const std::string& name, I_ScreenAreaRenderer* renderer);
    ~InputController() override;

    void handleEvent(EVT::I_Event* event) override;

    // Reads the input configuration file. An empty name lets the file name the controller. The factory
    // is needed only for areas with a relative-area type and is used during the call only.
    virtual bool init(const std::string& file, const std::string& name, I_RelativeScreenAreaFactory* factory);
    // Elapsed game milliseconds of one frame.
    virtual void onUpdate(float elapsed);
    virtual void onRender();
    // Null when the event was taken (active), the event itself when it passes on (inactive).
    virtual EVT::I_Event* onInput(EVT::I_Event* event);
    virtual void setIgnoreTriggerType(TriggerId::TriggerType type);
    // Raises the handler's queued actions as queued events, oldest first.
    virtual void raiseEvents();

    bool isActive() const { return active; }
    void setActive(bool state);

private:
    bool active;
    SwitchController* switchController;
    ScreenAreaController* screenAreaController;
    InputHandler* inputHandler;
    bool ignoreKeyRelease;
};
} // namespace Input
