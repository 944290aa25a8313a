#include "orvik/src/PausedLogic.h"

#include <algorithm>

#include "CFG/CFG.h"
#include "Game/GameManager.h"
#include "Game/ViewManager.h"
#include "Menu/CallBackInfo.h"
#include "Menu/MenuController.h"
#include "Menu/MenuItemChoice.h"
#include "Menu/MenuPageWithExitCallBack.h"
#include "events/EventBus.h"
#include "events/EventTypes.h"
#include "events/Event_InputController.h"
#include "input/I_RelativeScreenAreaFactory.h"
#include "input/InputController.h"
#include "orvik/src/Globals.h"
#include "orvik/src/InputFile.h"
#include "orvik/src/MenuScreenArea.h"
#include "orvik/src/MenuView.h"
#include "orvik/src/ScreenAreaRenderer.h"
#include "util/Debug.h"
#include "util/StringUtil.h"

namespace Orvik
{
namespace
{
const std::string s_itemType = "MENU_ITEM";

// Lays the areas of type "MENU_ITEM" + row number over the rows of the menu view.
class MenuScreenAreaFactory : public Input::I_RelativeScreenAreaFactory
{
public:
    explicit MenuScreenAreaFactory(const MenuView* menuView) : view(menuView) {}

    Input::I_ScreenArea* create(const std::string& type, Input::I_ScreenArea* area) override
    {
        if (type.compare(0, s_itemType.size(), s_itemType) == 0)
            return new MenuScreenArea(Util::strToNum<int>(type.substr(s_itemType.size()), 10), view, area);
        delete area;
        ABORT("Unknown Player ScreenArea type: " << type);
    }

private:
    const MenuView* view;
};

bool isYes(const std::string& key)
{
    const std::string value = CFG::get(key);
    return value == "YES" || value == "Y" || value == "1";
}

typedef Menu::MenuPageWithExitCallBack<PausedLogic> Page;
typedef Menu::MenuItemChoice<PausedLogic> Choice;
} // namespace

const std::string PausedLogic::STATE_QUIT = "QUIT";

PausedLogic::PausedLogic(Game::GameManager* manager)
    : gameManager(manager), menuController(nullptr), menuPage(nullptr), menuView(nullptr), pausesHeld(0)
{
    menuController = new Menu::MenuController();
    menuController->setUseKeys(false);
    menuController->setItemsWrap(isYes("MENU_ITEMS_WRAP"));
    menuController->setOptionsWrap(isYes("MENU_OPTIONS_WRAP"));
    EVT::EventBus::instance().addConsumer(EVT::EVENT_PAUSE, this);
    EVT::EventBus::instance().addConsumer(EVT::EVENT_RESUME, this);
}

PausedLogic::~PausedLogic()
{
    doExit("DELETED");
    EVT::EventBus::instance().removeConsumer(this);
    delete menuController;
    menuController = nullptr;
}

void PausedLogic::handleEvent(EVT::I_Event* event)
{
    if (event->getType() == EVT::EVENT_PAUSE)
        ++pausesHeld;
    else if (event->getType() == EVT::EVENT_RESUME && pausesHeld > 0)
        --pausesHeld;
}

void PausedLogic::onEnter(const std::string& from, const std::string&)
{
    nextState = "";
    fromState = from;
    const Page::CallBack callBack(this, &PausedLogic::menuChoice);
    menuPage = new Page(0, callBack);
    menuPage->addItem(new Choice(CFG::get("PAUSE_MENU_QUIT"), callBack, 0));
    menuPage->addItem(new Choice(CFG::get("PAUSE_MENU_RESUME"), callBack, 1));
    menuController->setPage(menuPage);

    Input::InputController* controller = new Input::InputController("MENU", globals().screenAreaRenderer);
    menuView = new MenuView(controller, menuPage);
    gameManager->getViewManager()->add(menuView);
    {
        MenuScreenAreaFactory factory(menuView);
        const std::string file = CFG::get("MENU_INPUT_CFG");
        if (!canReadInputFile(file) || !controller->init(file, "", &factory))
            ABORT("Failed to create MENU InputController using " << file);
    }
    EVT::Event_InputController activate(EVT::EVENT_INPUT_CONTROLLER, controller->name, true);
    EVT::EventBus::instance().raiseEvent(&activate, false);
}

std::string PausedLogic::onUpdate(float)
{
    if (!nextState.empty())
        doExit("");
    return nextState;
}

void PausedLogic::menuChoice(const Menu::CallBackInfo& info)
{
    switch (info.itemId)
    {
    case 0:
        nextState = STATE_QUIT;
        break;
    case 1:
        nextState = fromState;
        break;
    case -1:
        nextState = isYes("MENU_ESCAPE_QUITS") ? STATE_QUIT : fromState;
        break;
    default:
        break;
    }
}

void PausedLogic::doExit(const std::string& reason)
{
    if (reason != "DELETED")
    {
        // One RESUME for every PAUSE still held, and at least the one that leaving the menu stands for.
        const int resumes = std::max(1, pausesHeld);
        for (int i = 0; i < resumes; ++i)
            EVT::EventBus::instance().raiseEvent(EVT::EVENT_RESUME, false);
    }
    if (menuView != nullptr)
    {
        gameManager->getViewManager()->remove(menuView);
        delete menuView;
        menuView = nullptr;
    }
    menuController->setPage(nullptr);
    delete menuPage;
    menuPage = nullptr;
}
} // namespace Orvik
