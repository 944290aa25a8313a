#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CFG/Overrides.h"
#include "events/Event.h"
#include "events/EventBus.h"
#include "events/EventTypes.h"
#include "events/EventWithString.h"
#include "events/Event_InputController.h"
#include "events/Event_Joypad.h"
#include "events/Event_Key.h"
#include "events/Event_Mouse.h"
#include "input/InputController.h"
#include "InputFakes.h"
#include "support/InputConfigText.h"
#include "support/RecordingConsumer.h"
#include "support/TempDir.h"

namespace
{
using InputTest::RecordingRenderer;

using Texts = std::vector<std::string>;

EVT::EventBus& bus()
{
    return EVT::EventBus::instance();
}

void activate(const std::string& name, bool on = true)
{
    EVT::Event_InputController event(EVT::EVENT_INPUT_CONTROLLER, name, on);
    bus().raiseEvent(&event, false);
}

void areaGoto(const std::string& area)
{
    EVT::EventWithString event(EVT::EVENT_AREA_GOTO, area);
    bus().raiseEvent(&event, false);
}

// Hands the controller one input event; true when it took it.
bool key(Input::InputController& controller, unsigned char k, bool pressed, int mods = 0)
{
    EVT::Event_Key event(EVT::EVENT_KEY, k, pressed, mods);
    return controller.onInput(&event) == nullptr;
}

bool mouse(Input::InputController& controller, int x, int y, int wheel, int button, bool pressed)
{
    EVT::Event_Mouse event(EVT::EVENT_MOUSE, x, y, wheel, button, pressed);
    return controller.onInput(&event) == nullptr;
}

// Most input files of these tests begin with this controller with one whole-box area.
Testing::InputConfigText menuFile()
{
    Testing::InputConfigText text("MENU");
    text.area("ANYWHERE", "0,0", "100,100");
    return text;
}

class Controller : public ::testing::Test
{
protected:
    Controller()
        : recorder({EVT::EVENT_SHUTDOWN, EVT::EVENT_AREA_GOTO, EVT::EVENT_MENU_SELECT, EVT::EVENT_MUSIC})
    {
    }

    std::string file(const std::string& text)
    {
        return dir.write("input" + std::to_string(++files) + ".cfg", text);
    }

    Testing::TempDir dir{"orvik-input"};
    RecordingRenderer renderer;
    Testing::RecordingConsumer recorder;
    int files = 0;
};

TEST_F(Controller, MenuFileEndToEnd)
{
    Input::InputController menu("", &renderer);
    ASSERT_TRUE(menu.init(file(menuFile()
                                   .switchOn("SELECT", "KEY:RETURN, MOUSE:LMB")
                                   .set("SELECT", "PRESS", "MENU_SELECT")
                                   .text()),
                          "", nullptr));
    EXPECT_EQ("MENU", menu.name);
    EXPECT_EQ(1, renderer.initCalls);
    EXPECT_TRUE(renderer.modelNames.empty());
    EXPECT_FALSE(menu.isActive());

    activate("MENU");
    EXPECT_TRUE(menu.isActive());
    EXPECT_EQ(Texts{"MENU:used"}, renderer.usedBy);
    EXPECT_TRUE(key(menu, Devices::Keyboard::KEY_RETURN, true));
    EXPECT_EQ(Texts{}, recorder.take());
    menu.onUpdate(0.5f);
    EXPECT_EQ(Texts{}, recorder.take());
    menu.onUpdate(1.0f);
    EXPECT_EQ(Texts{"MENU_SELECT:MENU_SELECT"}, recorder.take());
    key(menu, Devices::Keyboard::KEY_RETURN, false);
    menu.onUpdate(16.0f);
    EXPECT_EQ(Texts{}, recorder.take());

    EXPECT_TRUE(mouse(menu, 500, 500, 0, Devices::Mouse::LMB, true));
    menu.onUpdate(16.0f);
    EXPECT_EQ(Texts{"MENU_SELECT:MENU_SELECT"}, recorder.take());

    menu.onRender();
    ASSERT_EQ(1u, renderer.drawn.size());
    EXPECT_EQ(100.0f, renderer.drawn[0].rect.w);
    EXPECT_EQ(100.0f, renderer.drawn[0].rect.h);
    EXPECT_TRUE(renderer.drawn[0].info.isCurrentArea);
}

// A factory that records what it is given: "FOLLOW" keeps the area, "DROP" deletes it.
struct RecordingFactory : Input::I_RelativeScreenAreaFactory
{
    Input::I_ScreenArea* create(const std::string& type, Input::I_ScreenArea* area) override
    {
        calls.push_back(type + "/" + area->name);
        if (type == "DROP")
        {
            delete area;
            return nullptr;
        }
        area->setAreaModel("followed");
        return area;
    }
    Texts calls;
};

TEST_F(Controller, CompleteFileIntoAreasAndSwitches)
{
    const std::string text = "INPUT_CONTROLLER_NAME == IGNORED\n"
                             "G_AREA_LIST == ANYWHERE, LEFT,RIGHT, GONE ,TOKEN\n"
                             "G_ANYWHERE_POS == 0,0\n"
                             "G_ANYWHERE_SIZE == 100,100\n"
                             "G_ANYWHERE_MODELS == m,\n"
                             "G_LEFT_POS == 0, 0\n"
                             "G_LEFT_SIZE == 50,100\n"
                             "G_LEFT_MODELS == m,m2\n"
                             "G_LEFT_MATERIALS == dull, bright\n"
                             "G_RIGHT_POS == 50,0\n"
                             "G_RIGHT_SIZE == 50,100\n"
                             "G_RIGHT_TEXT == \" Play | Quit\"\n"
                             "G_RIGHT_COLORS == red | green\n"
                             "G_GONE_POS == 1,1\n"
                             "G_GONE_SIZE == 1,1\n"
                             "G_GONE_MODELS == lost\n"
                             "G_GONE_RELATIVE_AREA == DROP\n"
                             "G_TOKEN_POS == 40,40\n"
                             "G_TOKEN_SIZE == 20,20\n"
                             "G_TOKEN_RELATIVE_AREA == FOLLOW\n"
                             "G_SWITCH_LIST == TYPE, HOLDING, SIDES\n"
                             "G_TYPE_TRIGGER == KEY:a, KEY:SHIFT a\n"
                             "G_TYPE_DELAYS == 0,0,0,0\n"
                             "G_TYPE_AREA == LEFT,RIGHT\n"
                             "G_TYPE_PRESS == MUSIC:typed\n"
                             "G_HOLDING_TRIGGER == KEY:CTRL+SHIFT h\n"
                             "G_HOLDING_DELAYS == 0, 0, 100, 0\n"
                             "G_HOLDING_AREA == ANYWHERE\n"
                             "G_HOLDING_PRESS == MUSIC:press\n"
                             "G_HOLDING_HOLD == MUSIC:hold\n"
                             "G_HOLDING_HOLDREL == MUSIC:holdrel\n"
                             "G_HOLDING_RELEASE == MUSIC:release\n"
                             "G_HOLDING_RENDER_TUH == 0xFF000080\n"
                             "G_SIDES_TRIGGER == ENTERLEAVE\n"
                             "G_SIDES_DELAYS == 0,0,0,0\n"
                             "G_SIDES_AREA == LEFT\n"
                             "G_SIDES_PRESS == MUSIC:in\n"
                             "G_SIDES_RELEASE == MUSIC:out\n";
    RecordingFactory factory;
    Input::InputController game("", &renderer);
    ASSERT_TRUE(game.init(file(text), "G", &factory));
    EXPECT_EQ("G", game.name);
    EXPECT_EQ((Texts{"DROP/GONE", "FOLLOW/TOKEN"}), factory.calls);
    EXPECT_EQ((std::set<std::string>{"m", "m2", " Play ", " Quit", "followed"}), renderer.modelNames);
    EXPECT_EQ((std::set<std::string>{"dull", "bright", "red", "green"}), renderer.materialNames);

    activate("G");
    game.onRender();
    ASSERT_EQ(4u, renderer.drawn.size());
    // ANYWHERE is current and drawn with its highlight names, which it lacks; the others plainly.
    EXPECT_TRUE(renderer.drawn[0].info.isCurrentArea);
    EXPECT_EQ("", renderer.drawn[0].model);
    EXPECT_EQ("", renderer.drawn[0].material);
    EXPECT_EQ("m", renderer.drawn[1].model);
    EXPECT_EQ("dull", renderer.drawn[1].material);
    EXPECT_EQ(50.0f, renderer.drawn[1].rect.w);
    EXPECT_EQ(" Play ", renderer.drawn[2].model);
    EXPECT_EQ("red", renderer.drawn[2].material);
    EXPECT_EQ(50.0f, renderer.drawn[2].rect.x);
    EXPECT_EQ("followed", renderer.drawn[3].model);
    EXPECT_EQ(40.0f, renderer.drawn[3].rect.y);

    // The pointer moves into LEFT: its enter action; the typing switches exist for LEFT and RIGHT with
    // and without shift, and not for ANYWHERE.
    mouse(game, 100, 500, 0, 0, false);
    EXPECT_EQ(Texts{"MUSIC:in"}, recorder.take());
    key(game, 'a', true);
    game.onUpdate(16.0f);
    key(game, 'a', true, Devices::Keyboard::MOD_SHIFT);
    game.onUpdate(16.0f);
    key(game, 'a', true, Devices::Keyboard::MOD_CTRL);
    game.onUpdate(16.0f);
    EXPECT_EQ((Texts{"MUSIC:typed", "MUSIC:typed"}), recorder.take());
    mouse(game, 700, 500, 0, 0, false);
    EXPECT_EQ(Texts{"MUSIC:out"}, recorder.take());
    key(game, 'a', true, Devices::Keyboard::MOD_SHIFT);
    game.onUpdate(16.0f);
    EXPECT_EQ(Texts{"MUSIC:typed"}, recorder.take());
    areaGoto("ANYWHERE");
    key(game, 'a', true);
    game.onUpdate(16.0f);
    EXPECT_EQ(Texts{"AREA_GOTO:ANYWHERE"}, recorder.take());

    // Hold timing with its countdown shown in the configured colour.
    key(game, 'h', true, Devices::Keyboard::MOD_CTRL | Devices::Keyboard::MOD_SHIFT);
    game.onUpdate(1.0f);
    game.onUpdate(40.0f);
    game.onRender();
    EXPECT_EQ(60, renderer.drawn[0].info.hold.timeLeft);
    EXPECT_EQ(100, renderer.drawn[0].info.hold.initialTime);
    EXPECT_EQ(0xFF, renderer.drawn[0].info.hold.r);
    EXPECT_EQ(0x80, renderer.drawn[0].info.hold.a);
    game.onUpdate(60.0f);
    key(game, 'h', false, Devices::Keyboard::MOD_CTRL | Devices::Keyboard::MOD_SHIFT);
    game.onUpdate(1.0f);
    EXPECT_EQ((Texts{"MUSIC:press", "MUSIC:hold", "MUSIC:holdrel"}), recorder.take());
}

TEST_F(Controller, NameComesFromTheCallerOrTheFile)
{
    const std::string path = file("INPUT_CONTROLLER_NAME == MENU\n"
                                  "MENU_AREA_LIST == M\nMENU_M_POS == 0,0\nMENU_M_SIZE == 10,10\n"
                                  "X_AREA_LIST == X1,X2\nX_X1_POS == 0,0\nX_X1_SIZE == 10,10\n"
                                  "X_X2_POS == 10,10\nX_X2_SIZE == 10,10\n");
    Input::InputController byFile("start", &renderer);
    EXPECT_FALSE(byFile.init("", "", nullptr));
    EXPECT_EQ("start", byFile.name);
    EXPECT_EQ(0, renderer.initCalls);
    ASSERT_TRUE(byFile.init(path, "", nullptr));
    EXPECT_EQ("MENU", byFile.name);
    byFile.onRender();
    EXPECT_EQ(1u, renderer.drawn.size());

    Input::InputController byCaller("start", &renderer);
    ASSERT_TRUE(byCaller.init(path, "X", nullptr));
    EXPECT_EQ("X", byCaller.name);
    byCaller.onRender();
    EXPECT_EQ(2u, renderer.drawn.size());

    // A missing file is no failure: no areas, no switches, and the renderer's answer for nothing.
    Input::InputController missing("start", &renderer);
    EXPECT_TRUE(missing.init(dir.path("missing.cfg"), "", nullptr));
    EXPECT_EQ("", missing.name);
    renderer.initResult = false;
    EXPECT_FALSE(missing.init(dir.path("missing.cfg"), "", nullptr));
}

TEST_F(Controller, ABadAreaEndsTheAreaListOnly)
{
    Input::InputController menu("", &renderer);
    ASSERT_TRUE(
        menu.init(file("N_AREA_LIST == ONE,TWO,THREE\n"
                       "N_ONE_POS == a,b\nN_ONE_SIZE == 10,10\n"
                       "N_TWO_POS == 10,20,30\nN_TWO_SIZE == 10,10\n"
                       "N_THREE_POS == 10,20\nN_THREE_SIZE == 10,10\n"
                       "N_SWITCH_LIST == S\nN_S_TRIGGER == KEY:x\nN_S_DELAYS == 0,0,0,0\nN_S_AREA == ONE\n"
                       "N_S_PRESS == MUSIC:x\n"),
                  "N", nullptr));
    menu.onRender();
    ASSERT_EQ(1u, renderer.drawn.size());
    EXPECT_EQ(0.0f, renderer.drawn[0].rect.x); // 'a,b' reads (0, 0)
    activate("N");
    areaGoto("ONE");
    recorder.take();
    key(menu, 'x', true);
    menu.onUpdate(1.0f);
    EXPECT_EQ(Texts{"MUSIC:x"}, recorder.take());
}

TEST_F(Controller, FilesThatFailInit)
{
    const struct
    {
        const char* what;
        const char* switchLines;
    } cases[] = {
        {"no trigger", "MENU_S_DELAYS == 0,0,0,0\nMENU_S_AREA == ANYWHERE\n"},
        {"key without a value", "MENU_S_TRIGGER == KEY\nMENU_S_DELAYS == 0,0,0,0\nMENU_S_AREA == ANYWHERE\n"},
        {"unknown key", "MENU_S_TRIGGER == KEY:nokey\nMENU_S_DELAYS == 0,0,0,0\nMENU_S_AREA == ANYWHERE\n"},
        {"three key words",
         "MENU_S_TRIGGER == KEY:KP RET\nMENU_S_DELAYS == 0,0,0,0\nMENU_S_AREA == ANYWHERE\n"},
        {"undefined type", "MENU_S_TRIGGER == UNDEF:x\nMENU_S_DELAYS == 0,0,0,0\nMENU_S_AREA == ANYWHERE\n"},
        {"unknown type", "MENU_S_TRIGGER == BUTTON:x\nMENU_S_DELAYS == 0,0,0,0\nMENU_S_AREA == ANYWHERE\n"},
        {"two joypad words",
         "MENU_S_TRIGGER == JPAD:UP B1\nMENU_S_DELAYS == 0,0,0,0\nMENU_S_AREA == ANYWHERE\n"},
        {"three delays", "MENU_S_TRIGGER == KEY:a\nMENU_S_DELAYS == 100,0,0\nMENU_S_AREA == ANYWHERE\n"},
        {"five delays", "MENU_S_TRIGGER == KEY:a\nMENU_S_DELAYS == 1,2,3,4,5\nMENU_S_AREA == ANYWHERE\n"},
        {"no area", "MENU_S_TRIGGER == KEY:a\nMENU_S_DELAYS == 0,0,0,0\n"},
        {"relative area without a factory",
         "MENU_S_TRIGGER == KEY:a\nMENU_S_DELAYS == 0,0,0,0\nMENU_S_AREA == ANYWHERE\n"
         "MENU_AREA_LIST == ANYWHERE,REL\nMENU_REL_POS == 0,0\nMENU_REL_SIZE == 1,1\n"
         "MENU_REL_RELATIVE_AREA == PLAYER\n"},
    };
    for (const auto& c : cases)
    {
        Input::InputController menu("", &renderer);
        EXPECT_FALSE(
            menu.init(file(menuFile().line("MENU_SWITCH_LIST", "S").text() + c.switchLines), "", nullptr))
            << c.what;
        EXPECT_EQ("MENU", menu.name) << c.what;
    }

    Input::InputController refused("", &renderer);
    renderer.initResult = false;
    EXPECT_FALSE(refused.init(file(menuFile().text()), "", nullptr));
}

TEST_F(Controller, SwitchesBeforeAFailureStay)
{
    Input::InputController menu("", &renderer);
    EXPECT_FALSE(menu.init(file(menuFile()
                                    .switchOn("S", "KEY:a,KEY:KP RET")
                                    .set("S", "PRESS", "MUSIC:a")
                                    .switchOn("T", "KEY:b")
                                    .set("T", "PRESS", "MUSIC:b")
                                    .text()),
                           "", nullptr));
    activate("MENU");
    key(menu, 'a', true);
    menu.onUpdate(1.0f);
    key(menu, 'b', true);
    menu.onUpdate(1.0f);
    EXPECT_EQ(Texts{"MUSIC:a"}, recorder.take());
}

TEST_F(Controller, TriggerAndActionForms)
{
    Input::InputController menu("", &renderer);
    ASSERT_TRUE(menu.init(file(menuFile()
                                   .switchOn("WHEEL", "WHEEL_UP")
                                   .set("WHEEL", "PRESS", "MUSIC:wheel")
                                   .switchOn("NOBUTTON", "MOUSE:XMB")
                                   .set("NOBUTTON", "PRESS", "MUSIC:xmb")
                                   .switchOn("PAGE", "KEY:PAGE UP")
                                   .set("PAGE", "PRESS", "MUSIC:page")
                                   .switchOn("NOWHERE", "KEY:n")
                                   .set("NOWHERE", "PRESS", "MOVE_NOWHERE")
                                   .switchOn("PAD", "JPAD:UP NONE B1")
                                   .set("PAD", "PRESS", "MUSIC:pad")
                                   .switchOn("PAD2", "JPAD:DN B1+B2 B1+B2")
                                   .set("PAD2", "PRESS", "MUSIC:pad2")
                                   .switchOn("TEXT", "KEY:t")
                                   .set("TEXT", "PRESS", "MUSIC:a:b")
                                   .set("TEXT", "RELEASE", "SHUTDOWN")
                                   .text()),
                          "", nullptr));
    activate("MENU");
    mouse(menu, 10, 10, 0, 0, false);
    mouse(menu, 10, 10, 1, 0, false);
    mouse(menu, 10, 10, 0, 8, true);
    key(menu, 'n', true);
    key(menu, Devices::Keyboard::KEY_UP, true);
    menu.onUpdate(1.0f);
    EXPECT_EQ(Texts{"MUSIC:wheel"}, recorder.take());

    // The pad switch wants UP while B1 (in its mask, not in its other-flags) is inactive.
    EVT::Event_Joypad upWithB1(EVT::EVENT_JOYPAD, 0, 0, 1, true, false, false, false);
    menu.onInput(&upWithB1);
    menu.onUpdate(1.0f);
    EVT::Event_Joypad centred(EVT::EVENT_JOYPAD, 0, 0, 0, false, false, false, false);
    menu.onInput(&centred);
    EVT::Event_Joypad up(EVT::EVENT_JOYPAD, 3, 0, 1, false, false, false, false);
    menu.onInput(&up);
    menu.onUpdate(1.0f);
    EXPECT_EQ(Texts{"MUSIC:pad"}, recorder.take());
    // Flags in both the other-flags and the mask do not matter.
    EVT::Event_Joypad downWithButtons(EVT::EVENT_JOYPAD, 0, 0, -1, true, true, false, false);
    menu.onInput(&downWithButtons);
    menu.onUpdate(1.0f);
    EXPECT_EQ(Texts{"MUSIC:pad2"}, recorder.take());

    key(menu, 't', true);
    menu.onUpdate(1.0f);
    key(menu, 't', false);
    menu.onUpdate(1.0f);
    EXPECT_EQ((Texts{"MUSIC:a:b", "SHUTDOWN:SHUTDOWN"}), recorder.take());
}

TEST_F(Controller, DelaysAndColours)
{
    Input::InputController menu("", &renderer);
    ASSERT_TRUE(menu.init(file(menuFile()
                                   .switchOn("DWELL", "DWELL", "ANYWHERE", "100, 50, 0, 0")
                                   .set("DWELL", "PRESS", "MUSIC:dwell")
                                   .set("DWELL", "RENDER_TUP", "0xFF000080")
                                   // Sooner than DWELL, but 'red' is no colour: never shown.
                                   .switchOn("RED", "DWELL", "ANYWHERE", "50,0,0,0")
                                   .set("RED", "RENDER_TUP", "red")
                                   // Longer than any countdown can run: waits, never wraps.
                                   .switchOn("NEVER", "DWELL", "ANYWHERE", "9300000000000000000,0,0,0")
                                   .set("NEVER", "PRESS", "MUSIC:never")
                                   .text()),
                          "", nullptr));
    activate("MENU");
    menu.onUpdate(40.0f);
    menu.onRender();
    ASSERT_EQ(1u, renderer.drawn.size());
    EXPECT_EQ(60, renderer.drawn[0].info.press.timeLeft);
    EXPECT_EQ(100, renderer.drawn[0].info.press.initialTime);
    EXPECT_EQ(0xFF, renderer.drawn[0].info.press.r);
    EXPECT_EQ(0x00, renderer.drawn[0].info.press.g);
    EXPECT_EQ(0x80, renderer.drawn[0].info.press.a);
    menu.onUpdate(60.0f);
    menu.onUpdate(50.0f);
    menu.onUpdate(1.0e9f);
    EXPECT_EQ((Texts{"MUSIC:dwell", "MUSIC:dwell", "MUSIC:dwell"}), recorder.take());
}

TEST_F(Controller, OneActiveControllerAtATime)
{
    const std::string text = "X_AREA_LIST == ANYWHERE, OTHER\n"
                             "X_ANYWHERE_POS == 0,0\nX_ANYWHERE_SIZE == 100,100\n"
                             "X_OTHER_POS == 0,0\nX_OTHER_SIZE == 1,1\n"
                             "X_SWITCH_LIST == HERE, THERE\n"
                             "X_HERE_TRIGGER == KEY:a\nX_HERE_DELAYS == 0,0,0,0\n"
                             "X_HERE_AREA == ANYWHERE\nX_HERE_PRESS == MUSIC:here\n"
                             "X_THERE_TRIGGER == KEY:a\nX_THERE_DELAYS == 0,0,0,0\n"
                             "X_THERE_AREA == OTHER\nX_THERE_PRESS == MUSIC:there\n";
    const std::string path = file(text);
    Input::InputController game("", &renderer);
    Input::InputController menu("", &renderer);
    Input::InputController third("", &renderer);
    ASSERT_TRUE(game.init(path, "X", nullptr));
    game.name = "GAME";
    ASSERT_TRUE(menu.init(path, "X", nullptr));
    menu.name = "MENU";
    ASSERT_TRUE(third.init(path, "X", nullptr));
    third.name = "THIRD";

    activate("GAME");
    areaGoto("OTHER"); // only the active controller moves
    recorder.take();
    renderer.usedBy.clear();
    activate("MENU");
    EXPECT_FALSE(game.isActive());
    EXPECT_TRUE(menu.isActive());
    EXPECT_FALSE(third.isActive());
    EXPECT_EQ((Texts{"GAME:unused", "MENU:used", "THIRD:unused"}), renderer.usedBy);

    // Inactive: input passes on unchanged, time and AREA_GOTO do nothing.
    EVT::Event_Key press(EVT::EVENT_KEY, 'a', true, 0);
    EXPECT_EQ(&press, game.onInput(&press));
    game.onUpdate(100.0f);
    key(menu, 'a', true);
    menu.onUpdate(1.0f);
    EXPECT_EQ(Texts{"MUSIC:here"}, recorder.take());

    // Back to GAME: it starts afresh in ANYWHERE, not in OTHER where it was.
    activate("GAME");
    key(game, 'a', true);
    game.onUpdate(1.0f);
    EXPECT_EQ(Texts{"MUSIC:here"}, recorder.take());

    // Naming the active one again keeps its area; naming none deactivates all.
    areaGoto("OTHER");
    recorder.take();
    activate("GAME");
    key(game, 'a', true);
    game.onUpdate(1.0f);
    EXPECT_EQ(Texts{"MUSIC:there"}, recorder.take());
    activate("GAME", false);
    EXPECT_FALSE(game.isActive());

    // An inactive controller still draws.
    renderer.drawn.clear();
    game.onRender();
    EXPECT_EQ(2u, renderer.drawn.size());
}

TEST_F(Controller, KeyReleasesAreDroppedUntilAPress)
{
    Input::InputController menu("", &renderer);
    ASSERT_TRUE(menu.init(file(menuFile()
                                   .switchOn("K", "KEY:k")
                                   .set("K", "PRESS", "MUSIC:press")
                                   .set("K", "RELEASE", "MUSIC:release")
                                   .text()),
                          "", nullptr));
    activate("MENU");
    EXPECT_TRUE(key(menu, 'k', false));
    menu.onUpdate(1.0f);
    EXPECT_EQ(Texts{}, recorder.take());
    key(menu, 'k', true);
    menu.onUpdate(1.0f);
    key(menu, 'k', false);
    menu.onUpdate(1.0f);
    EXPECT_EQ((Texts{"MUSIC:press", "MUSIC:release"}), recorder.take());
    // Naming the active controller again drops releases again, though its area is kept.
    key(menu, 'k', true);
    menu.onUpdate(1.0f);
    activate("MENU");
    key(menu, 'k', false);
    menu.onUpdate(1.0f);
    EXPECT_EQ(Texts{"MUSIC:press"}, recorder.take());
}

TEST_F(Controller, PointerOutsideTheInputBoxIsTakenAndIgnored)
{
    Input::InputController menu("", &renderer);
    ASSERT_TRUE(menu.init(file(Testing::InputConfigText("M", false)
                                   .area("LEFT", "0,0", "50,100")
                                   .area("RIGHT", "50,0", "50,100")
                                   .switchOn("IN", "ENTERLEAVE", "LEFT, RIGHT")
                                   .set("IN", "PRESS", "MUSIC:in")
                                   .set("IN", "RELEASE", "MUSIC:out")
                                   .text()),
                          "M", nullptr));
    renderer.box.x = 100;
    renderer.box.y = 100;
    renderer.box.w = 200;
    renderer.box.h = 100;
    activate("M");
    EXPECT_TRUE(mouse(menu, 150, 150, 0, 0, false));
    EXPECT_EQ(Texts{"MUSIC:in"}, recorder.take());
    const int outside[][2] = {{99, 150}, {300, 150}, {150, 99}, {150, 200}, {-5, -5}};
    for (const auto& point : outside)
    {
        EXPECT_TRUE(mouse(menu, point[0], point[1], 0, 0, false));
        EXPECT_EQ(Texts{}, recorder.take()) << point[0] << "," << point[1];
    }
    mouse(menu, 250, 150, 0, 0, false);
    EXPECT_EQ((Texts{"MUSIC:out", "MUSIC:in"}), recorder.take());
    renderer.box.w = 0;
    EXPECT_TRUE(mouse(menu, 100, 150, 0, 0, false));
    EXPECT_EQ(Texts{}, recorder.take());
}

TEST_F(Controller, AreaGoto)
{
    Input::InputController menu("", &renderer);
    ASSERT_TRUE(menu.init(file(menuFile()
                                   .area("SIDE", "0,0", "1,1")
                                   .switchOn("IN", "ENTERLEAVE", "ANYWHERE, SIDE")
                                   .set("IN", "PRESS", "MUSIC:in")
                                   .set("IN", "RELEASE", "MUSIC:out")
                                   .switchOn("GO", "KEY:g")
                                   .set("GO", "PRESS", "AREA_GOTO:SIDE")
                                   .text()),
                          "", nullptr));
    activate("MENU");
    EXPECT_EQ(Texts{}, recorder.take());
    areaGoto(Input::InputController::GOTOCURAREA);
    EXPECT_EQ((Texts{"AREA_GOTO:[GOTOCURAREA]", "MUSIC:out", "MUSIC:in"}), recorder.take());
    // An unknown area: the old area's leave actions are dropped and ANYWHERE is entered afresh.
    areaGoto("NOWHERE");
    EXPECT_EQ(Texts{"AREA_GOTO:NOWHERE"}, recorder.take());
    // An action that moves to another area, raised and obeyed within one frame.
    key(menu, 'g', true);
    menu.onUpdate(1.0f);
    EXPECT_EQ((Texts{"AREA_GOTO:SIDE", "MUSIC:out", "MUSIC:in"}), recorder.take());
    // A configured AREA_GOTO without its text is not obeyed.
    bus().raiseEvent(EVT::EVENT_AREA_GOTO, false);
    EXPECT_EQ(Texts{"AREA_GOTO"}, recorder.take());
}

TEST_F(Controller, EventsOfTheWrongClassAreIgnored)
{
    Input::InputController menu("", &renderer);
    ASSERT_TRUE(menu.init(file(menuFile().text()), "", nullptr));
    EVT::EventWithString named(EVT::EVENT_INPUT_CONTROLLER, "MENU");
    bus().raiseEvent(&named, false);
    EXPECT_FALSE(menu.isActive());
    EXPECT_TRUE(renderer.usedBy.empty());
    activate("MENU");
    const int inputTypes[] = {EVT::EVENT_MOUSE, EVT::EVENT_KEY, EVT::EVENT_JOYPAD};
    for (int type : inputTypes)
    {
        EVT::EventWithString asText(type, "KEY");
        EXPECT_EQ(nullptr, menu.onInput(&asText));
        EVT::Event plain(type);
        EXPECT_EQ(nullptr, menu.onInput(&plain));
    }
    bus().raiseEvent(EVT::EVENT_INPUT_CONTROLLER, false);
    EXPECT_TRUE(menu.isActive());
}

TEST_F(Controller, OverridesAnswerFirst)
{
    CFG::getDefaultOverrides()->add("OV_AREA_LIST", "SECOND");
    Input::InputController menu("", &renderer);
    const bool ok = menu.init(file("OV_AREA_LIST == FIRST\nOV_FIRST_POS == 0,0\nOV_FIRST_SIZE == 1,1\n"
                                   "OV_SECOND_POS == 5,5\nOV_SECOND_SIZE == 1,1\n"),
                              "OV", nullptr);
    CFG::getDefaultOverrides()->add("OV_AREA_LIST", "");
    ASSERT_TRUE(ok);
    menu.onRender();
    ASSERT_EQ(1u, renderer.drawn.size());
    EXPECT_EQ(5.0f, renderer.drawn[0].rect.x);
}

} // namespace
