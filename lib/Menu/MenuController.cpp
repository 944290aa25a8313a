#include "Menu/MenuController.h"

#include "Menu/MenuPage.h"
#include "events/EventBus.h"
#include "events/EventWithString.h"
#include "events/Event_Key.h"
#include "events/EventTypes.h"
#include "util/StringUtil.h"

namespace Menu
{
namespace
{

// The page of a controller that has none.
MenuPage& emptyPage()
{
    static MenuPage l_emptyPage(0);
    return l_emptyPage;
}

const int s_menuTypes[] = {EVT::EVENT_KEY,
                           EVT::EVENT_MENU_EXIT,
                           EVT::EVENT_MENU_NEXT_ITEM,
                           EVT::EVENT_MENU_PREV_ITEM,
                           EVT::EVENT_MENU_NEXT_OPTION,
                           EVT::EVENT_MENU_PREV_OPTION,
                           EVT::EVENT_MENU_SELECT,
                           EVT::EVENT_MENU_SELECT_ITEM,
                           EVT::EVENT_MENU_GOTO_ITEM};
} // namespace

MenuController::MenuController() : page(&emptyPage()), useKeys(true), itemsWrap(false), optionsWrap(false) {}

MenuController::~MenuController() = default;

void MenuController::setPage(MenuPage* newPage)
{
    EVT::EventBus& bus = EVT::EventBus::instance();
    if (newPage == nullptr)
    {
        if (page != &emptyPage())
            for (int type : s_menuTypes)
                bus.removeConsumer(type, this);
        page = &emptyPage();
        return;
    }
    if (page == &emptyPage())
        for (int type : s_menuTypes)
            bus.addConsumer(type, this);
    page = newPage;
}

void MenuController::handleEvent(EVT::I_Event* event)
{
    const int type = event->getType();
    if (type == EVT::EVENT_KEY)
    {
        // KEY raised by name from a configured action is a string event with no key in it.
        const EVT::Event_Key* key = EVT::eventAs<EVT::Event_Key>(event);
        if (useKeys && key != nullptr && key->pressed)
            page->keypress(key->key);
        return;
    }
    switch (type)
    {
    case EVT::EVENT_MENU_EXIT:
        page->menuExit();
        return;
    case EVT::EVENT_MENU_NEXT_ITEM:
        page->nextItem(itemsWrap);
        return;
    case EVT::EVENT_MENU_PREV_ITEM:
        page->prevItem(itemsWrap);
        return;
    case EVT::EVENT_MENU_SELECT:
        page->select(optionsWrap);
        return;
    default:
        break;
    }
    if (type < EVT::EVENT_MENU_NEXT_OPTION || type > EVT::EVENT_MENU_GOTO_ITEM)
        return;
    // The item index travels as the event's text; an event without one is not a request for any item.
    const EVT::EventWithString* withText = EVT::eventAs<EVT::EventWithString>(event);
    if (withText == nullptr)
        return;
    const int k = Util::strToNum<int>(withText->getString(), 10);
    switch (type)
    {
    case EVT::EVENT_MENU_NEXT_OPTION:
        page->gotoItem(k);
        page->nextOption(optionsWrap);
        break;
    case EVT::EVENT_MENU_PREV_OPTION:
        page->gotoItem(k);
        page->prevOption(optionsWrap);
        break;
    case EVT::EVENT_MENU_SELECT_ITEM:
        page->selectItem(k, optionsWrap);
        break;
    case EVT::EVENT_MENU_GOTO_ITEM:
        page->gotoItem(k);
        break;
    default:
        break;
    }
}
} // namespace Menu
