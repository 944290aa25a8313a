#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Menu/MenuController.h"
#include "Menu/MenuItemChoice.h"
#include "Menu/MenuPage.h"
#include "Menu/MenuPageWithExitCallBack.h"
#include "events/Event.h"
#include "events/EventBus.h"
#include "events/EventTypes.h"
#include "events/EventWithString.h"
#include "events/Event_Key.h"

namespace
{
// The owner of a menu: records every callback it receives.
struct Owner
{
    std::vector<Menu::CallBackInfo> calls;
    void choice(const Menu::CallBackInfo& info) { calls.push_back(info); }
};

using OwnerCallBack = Util::CallBack1<Owner, void, const Menu::CallBackInfo&>;

// An item that records the option, select and key requests it receives.
struct RecordingItem : Menu::MenuItem
{
    RecordingItem(int id, std::vector<std::string>& l) : Menu::MenuItem("item", id), log(l) {}
    void prevOption(int pageId, bool wrap) override { record("prev", pageId, wrap); }
    void select(int pageId, bool wrap) override { record("select", pageId, wrap); }
    void keypress(int pageId, unsigned char key) override
    {
        log.push_back("key " + std::to_string(getId()) + " page " + std::to_string(pageId) + " " +
                      std::to_string(key));
    }
    void record(const std::string& what, int pageId, bool wrap)
    {
        log.push_back(what + " " + std::to_string(getId()) + " page " + std::to_string(pageId) +
                      (wrap ? " wrap" : " nowrap"));
    }
    std::vector<std::string>& log;
};

void raiseText(int type, const std::string& text)
{
    EVT::EventWithString event(type, text);
    EVT::EventBus::instance().raiseEvent(&event, false);
}

void raiseKey(unsigned char key, bool pressed)
{
    EVT::Event_Key event(EVT::EVENT_KEY, key, pressed, 0);
    EVT::EventBus::instance().raiseEvent(&event, false);
}

void fill(Menu::MenuPage& page, int items, std::vector<std::string>& log)
{
    for (int i = 0; i < items; ++i)
        page.addItem(new RecordingItem(i, log));
}

TEST(MenuPage, FirstItemAddedBecomesCurrent)
{
    std::vector<std::string> log;
    Menu::MenuPage page(3);
    EXPECT_EQ(-1, page.getCurrent());
    EXPECT_TRUE(page.getCurItemItr() == page.getItemList().end());
    page.addItem(new RecordingItem(0, log));
    EXPECT_EQ(0, page.getCurrent());
    page.addItem(new RecordingItem(1, log));
    EXPECT_EQ(0, page.getCurrent());
    EXPECT_EQ(0, (*page.getCurItemItr())->getId());
}

TEST(MenuPage, ItemSteppingWithAndWithoutWrap)
{
    const struct
    {
        int items;
        int start;
        bool next;
        bool wrap;
        int expected;
    } cases[] = {
        {3, 2, true, false, 2},
        {3, 2, true, true, 0},
        {3, 0, false, false, 0},
        {3, 0, false, true, 2},
        {3, 1, true, false, 2},
        {3, 1, false, true, 0},
        {1, 0, true, true, 0},
        {1, 0, false, true, 0},
        // An empty page has nothing to step to and keeps no current item.
        {0, -1, true, false, -1},
        {0, -1, true, true, -1},
        {0, -1, false, false, -1},
        {0, -1, false, true, -1},
    };
    for (const auto& c : cases)
    {
        std::vector<std::string> log;
        Menu::MenuPage page(1);
        fill(page, c.items, log);
        page.gotoItem(c.start);
        const int result = c.next ? page.nextItem(c.wrap) : page.prevItem(c.wrap);
        EXPECT_EQ(c.expected, result) << c.items << " items from " << c.start << (c.next ? " next" : " prev")
                                      << (c.wrap ? " wrapping" : "");
        EXPECT_EQ(c.expected, page.getCurrent());
        if (c.items == 0)
        {
            EXPECT_TRUE(page.getCurItemItr() == page.getItemList().end());
        }
    }
}

TEST(MenuPage, OutOfRangeIndicesChangeNothing)
{
    std::vector<std::string> log;
    Menu::MenuPage page(7);
    fill(page, 3, log);
    page.gotoItem(1);
    page.gotoItem(3);
    page.gotoItem(-1);
    EXPECT_EQ(1, page.getCurrent());
    page.selectItem(5, false);
    page.selectItem(-1, false);
    EXPECT_TRUE(log.empty());
    page.selectItem(2, true);
    EXPECT_EQ(2, page.getCurrent());
    EXPECT_EQ(std::vector<std::string>{"select 2 page 7 wrap"}, log);
}

TEST(MenuPage, EmptyPageIgnoresRequests)
{
    Menu::MenuPage page(1);
    page.select(true);
    page.nextOption(true);
    page.prevOption(true);
    page.keypress('a');
    page.menuExit();
    EXPECT_EQ(-1, page.getCurrent());
}

TEST(MenuItemChoice, SelectCallsOwnerWithItsId)
{
    Owner owner;
    Menu::MenuItemChoice<Owner> item("Quit", OwnerCallBack(&owner, &Owner::choice), 4);
    item.prevOption(9, true);
    item.keypress(9, 'x');
    EXPECT_TRUE(owner.calls.empty());
    item.select(9, true);
    ASSERT_EQ(1u, owner.calls.size());
    EXPECT_EQ(9, owner.calls[0].pageId);
    EXPECT_EQ(4, owner.calls[0].itemId);
    EXPECT_EQ(0, owner.calls[0].value);
    EXPECT_EQ("", owner.calls[0].text);
    EXPECT_EQ("Quit", item.getItemText());
    EXPECT_EQ("", item.getOptionText());
}

// A pause-menu-like page: two choices and a callback for leaving it.
struct ChoiceMenu : ::testing::Test
{
    ChoiceMenu() : page(5, OwnerCallBack(&owner, &Owner::choice))
    {
        page.addItem(new Menu::MenuItemChoice<Owner>("Quit", OwnerCallBack(&owner, &Owner::choice), 0));
        page.addItem(new Menu::MenuItemChoice<Owner>("Resume", OwnerCallBack(&owner, &Owner::choice), 1));
        controller.setPage(&page);
    }
    ~ChoiceMenu() override { controller.setPage(nullptr); }

    std::vector<int> itemIds() const
    {
        std::vector<int> ids;
        for (const Menu::CallBackInfo& info : owner.calls)
            ids.push_back(info.itemId);
        return ids;
    }

    Owner owner;
    Menu::MenuPageWithExitCallBack<Owner> page;
    Menu::MenuController controller;
};

TEST_F(ChoiceMenu, SelectItemReadsTheIndexFromTheText)
{
    raiseText(EVT::EVENT_MENU_SELECT_ITEM, "1");
    raiseText(EVT::EVENT_MENU_SELECT_ITEM, "x");   // not a number: the first item
    raiseText(EVT::EVENT_MENU_SELECT_ITEM, "7");   // past the end: nothing
    raiseText(EVT::EVENT_MENU_SELECT_ITEM, "0x1"); // no hexadecimal here: 0
    EXPECT_EQ((std::vector<int>{1, 0, 0}), itemIds());
    ASSERT_FALSE(owner.calls.empty());
    EXPECT_EQ(5, owner.calls[0].pageId);
    EXPECT_EQ(0, owner.calls[0].value);
}

TEST_F(ChoiceMenu, OptionStepsOfChoicesAreSelects)
{
    raiseText(EVT::EVENT_MENU_NEXT_OPTION, "1");
    EXPECT_EQ(1, page.getCurrent());
    raiseText(EVT::EVENT_MENU_NEXT_OPTION, "9"); // out of range: applies to the item that was current
    raiseText(EVT::EVENT_MENU_PREV_OPTION, "0"); // choices have no previous option
    raiseText(EVT::EVENT_MENU_SELECT, "");
    EXPECT_EQ((std::vector<int>{1, 1, 0}), itemIds());
}

TEST_F(ChoiceMenu, ExitCallsThePageCallback)
{
    raiseText(EVT::EVENT_MENU_EXIT, "");
    ASSERT_EQ(1u, owner.calls.size());
    EXPECT_EQ(5, owner.calls[0].pageId);
    EXPECT_EQ(-1, owner.calls[0].itemId);
    EXPECT_EQ(-1, owner.calls[0].value);
}

TEST_F(ChoiceMenu, GotoAndStepItems)
{
    raiseText(EVT::EVENT_MENU_GOTO_ITEM, "1");
    EXPECT_EQ(1, page.getCurrent());
    raiseText(EVT::EVENT_MENU_NEXT_ITEM, "");
    EXPECT_EQ(1, page.getCurrent());
    controller.setItemsWrap(true);
    raiseText(EVT::EVENT_MENU_NEXT_ITEM, "");
    EXPECT_EQ(0, page.getCurrent());
    raiseText(EVT::EVENT_MENU_PREV_ITEM, "");
    EXPECT_EQ(1, page.getCurrent());
    EXPECT_TRUE(owner.calls.empty());
}

TEST_F(ChoiceMenu, EventsOfAnotherClassAreNotReadAsRequests)
{
    // A configured action can raise KEY or an item request by type alone.
    EVT::EventBus::instance().raiseEvent(EVT::EVENT_MENU_SELECT_ITEM, false);
    EVT::EventBus::instance().raiseEvent(EVT::EVENT_MENU_GOTO_ITEM, false);
    raiseText(EVT::EVENT_KEY, "a");
    EXPECT_TRUE(owner.calls.empty());
    EXPECT_EQ(0, page.getCurrent());
}

TEST(MenuController, PlainPageIgnoresExit)
{
    std::vector<std::string> log;
    Menu::MenuPage page(1);
    fill(page, 2, log);
    Menu::MenuController controller;
    controller.setPage(&page);
    raiseText(EVT::EVENT_MENU_EXIT, "");
    EXPECT_TRUE(log.empty());
    controller.setPage(nullptr);
}

TEST(MenuController, WrapFlagsGoWhereTheyBelong)
{
    std::vector<std::string> log;
    Menu::MenuPage page(2);
    fill(page, 2, log);
    Menu::MenuController controller;
    EXPECT_TRUE(controller.getUseKeys());
    EXPECT_FALSE(controller.getItemsWrap());
    EXPECT_FALSE(controller.getOptionsWrap());
    controller.setPage(&page);
    controller.setItemsWrap(true);
    raiseText(EVT::EVENT_MENU_SELECT, "");
    raiseText(EVT::EVENT_MENU_PREV_OPTION, "1");
    controller.setOptionsWrap(true);
    raiseText(EVT::EVENT_MENU_SELECT_ITEM, "0");
    EXPECT_EQ(
        (std::vector<std::string>{"select 0 page 2 nowrap", "prev 1 page 2 nowrap", "select 0 page 2 wrap"}),
        log);
    controller.setPage(nullptr);
}

TEST(MenuController, KeyPressesReachTheCurrentItemWhenKeysAreUsed)
{
    std::vector<std::string> log;
    Menu::MenuPage page(3);
    fill(page, 2, log);
    Menu::MenuController controller;
    controller.setPage(&page);
    raiseKey('q', true);
    raiseKey('q', false);
    controller.setUseKeys(false);
    raiseKey('w', true);
    EXPECT_EQ(std::vector<std::string>{"key 0 page 3 113"}, log);
    controller.setPage(nullptr);
}

TEST(MenuController, ListensExactlyWhileItHasAPage)
{
    std::vector<std::string> log;
    Menu::MenuPage a(1);
    Menu::MenuPage b(2);
    Menu::MenuPage c(3);
    fill(a, 3, log);
    fill(b, 3, log);
    fill(c, 3, log);
    Menu::MenuController controller;

    raiseText(EVT::EVENT_MENU_NEXT_ITEM, "");
    controller.setPage(&a);
    raiseText(EVT::EVENT_MENU_NEXT_ITEM, "");
    EXPECT_EQ(1, a.getCurrent());
    controller.setPage(&b);
    raiseText(EVT::EVENT_MENU_NEXT_ITEM, ""); // subscribed once: one step
    EXPECT_EQ(1, b.getCurrent());
    EXPECT_EQ(1, a.getCurrent());
    controller.setPage(nullptr);
    raiseText(EVT::EVENT_MENU_NEXT_ITEM, "");
    controller.setPage(nullptr);
    raiseText(EVT::EVENT_MENU_NEXT_ITEM, "");
    EXPECT_EQ(1, b.getCurrent());
    controller.setPage(&c);
    raiseText(EVT::EVENT_MENU_NEXT_ITEM, "");
    EXPECT_EQ(1, c.getCurrent());
    controller.setPage(nullptr);
}

TEST(MenuController, DestroyedWithItsPageAttachedHearsNothingMore)
{
    std::vector<std::string> log;
    Menu::MenuPage page(4);
    fill(page, 2, log);
    {
        Menu::MenuController controller;
        controller.setPage(&page);
    }
    raiseText(EVT::EVENT_MENU_SELECT, "");
    raiseKey('k', true);
    EXPECT_TRUE(log.empty());
}
} // namespace
