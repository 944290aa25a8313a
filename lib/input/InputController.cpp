#include "input/InputController.h"

#include <algorithm>
#include <limits>
#include <memory>
#include <set>
#include <vector>

#include "CFG/Info.h"
#include "CFG/InfoParser.h"
#include "CFG/Overrides.h"
#include "Devices/JoypadStrings.h"
#include "Devices/KeyboardStrings.h"
#include "Devices/MouseStrings.h"
#include "events/EventBus.h"
#include "events/EventStrings.h"
#include "events/EventWithString.h"
#include "events/Event_InputController.h"
#include "events/Event_Joypad.h"
#include "events/Event_Key.h"
#include "events/Event_Mouse.h"
#include "events/EventTypes.h"
#include "input/I_RelativeScreenAreaFactory.h"
#include "input/I_ScreenAreaRenderer.h"
#include "input/InputHandler.h"
#include "input/ScreenArea.h"
#include "input/ScreenAreaController.h"
#include "input/Switch.h"
#include "input/SwitchController.h"
#include "input/TriggerIdStrings.h"
#include "util/Singleton.h"
#include "util/StringUtil.h"

namespace Input
{
const std::string InputController::GOTOCURAREA("[GOTOCURAREA]");

namespace
{

const char* const ANYWHERE = "ANYWHERE";
EVT::EventBus& bus()
{
    return Util::Singleton<EVT::EventBus>::instance();
}

std::vector<std::string> cut(const std::string& text, const std::string& separator, bool trimEach = true)
{
    std::vector<std::string> pieces;
    Util::splitString(text, separator, pieces, false, trimEach);
    return pieces;
}

std::string pieceOr(const std::vector<std::string>& pieces, std::size_t index)
{
    return index < pieces.size() ? pieces[index] : std::string();
}

// "TYPE:value": the type word before the first ":" and the value after it; without a ":" both are
// the whole text.
void splitTypeAndValue(const std::string& text, std::string& type, std::string& value)
{
    const std::string::size_type colon = text.find(':');
    if (colon == std::string::npos)
    {
        type = text;
        value = text;
        return;
    }
    type = text.substr(0, colon);
    value = text.substr(colon + 1);
}

std::unique_ptr<TriggerId> makeTriggerId(const std::string& text)
{
    std::string typeWord;
    std::string value;
    splitTypeAndValue(text, typeWord, value);
    value = Util::trim(value, Util::BLANKS);
    const std::vector<std::string> words = cut(value, " ");

    const TriggerId::TriggerType type = TriggerIdStrings::instance().typeMapping().getKey(typeWord);
    switch (type)
    {
    case TriggerId::KEY:
    {
        const Devices::KeyboardStrings& names = Devices::KeyboardStrings::instance();
        if (words.size() == 1 || words.size() == 2)
        {
            const unsigned char key = names.keyMapping().getKey(words.back());
            if (key == 0)
                return nullptr;
            const int mods = words.size() == 2 ? names.modMapping().getKey(words.front()) : 0;
            return std::unique_ptr<TriggerId>(new TriggerId(key, mods));
        }
        return nullptr;
    }
    case TriggerId::MOUSE:
        return std::unique_ptr<TriggerId>(
            new TriggerId(Devices::MouseStrings::instance().btnMapping().getKey(value)));
    case TriggerId::WHEEL_UP:
    case TriggerId::WHEEL_DN:
    case TriggerId::DWELL:
    case TriggerId::ENTERLEAVE:
        return std::unique_ptr<TriggerId>(new TriggerId(type));
    case TriggerId::JPAD:
    {
        const Util::TwoWayMapping<Devices::Joypad::JPadFlag>& flags =
            Devices::JoypadStrings::instance().jpadMapping();
        if (words.size() == 1)
            return std::unique_ptr<TriggerId>(new TriggerId(flags.getKey(words[0]), 0, 0));
        if (words.size() == 3)
            return std::unique_ptr<TriggerId>(
                new TriggerId(flags.getKey(words[0]), flags.getKey(words[1]), flags.getKey(words[2])));
        return nullptr;
    }
    default:
        return nullptr;
    }
}

ActionId getActionId(const std::string& text)
{
    std::string eventName;
    std::string argument;
    splitTypeAndValue(text, eventName, argument);
    return ActionId(Util::Singleton<EVT::EventStrings>::instance().mapping().getKey(eventName), argument);
}

// Delays are read unsigned; one beyond the countdown's range waits as long as a countdown can.
long toDelay(unsigned long value)
{
    const unsigned long limit = static_cast<unsigned long>(std::numeric_limits<long>::max());
    return static_cast<long>(std::min(value, limit));
}
} // namespace

InputController::InputController(const std::string& controllerName, I_ScreenAreaRenderer* renderer)
    : Util::NamedObject(controllerName), active(false), switchController(nullptr),
      screenAreaController(nullptr), inputHandler(nullptr), ignoreKeyRelease(true)
{
    screenAreaController = new ScreenAreaController();
    switchController = new SwitchController();
    inputHandler = new InputHandler(screenAreaController, switchController, renderer);
    bus().addConsumer(EVT::EVENT_INPUT_CONTROLLER, this);
    bus().addConsumer(EVT::EVENT_AREA_GOTO, this);
}

InputController::~InputController()
{
    delete screenAreaController;
    delete switchController;
    delete inputHandler;
}

bool InputController::init(const std::string& file, const std::string& controllerName,
                           I_RelativeScreenAreaFactory* factory)
{
    if (file.empty())
        return false;
    const CFG::Info info(file, CFG::getDefaultOverrides());
    const CFG::InfoParser parser(&info);

    const std::string n = controllerName.empty() ? info.get("INPUT_CONTROLLER_NAME") : controllerName;
    name = n;

    std::set<std::string> modelNames;
    std::set<std::string> materialNames;
    for (const std::string& areaName : cut(info.get(n + "_AREA_LIST"), ","))
    {
        const std::string p = n + "_" + areaName;
        std::vector<float> pos;
        std::vector<float> size;
        if (parser.getNumbers(p + "_POS", pos, ",", false) != 2)
            break;
        if (parser.getNumbers(p + "_SIZE", size, ",", false) != 2)
            break;
        std::vector<std::string> models = cut(info.get(p + "_MODELS"), ",");
        std::vector<std::string> materials = cut(info.get(p + "_MATERIALS"), ",");
        if (models.empty())
            models = cut(info.get(p + "_TEXT"), "|", false);
        if (materials.empty())
            materials = cut(info.get(p + "_COLORS"), "|");

        I_ScreenArea* area = new ScreenArea(areaName);
        Geom::Rect<float> rect;
        rect.x = pos[0];
        rect.y = pos[1];
        rect.w = size[0];
        rect.h = size[1];
        area->setRect(rect);
        area->setAreaModel(pieceOr(models, 0));
        area->setHighLightModel(pieceOr(models, 1));
        area->setAreaMaterial(pieceOr(materials, 0));
        area->setHighLightMaterial(pieceOr(materials, 1));

        const std::string rel = info.get(p + "_RELATIVE_AREA");
        if (!rel.empty())
        {
            // Without a factory nothing can make the area this file asks for.
            if (factory == nullptr)
            {
                delete area;
                return false;
            }
            area = factory->create(rel, area);
        }
        if (area == nullptr)
            continue;
        screenAreaController->addArea(area);
        modelNames.insert(area->getAreaModel());
        modelNames.insert(area->getHighLightModel());
        materialNames.insert(area->getAreaMaterial());
        materialNames.insert(area->getHighLightMaterial());
    }
    modelNames.erase("");
    materialNames.erase("");

    if (!inputHandler->getRenderer()->init(modelNames, materialNames))
        return false;

    bool result = true;
    for (const std::string& switchName : cut(info.get(n + "_SWITCH_LIST"), ","))
    {
        if (!result)
            break;
        const std::string q = n + "_" + switchName;
        const std::vector<std::string> triggers = cut(info.get(q + "_TRIGGER"), ",");
        if (triggers.empty())
        {
            result = false;
            break;
        }
        std::unique_ptr<TriggerId> trigger = makeTriggerId(triggers[0]);
        if (!trigger)
        {
            result = false;
            break;
        }
        std::vector<unsigned long> delays;
        if (parser.getNumbers(q + "_DELAYS", delays, ",", false) != 4)
        {
            result = false;
            break;
        }
        const long firstPress = toDelay(delays[0]);
        const long repeatPress = toDelay(delays[1]);
        const long holdDelay = toDelay(delays[2]);
        const long repeatHold = toDelay(delays[3]);
        trigger->setTimes(firstPress, repeatPress, holdDelay, repeatHold);
        const std::vector<std::string> areas = cut(info.get(q + "_AREA"), ",");
        if (areas.empty())
        {
            result = false;
            break;
        }

        Switch sw;
        sw.setTriggerAreaId(areas[0]);
        sw.setTriggerId(*trigger);
        sw.setPressActionId(getActionId(info.get(q + "_PRESS")));
        sw.setReleaseActionId(getActionId(info.get(q + "_RELEASE")));
        sw.setHoldPressActionId(getActionId(info.get(q + "_HOLD")));
        sw.setHoldReleaseActionId(getActionId(info.get(q + "_HOLDREL")));
        const std::string tup = info.get(q + "_RENDER_TUP");
        const std::string tuh = info.get(q + "_RENDER_TUH");
        const std::string tur = info.get(q + "_RENDER_TUR");
        if (!tup.empty())
            sw.setRenderTUP(Util::strToNum<unsigned long>(tup));
        if (!tuh.empty())
            sw.setRenderTUH(Util::strToNum<unsigned long>(tuh));
        if (!tur.empty())
            sw.setRenderTUR(Util::strToNum<unsigned long>(tur));

        // One switch per trigger and area, trigger by trigger and, within a trigger, area by area.
        for (std::size_t t = 0;; ++t)
        {
            switchController->addSwitch(sw);
            for (std::size_t a = 1; a < areas.size(); ++a)
            {
                Switch copy(sw);
                copy.setTriggerAreaId(areas[a]);
                switchController->addSwitch(copy);
            }
            if (t + 1 >= triggers.size())
                break;
            trigger = makeTriggerId(triggers[t + 1]);
            if (!trigger)
            {
                result = false;
                break;
            }
            trigger->setTimes(firstPress, repeatPress, holdDelay, repeatHold);
            sw.setTriggerAreaId(areas[0]);
            sw.setTriggerId(*trigger);
        }
    }
    return result;
}

void InputController::setActive(bool state)
{
    if (state != active)
        inputHandler->setArea(ANYWHERE);
    active = state;
    ignoreKeyRelease = true;
    inputHandler->getRenderer()->setUsedBy(name, state);
}

void InputController::handleEvent(EVT::I_Event* event)
{
    // A configured action can raise any type by name as a string event; such an event carries none of
    // the fields of the window layer's or the game's own classes and is not read as one.
    const int type = event->getType();
    if (type == EVT::EVENT_INPUT_CONTROLLER)
    {
        if (const EVT::Event_InputController* ic = EVT::eventAs<EVT::Event_InputController>(event))
            setActive(ic->controllerName == name && ic->activate);
        return;
    }
    if (!active)
        return;
    if (type == EVT::EVENT_AREA_GOTO)
    {
        if (const EVT::EventWithString* go = EVT::eventAs<EVT::EventWithString>(event))
            if (!inputHandler->gotoArea(go->getString()))
                inputHandler->setArea(ANYWHERE);
    }
    raiseEvents();
}

EVT::I_Event* InputController::onInput(EVT::I_Event* event)
{
    if (!active)
        return event;
    switch (event->getType())
    {
    case EVT::EVENT_MOUSE:
        if (const EVT::Event_Mouse* mouse = EVT::eventAs<EVT::Event_Mouse>(event))
        {
            const Geom::Rect<int> box = inputHandler->getRenderer()->getInputBox();
            const long long x = mouse->x;
            const long long y = mouse->y;
            if (box.x <= x && x < static_cast<long long>(box.x) + box.w && box.y <= y &&
                y < static_cast<long long>(box.y) + box.h)
                inputHandler->handleMouse(mouse->x, mouse->y, mouse->wheelDelta, mouse->buttons,
                                          mouse->pressed);
        }
        break;
    case EVT::EVENT_KEY:
        if (const EVT::Event_Key* key = EVT::eventAs<EVT::Event_Key>(event))
        {
            if (key->pressed || !ignoreKeyRelease)
            {
                ignoreKeyRelease = false;
                inputHandler->handleKey(key->key, key->modifiers, key->pressed);
            }
        }
        break;
    case EVT::EVENT_JOYPAD:
        if (const EVT::Event_Joypad* joy = EVT::eventAs<EVT::Event_Joypad>(event))
            inputHandler->handleJoypad(joy->axisX, joy->axisY, joy->buttons);
        break;
    default:
        break;
    }
    raiseEvents();
    return nullptr;
}

void InputController::onUpdate(float elapsed)
{
    if (!active)
        return;
    inputHandler->handleUpdate(elapsed);
    raiseEvents();
}

void InputController::onRender()
{
    inputHandler->render();
}

void InputController::setIgnoreTriggerType(TriggerId::TriggerType type)
{
    if (type == TriggerId::MOUSE)
        bus().removeConsumer(EVT::EVENT_MOUSE, this);
}

void InputController::raiseEvents()
{
    // Taken out of the handler before raising: raised outside a delivery, an event is delivered at once,
    // and its consumers may reach this controller again and queue further actions.
    const std::vector<ActionId> due = inputHandler->getActions();
    inputHandler->clearActions();
    for (const ActionId& action : due)
    {
        EVT::EventWithString event(action.getId(), action.getString());
        bus().raiseEvent(&event, true);
    }
}
} // namespace Input
