#include "input/InputController.h"

#include <algorithm>
#include <limits>
#include <memory>
#include <set>
#include <vector>

#include "CFG/Info.h"
#include "CFG/InfoParser.h"
#include "CFG/Overrides.h"
#include "events/EventBus.h"
#include "events/EventStrings.h"
#include "events/EventWithString.h"
#include "events/Event_InputController.h"
#include "events/Event_Joypad.h"
#include "events/Event_Key.h"
#include "events/Event_Mouse.h"
#include "events/EventTypes.h"
#include "input/GotoCurArea.h"
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
const std::string InputController::GOTOCURAREA(GOTOCURAREA_TEXT);

namespace
{

const char* const ANYWHERE = "ANYWHERE";
EVT::EventBus& bus()
{
    return EVT::EventBus::instance();
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

// The file an input controller is read from, as text and as numbers.
struct ConfigText
{
    const CFG::Info& info;
    const CFG::InfoParser& parser;
};

// The area named p (the controller's name and the area's), placed at pos with size.
I_ScreenArea* makeArea(const CFG::Info& info, const std::string& p, const std::string& areaName,
                       const std::vector<float>& pos, const std::vector<float>& size)
{
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
    return area;
}

// The areas of the list in order, up to the first without a position and size, with the models and
// materials they use. False when an area asks for a relative-area type and there is no factory.
bool readAreas(const ConfigText& config, const std::string& n, I_RelativeScreenAreaFactory* factory,
               ScreenAreaController& areas, std::set<std::string>& modelNames,
               std::set<std::string>& materialNames)
{
    for (const std::string& areaName : cut(config.info.get(n + "_AREA_LIST"), ","))
    {
        const std::string p = n + "_" + areaName;
        std::vector<float> pos;
        std::vector<float> size;
        if (config.parser.getNumbers(p + "_POS", pos, ",", false) != 2)
            break;
        if (config.parser.getNumbers(p + "_SIZE", size, ",", false) != 2)
            break;
        I_ScreenArea* area = makeArea(config.info, p, areaName, pos, size);
        const std::string rel = config.info.get(p + "_RELATIVE_AREA");
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
        areas.addArea(area);
        modelNames.insert(area->getAreaModel());
        modelNames.insert(area->getHighLightModel());
        materialNames.insert(area->getAreaMaterial());
        materialNames.insert(area->getHighLightMaterial());
    }
    modelNames.erase("");
    materialNames.erase("");
    return true;
}

// The four countdowns of the switch named q: first press, press repeat, hold, hold repeat.
bool readDelays(const ConfigText& config, const std::string& q, long (&times)[4])
{
    std::vector<unsigned long> delays;
    if (config.parser.getNumbers(q + "_DELAYS", delays, ",", false) != 4)
        return false;
    for (int i = 0; i < 4; ++i)
        times[i] = toDelay(delays[i]);
    return true;
}

// The switch named q with its actions and render times, for its first area.
Switch readSwitchActions(const CFG::Info& info, const std::string& q, const std::string& area)
{
    Switch sw;
    sw.setTriggerAreaId(area);
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
    return sw;
}

// The switch named q: one switch per trigger and area, trigger by trigger and, within a trigger, area
// by area. False when it has no trigger or area, a trigger names none, or the delays are not four; the
// switches of the triggers before a bad one stay added.
bool readSwitch(const ConfigText& config, const std::string& q, SwitchController& switches)
{
    const TriggerIdStrings& triggerNames = TriggerIdStrings::instance();
    const std::vector<std::string> triggers = cut(config.info.get(q + "_TRIGGER"), ",");
    if (triggers.empty())
        return false;
    std::unique_ptr<TriggerId> trigger = triggerNames.readTrigger(triggers[0]);
    long times[4];
    if (!trigger || !readDelays(config, q, times))
        return false;
    const std::vector<std::string> areas = cut(config.info.get(q + "_AREA"), ",");
    if (areas.empty())
        return false;

    Switch sw = readSwitchActions(config.info, q, areas[0]);
    for (std::size_t t = 0; t < triggers.size(); ++t)
    {
        if (t > 0)
            trigger = triggerNames.readTrigger(triggers[t]);
        if (!trigger)
            return false;
        trigger->setTimes(times[0], times[1], times[2], times[3]);
        sw.setTriggerId(*trigger);
        for (const std::string& area : areas)
        {
            Switch copy(sw);
            copy.setTriggerAreaId(area);
            switches.addSwitch(copy);
        }
    }
    return true;
}

// The switches of the list in order, up to the first that cannot be read.
bool readSwitches(const ConfigText& config, const std::string& n, SwitchController& switches)
{
    for (const std::string& switchName : cut(config.info.get(n + "_SWITCH_LIST"), ","))
    {
        if (!readSwitch(config, n + "_" + switchName, switches))
            return false;
    }
    return true;
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
    const ConfigText config{info, parser};

    const std::string n = controllerName.empty() ? info.get("INPUT_CONTROLLER_NAME") : controllerName;
    name = n;

    std::set<std::string> modelNames;
    std::set<std::string> materialNames;
    if (!readAreas(config, n, factory, *screenAreaController, modelNames, materialNames))
        return false;
    if (!inputHandler->getRenderer()->init(modelNames, materialNames))
        return false;
    return readSwitches(config, n, *switchController);
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
