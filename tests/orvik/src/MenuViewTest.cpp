#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "Game/GameManager.h"
#include "Menu/MenuItem.h"
#include "Menu/MenuPage.h"
#include "MenuFakes.h"
#include "TestSupport.h"
#include "input/InputController.h"
#include "orvik/src/Globals.h"
#include "orvik/src/MenuView.h"
#include "support/FakeRenderController.h"

namespace
{
typedef std::map<std::string, std::string> Keys;

class Item : public Menu::MenuItem
{
public:
    Item(const std::string& text, int id, const std::string& option = "")
        : Menu::MenuItem(text, id), option(option)
    {
    }
    std::string getOptionText() const override { return option; }
    void prevOption(int, bool) override {}
    void select(int, bool) override {}
    void keypress(int, unsigned char) override {}

private:
    std::string option;
};

// The font's shape is read once per process, so cases that need another shape run in a process of their
// own; it passes when the checks in it did. The child's reports are not shown: ORVIK_TEST_IN_PROCESS=1
// runs the checks in the test's own process instead (one such test at a time) to read them.
void inFreshProcess(const std::function<void()>& checks)
{
    if (std::getenv("ORVIK_TEST_IN_PROCESS") != nullptr)
    {
        checks();
        return;
    }
    ::testing::FLAGS_gtest_death_test_style = "threadsafe";
    EXPECT_EXIT(
        {
            checks();
            std::exit(::testing::Test::HasFailure() ? 1 : 0);
        },
        ::testing::ExitedWithCode(0), "");
}

bool sameColor(const Util::RGBA& a, const Util::RGBA& b)
{
    return a.r == b.r && a.g == b.g && a.b == b.b && a.a == b.a;
}

const Util::RGBA s_item{0x11, 0x22, 0x33, 0x44};
const Util::RGBA s_selected{0xAA, 0xBB, 0xCC, 0xDD};

TEST(MenuView, FontSizeIsTheFirstListedSizeNotBelowTheWantedShareOfTheHeight)
{
    inFreshProcess(
        []
        {
            MenuTest::Services services;
            Menu::MenuPage page(0);
            {
                Orvik::MenuView* view = services.makeView(&page);
                const struct
                {
                    int height;
                    std::string font;
                } cases[] = {
                    {600, "menu.ttf@32"}, {300, "menu.ttf@18"}, {1000, "menu.ttf@32"}, {480, "menu.ttf@24"}};
                // Before any screen size the wanted size is 0: the first listed size.
                EXPECT_EQ("menu.ttf@12", services.fonts.requests.back());
                for (const auto& c : cases)
                {
                    view->setScreenSize(800, c.height);
                    EXPECT_EQ(c.font, services.fonts.requests.back()) << c.height;
                    EXPECT_EQ(1u, services.fonts.fonts.size()) << "the old font is given back";
                }
                const std::size_t made = services.fonts.requests.size();
                view->setScreenSize(1024, 480);
                EXPECT_EQ(made, services.fonts.requests.size()) << "same height, same font";
                delete view;
            }
            EXPECT_TRUE(services.fonts.fonts.empty());
        });
}

TEST(MenuView, RowsRunDownFromTheConfiguredPlaceAndRecordTheirBoxes)
{
    inFreshProcess(
        []
        {
            // 4 percent of 600 asks for 24 exactly.
            MenuTest::Services services(Keys{{"MENU_FONT_SIZE_PER", "4"}});
            Menu::MenuPage page(0);
            page.addItem(new Item("Quit", 0));
            page.addItem(new Item("Resume", 1, "On"));
            Orvik::MenuView* view = services.makeView(&page);
            view->setScreenSize(800, 600);
            EXPECT_TRUE(view->getItemBoxes().empty());
            const Geom::Rect<int> viewBox = view->getViewBox();
            EXPECT_EQ(0, viewBox.x);
            EXPECT_EQ(0, viewBox.y);
            EXPECT_EQ(800, viewBox.w);
            EXPECT_EQ(600, viewBox.h);

            view->onRender();
            const std::vector<MenuTest::Drawn>& drawn = services.fonts.drawn;
            ASSERT_EQ(3u, drawn.size()) << "no option text for the first row";
            EXPECT_EQ(">>Quit", drawn[0].text);
            EXPECT_EQ(80.0, drawn[0].x);
            EXPECT_EQ(360.0, drawn[0].y);
            EXPECT_TRUE(sameColor(s_selected, drawn[0].color));
            EXPECT_EQ("--Resume", drawn[1].text);
            EXPECT_EQ(80.0, drawn[1].x);
            EXPECT_EQ(330.0, drawn[1].y);
            EXPECT_TRUE(sameColor(s_item, drawn[1].color));
            EXPECT_EQ("On", drawn[2].text);
            EXPECT_EQ(480.0, drawn[2].x);
            EXPECT_EQ(330.0, drawn[2].y);

            const std::vector<Geom::Rect<int>>& boxes = view->getItemBoxes();
            ASSERT_EQ(2u, boxes.size());
            const int expected[2][4] = {{80, 384, 60, 24}, {80, 354, 80, 24}};
            for (int i = 0; i < 2; ++i)
            {
                EXPECT_EQ(expected[i][0], boxes[i].x) << i;
                EXPECT_EQ(expected[i][1], boxes[i].y) << i;
                EXPECT_EQ(expected[i][2], boxes[i].w) << i;
                EXPECT_EQ(expected[i][3], boxes[i].h) << i;
            }
            // The frame is drawn in a flat view of the whole screen in pixels.
            ASSERT_FALSE(services.render.viewDatas.empty());
            EXPECT_EQ(800, services.render.viewDatas.back().width);
            EXPECT_EQ(600, services.render.viewDatas.back().height);

            // Another current row swaps prefixes and colours, and the boxes follow the new texts.
            page.nextItem(false);
            services.fonts.drawn.clear();
            view->onRender();
            ASSERT_EQ(3u, drawn.size());
            EXPECT_EQ("--Quit", drawn[0].text);
            EXPECT_TRUE(sameColor(s_item, drawn[0].color));
            EXPECT_EQ(">>Resume", drawn[1].text);
            EXPECT_TRUE(sameColor(s_selected, drawn[1].color));
            EXPECT_TRUE(sameColor(s_selected, drawn[2].color));
            EXPECT_EQ(2u, view->getItemBoxes().size());
            delete view;
        });
}

TEST(MenuView, AFontThatCannotBeMadeIsFatal)
{
    EXPECT_DEATH(
        {
            MenuTest::Services services;
            services.fonts.refuse = true;
            Menu::MenuPage page(0);
            services.makeView(&page);
        },
        "FONT FAILURE menu.ttf size 12");
}

TEST(MenuView, ASizeListWithoutSizesIsFatal)
{
    ::testing::FLAGS_gtest_death_test_style = "threadsafe";
    for (const char* sizes : {"", " , ,"})
        EXPECT_DEATH(
            {
                MenuTest::Services services(Keys{{"MENU_FONT_SIZES", sizes}});
                Menu::MenuPage page(0);
                services.makeView(&page);
            },
            "MENU_FONT_SIZES")
            << "'" << sizes << "'";
}

// A list whose sizes are not numbers reads as 0; no font is made of it, so the menu never draws without one.
TEST(MenuView, ASizeNoFontCanBeMadeOfIsFatalBeforeAnyRow)
{
    ::testing::FLAGS_gtest_death_test_style = "threadsafe";
    const struct
    {
        const char* sizes;
        const char* message;
    } cases[] = {{"abc", "FONT FAILURE menu.ttf size 0"},
                 {"0", "FONT FAILURE menu.ttf size 0"},
                 {"0,-5,abc", "FONT FAILURE menu.ttf size 0"},
                 {"-1", "FONT FAILURE menu.ttf size -1"}};
    for (const auto& c : cases)
        EXPECT_DEATH(
            {
                MenuTest::Services services(Keys{{"MENU_FONT_SIZES", c.sizes}});
                Menu::MenuPage page(0);
                page.addItem(new Item("Quit", 0));
                Orvik::MenuView* view = services.makeView(&page);
                view->setScreenSize(800, 600);
                view->onRender();
            },
            c.message)
            << c.sizes;
}

TEST(MenuView, TheSmallestSizeAFontCanBeMadeOfIsDrawn)
{
    inFreshProcess(
        []
        {
            MenuTest::Services services(Keys{{"MENU_FONT_SIZES", "1"}});
            Menu::MenuPage page(0);
            page.addItem(new Item("Quit", 0));
            Orvik::MenuView* view = services.makeView(&page);
            view->setScreenSize(800, 600);
            view->onRender();
            EXPECT_EQ(std::vector<std::string>{"menu.ttf@1"}, services.fonts.requests);
            EXPECT_EQ(1u, view->getItemBoxes().size());
            delete view;
        });
}
} // namespace
