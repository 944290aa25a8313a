// The input configuration: an input controller reads its file over the override store and is then
// driven by a script. Parts (cut at FuzzFiles::PART_SEPARATOR): the input file, the settings file of the
// override store, the script. Script lines: "a NAME" / "d NAME" activate or deactivate a controller,
// "k CODE MODS" / "K CODE MODS" press or release a key, "m X Y WHEEL BUTTONS PRESSED" a pointer event,
// "j STICK X Y BUTTONS" a joypad event, "u MS" a frame, "g AREA" an area change, "r" a drawing.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "EventScript.h"
#include "ScriptedFile.h"
#include "events/EventBus.h"
#include "events/EventTypes.h"
#include "events/EventWithString.h"
#include "events/Event_InputController.h"
#include "events/Event_Joypad.h"
#include "events/Event_Key.h"
#include "events/Event_Mouse.h"
#include "input/InputController.h"
#include "lib/input/InputFakes.h"

namespace
{
// "DROP" refuses the area, any other type keeps it.
struct Factory : Input::I_RelativeScreenAreaFactory
{
    Input::I_ScreenArea* create(const std::string& type, Input::I_ScreenArea* area) override
    {
        if (type == "DROP")
        {
            delete area;
            return nullptr;
        }
        return area;
    }
};

EVT::EventBus& bus()
{
    return Util::Singleton<EVT::EventBus>::instance();
}

void drive(Input::InputController& controller, const EventScript::Command& c)
{
    const long* n = c.numbers;
    switch (c.letter)
    {
    case 'a':
    case 'd':
    {
        EVT::Event_InputController event(EVT::EVENT_INPUT_CONTROLLER, c.text, c.letter == 'a');
        bus().raiseEvent(&event, false);
        break;
    }
    case 'k':
    case 'K':
    {
        EVT::Event_Key event(EVT::EVENT_KEY, static_cast<unsigned char>(n[0]), c.letter == 'k',
                             static_cast<int>(n[1]));
        controller.onInput(&event);
        break;
    }
    case 'm':
    {
        EVT::Event_Mouse event(EVT::EVENT_MOUSE, static_cast<int>(n[0]), static_cast<int>(n[1]),
                               static_cast<int>(n[2]), static_cast<int>(n[3]), n[4] != 0);
        controller.onInput(&event);
        break;
    }
    case 'j':
    {
        EVT::Event_Joypad event(EVT::EVENT_JOYPAD, static_cast<int>(n[0]), static_cast<int>(n[1]),
                                static_cast<int>(n[2]), n[3] & 1, n[3] & 2, n[3] & 4, n[3] & 8);
        controller.onInput(&event);
        break;
    }
    case 'u':
        controller.onUpdate(static_cast<float>(n[0]));
        break;
    case 'g':
    {
        EVT::EventWithString event(EVT::EVENT_AREA_GOTO, c.text);
        bus().raiseEvent(&event, false);
        break;
    }
    case 'r':
        controller.onRender();
        break;
    default:
        break;
    }
}

void readAndDrive(const std::string& file, const std::string& script)
{
    InputTest::RecordingRenderer renderer;
    Factory factory;
    Input::InputController controller("", &renderer);
    controller.init(file, "", &factory);
    EVT::Event_InputController on(EVT::EVENT_INPUT_CONTROLLER, controller.name, true);
    bus().raiseEvent(&on, false);
    EventScript::run(script, [&](const EventScript::Command& c) { drive(controller, c); });
    controller.onUpdate(1000.0f);
    controller.onRender();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ScriptedFile::run(data, size, "input.cfg", readAndDrive);
    return 0;
}
