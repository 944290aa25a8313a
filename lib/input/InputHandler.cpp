#include "input/InputHandler.h"

#include <cmath>
#include <limits>

#include "Devices/DeviceRegistry.h"
#include "Devices/Joypad.h"
#include "Devices/Mouse.h"
#include "input/GotoCurArea.h"
#include "input/I_ScreenAreaRenderer.h"
#include "input/SwitchController.h"
#include "input/TriggerId.h"
#include "util/Debug.h"

namespace Input
{
namespace
{
// The order of the joypad flags, from index 3 of the release-swallowing flags on.
const Devices::Joypad::JPadFlag s_padBits[8] = {Devices::Joypad::LF, Devices::Joypad::RT, Devices::Joypad::UP,
                                                Devices::Joypad::DN, Devices::Joypad::B1, Devices::Joypad::B2,
                                                Devices::Joypad::B3, Devices::Joypad::B4};
const int PAD_IGNORE_BASE = 3;

// Whole milliseconds of a frame. A value that no countdown can use (negative, not a number, or past
// the range of long) must not reach the conversion, which would be undefined for it.
long wholeMilliseconds(float elapsed)
{
    if (!(elapsed > 0.0f))
        return 0;
    const double limit = static_cast<double>(std::numeric_limits<long>::max() / 2);
    if (static_cast<double>(elapsed) >= limit)
        return static_cast<long>(limit);
    return static_cast<long>(elapsed);
}
} // namespace

InputHandler::InputHandler(ScreenAreaController* areas, SwitchController* switches, I_ScreenAreaRenderer* r)
    : screenAreaController(areas), switchController(switches), renderer(r), currentArea(nullptr), padFlags(0),
      ignoreRelease(), actions(), watcher(*this)
{
    if (areas == nullptr || switches == nullptr || r == nullptr)
        ABORT("InputHandler needs an area list, a switch list and a screen area renderer");
    screenAreaController->addWatcher(&watcher);
}

InputHandler::~InputHandler()
{
    if (screenAreaController != nullptr)
        screenAreaController->removeWatcher(&watcher);
}

void InputHandler::AreaWatcher::areaDeleted(const I_ScreenArea* area)
{
    if (handler.currentArea == area)
        handler.currentArea = nullptr;
}

void InputHandler::AreaWatcher::controllerDeleted()
{
    handler.currentArea = nullptr;
    handler.screenAreaController = nullptr;
}

bool InputHandler::setArea(const std::string& name)
{
    currentArea = nullptr;
    const bool ok = gotoArea(name);
    clearActions();
    for (bool& flag : ignoreRelease)
        flag = true;
    const Devices::Joypad* joypad = Devices::getJoypad();
    padFlags = joypad != nullptr ? joypad->getPadInfo(0) : 0;
    return ok;
}

bool InputHandler::gotoArea(const std::string& name)
{
    I_ScreenArea* target = nullptr;
    if (name == GOTOCURAREA_TEXT)
        target = currentArea;
    else if (screenAreaController != nullptr)
        target = screenAreaController->getArea(name);
    changeArea(target);
    return currentArea != nullptr;
}

void InputHandler::changeArea(I_ScreenArea* area)
{
    if (currentArea != nullptr)
        switchController->leftArea(actions, currentArea);
    if (area != nullptr)
        switchController->enteredArea(actions, area);
    currentArea = area;
}

void InputHandler::handleUpdate(float elapsed)
{
    if (currentArea == nullptr)
        return;
    switchController->timePassed(actions, currentArea, wholeMilliseconds(elapsed));
}

void InputHandler::handleMouse(int x, int y, int wheelDelta, int button, bool pressed)
{
    if (screenAreaController == nullptr)
        return;
    const Geom::Rect<int> box = renderer->getInputBox();
    // A box without extent has no percent positions in it.
    if (box.w <= 0 || box.h <= 0)
        return;
    const float px = static_cast<float>(100.0 * (static_cast<double>(x) - box.x) / box.w);
    const float py = static_cast<float>(100.0 * (static_cast<double>(y) - box.y) / box.h);

    I_ScreenArea* area = screenAreaController->getArea(px, py);
    if (area != currentArea)
    {
        // Moving onto another area is all this event does; its button or wheel change is not passed on.
        changeArea(area);
        return;
    }
    if (currentArea == nullptr)
        return;
    if (wheelDelta != 0)
    {
        const TriggerId wheel(wheelDelta > 0 ? TriggerId::WHEEL_UP : TriggerId::WHEEL_DN);
        switchController->triggerArea(actions, currentArea, wheel, true);
        return;
    }
    if (button == 0)
        return;
    int index;
    switch (button)
    {
    case Devices::Mouse::LMB:
        index = 0;
        break;
    case Devices::Mouse::MMB:
        index = 1;
        break;
    case Devices::Mouse::RMB:
        index = 2;
        break;
    default:
        return;
    }
    // After setArea the first release of a button belongs to a press made in the previous context.
    const bool send = pressed || !ignoreRelease[index];
    ignoreRelease[index] = false;
    if (send)
        switchController->triggerArea(actions, currentArea,
                                      TriggerId(static_cast<Devices::Mouse::MouseButton>(button)), pressed);
}

void InputHandler::handleJoypad(int axisX, int axisY, const bool buttons[4])
{
    if (currentArea == nullptr)
        return;
    int flags = 0;
    if (axisX == -1)
        flags |= Devices::Joypad::LF;
    if (axisX == 1)
        flags |= Devices::Joypad::RT;
    if (axisY == 1)
        flags |= Devices::Joypad::UP;
    if (axisY == -1)
        flags |= Devices::Joypad::DN;
    const int buttonBits[4] = {Devices::Joypad::B1, Devices::Joypad::B2, Devices::Joypad::B3,
                               Devices::Joypad::B4};
    for (int i = 0; i < 4; ++i)
        if (buttons[i])
            flags |= buttonBits[i];

    for (int i = 0; i < 8; ++i)
    {
        const int bit = s_padBits[i];
        const bool now = (flags & bit) != 0;
        const bool before = (padFlags & bit) != 0;
        const bool send = now || !ignoreRelease[PAD_IGNORE_BASE + i];
        ignoreRelease[PAD_IGNORE_BASE + i] = false;
        if (send && now != before)
            switchController->triggerArea(actions, currentArea, TriggerId(s_padBits[i], flags), now);
    }
    padFlags = flags;
}

void InputHandler::handleKey(unsigned char key, int modifiers, bool pressed)
{
    if (currentArea == nullptr)
        return;
    switchController->triggerArea(actions, currentArea, TriggerId(key, modifiers), pressed);
}

void InputHandler::render()
{
    renderer->startRender();
    SwitchRenderInfo info = {};
    if (currentArea != nullptr)
    {
        std::vector<Switch*> own;
        switchController->getSwitches(own, *currentArea, TriggerId::UNDEF);
        for (const Switch* sw : own)
        {
            struct Kind
            {
                long time;
                long initial;
                unsigned long colour;
                SwitchRenderInfo::Entry& entry;
            };
            Kind kinds[3] = {
                {sw->getTimeUntilPress(), sw->getInitialTimeUntilPress(), sw->getRenderTUP(), info.press},
                {sw->getTimeUntilHold(), sw->getInitialTimeUntilHold(), sw->getRenderTUH(), info.hold},
                {sw->getTimeUntilRelease(), sw->getInitialTimeUntilRelease(), sw->getRenderTUR(),
                 info.release},
            };
            for (Kind& kind : kinds)
            {
                if (kind.time == 0 || kind.colour == 0)
                    continue;
                if (kind.entry.timeLeft != 0 && !(kind.time < kind.entry.timeLeft))
                    continue;
                kind.entry.timeLeft = kind.time;
                kind.entry.initialTime = kind.initial;
                kind.entry.r = static_cast<unsigned char>((kind.colour >> 24) & 0xFF);
                kind.entry.g = static_cast<unsigned char>((kind.colour >> 16) & 0xFF);
                kind.entry.b = static_cast<unsigned char>((kind.colour >> 8) & 0xFF);
                kind.entry.a = static_cast<unsigned char>(kind.colour & 0xFF);
            }
        }
    }
    if (screenAreaController != nullptr)
        screenAreaController->render(renderer, currentArea, &info);
    renderer->stopRender();
}
} // namespace Input
