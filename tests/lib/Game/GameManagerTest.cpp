#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Game/GameManager.h"
#include "Game/I_LogicController.h"
#include "Game/I_ScreenWatcher.h"
#include "Game/TimerBase.h"
#include "Game/ViewManager.h"
#include "RecordingView.h"
#include "RecordingWindowApp.h"
#include "events/EventBus.h"
#include "events/EventTypes.h"
#include "events/EventWithString.h"
#include "events/Event_EnterLeave.h"
#include "events/Event_Joypad.h"
#include "events/Event_Key.h"
#include "events/Event_Mouse.h"
#include "events/Event_PreUpdate.h"
#include "events/Event_Screen.h"
#include "events/Event_Update.h"
#include "support/FakeRenderController.h"
#include "support/RecordingConsumer.h"

using GameTest::Log;
using GameTest::RecordingView;

namespace
{
class RecordingLogic : public Game::I_LogicController
{
public:
    explicit RecordingLogic(Log& log) : log(log) {}
    void setPause(bool paused) override { log.push_back(std::string("logic.pause") + (paused ? "1" : "0")); }
    void onUpdate(float elapsed) override { log.push_back("logic.update" + std::to_string(int(elapsed))); }
    Log& log;
};

class LoggingTimer : public Game::TimerBase
{
public:
    explicit LoggingTimer(Log& log) : log(log) {}
    Log& log;

protected:
    void fire() override { log.push_back("timer"); }
};

class RecordingWatcher : public Game::I_ScreenWatcher
{
public:
    RecordingWatcher(const std::string& name, Log& log) : name(name), log(log) {}
    void setScreenSize(int width, int height) override
    {
        log.push_back(name + ".size" + std::to_string(width) + "x" + std::to_string(height));
    }
    std::string name;
    Log& log;
};

void raise(EVT::I_Event&& event)
{
    EVT::EventBus::instance().raiseEvent(&event, false);
}

void frame(float elapsed)
{
    raise(EVT::Event_PreUpdate(EVT::EVENT_PRE_UPDATE, elapsed));
    raise(EVT::Event_Update(EVT::EVENT_UPDATE, elapsed));
    EVT::EventBus::instance().raiseEvent(EVT::EVENT_RENDER, false);
}

// A game manager with recording services and one view, all logging into one list.
struct Fixture
{
    Fixture(int frameRate, int frameSkip)
        : manager(frameRate, frameSkip), app(log), logic(log), view("view", log)
    {
        manager.setWindowApp(&app);
        manager.setRenderController(&render);
        manager.setLogicController(&logic);
        manager.getViewManager()->add(&view);
        manager.getViewManager()->doPendingUpdates();
        log.clear();
    }

    Log log;
    Game::GameManager manager;
    GameTest::RecordingWindowApp app;
    Testing::FakeRenderController render;
    RecordingLogic logic;
    RecordingView view;
};

// Whether each frame of elapsed times was drawn.
std::vector<bool> drawnFrames(Fixture& f, const std::vector<float>& elapsed)
{
    std::vector<bool> drawn;
    for (float e : elapsed)
    {
        f.log.clear();
        frame(e);
        drawn.push_back(std::find(f.log.begin(), f.log.end(), "app.show") != f.log.end());
    }
    return drawn;
}
} // namespace

TEST(GameManager, LateFramesSkipUpToFrameSkipRendersInARow)
{
    struct Case
    {
        const char* what;
        int frameRate, frameSkip;
        std::vector<float> elapsed;
        std::vector<bool> drawn;
    };
    const std::vector<Case> cases = {
        {"two late skipped, the third drawn", 50, 2, {25, 25, 25, 25}, {false, false, true, false}},
        {"an on-time frame is drawn and resets the count",
         50,
         2,
         {25, 20, 25, 25, 25},
         {false, true, false, false, true}},
        {"frame skip 0 never skips", 50, 0, {25, 1000}, {true, true}},
        {"frame rate 0 never skips", 0, 5, {25, 1000}, {true, true}},
        {"game speed 2 at 60 real frames counts as late", 60, 1, {33.3f, 33.3f}, {false, true}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        Fixture f(c.frameRate, c.frameSkip);
        EXPECT_EQ(drawnFrames(f, c.elapsed), c.drawn);
    }
}

TEST(GameManager, FrameRunsTimersThenStatesThenViewsAndDrawsWithClearing)
{
    Fixture f(50, 0);
    LoggingTimer timer(f.log);
    timer.start(10, 0);
    frame(10);
    EXPECT_EQ(f.log, (Log{"view.pre", "timer", "logic.update10", "view.update",
                          "app.clear" + std::to_string(0x11223344UL), "view.render", "app.show"}));

    f.app.setClearWindow(false);
    f.log.clear();
    EVT::EventBus::instance().raiseEvent(EVT::EVENT_RENDER, false);
    EXPECT_EQ(f.log, (Log{"view.render", "app.show"}));
}

TEST(GameManager, PauseAndResumeReachTimersViewsAndState)
{
    Fixture f(50, 0);
    LoggingTimer timer(f.log);
    timer.start(100, 0);
    f.manager.getViewManager()->onUpdate(0); // the view joins
    f.log.clear();

    EVT::EventBus::instance().raiseEvent(EVT::EVENT_PAUSE, false);
    EVT::EventBus::instance().raiseEvent(EVT::EVENT_PAUSE, false);
    EVT::EventBus::instance().raiseEvent(EVT::EVENT_RESUME, false);
    EXPECT_EQ(timer.isPaused(), 1);
    EXPECT_EQ(f.log, (Log{"view.pause1", "logic.pause1", "view.pause1", "logic.pause1", "view.pause0",
                          "logic.pause0"}));
    EVT::EventBus::instance().raiseEvent(EVT::EVENT_RESUME, false);
    EXPECT_EQ(timer.isPaused(), 0);
}

TEST(GameManager, ScreenSizeReachesWatchersAlwaysAndViewsOnChange)
{
    Fixture f(50, 0);
    RecordingWatcher early("early", f.log);
    f.manager.addScreenWatcher(&early);
    f.manager.addScreenWatcher(&early); // already registered: not told again
    EXPECT_EQ(f.log, (Log{"early.size0x0"}));

    f.log.clear();
    raise(EVT::Event_Screen(EVT::EVENT_SCREEN, 640, 480));
    raise(EVT::Event_Screen(EVT::EVENT_SCREEN, 640, 480));
    EXPECT_EQ(f.log, (Log{"view.size640x480", "early.size640x480", "early.size640x480"}));
    int width = 0;
    int height = 0;
    f.manager.getScreenSize(width, height);
    EXPECT_EQ(width, 640);
    EXPECT_EQ(height, 480);

    f.log.clear();
    RecordingWatcher late("late", f.log);
    f.manager.addScreenWatcher(&late);
    f.manager.removeScreenWatcher(&early);
    f.manager.removeScreenWatcher(&early);
    raise(EVT::Event_Screen(EVT::EVENT_SCREEN, 800, 600));
    EXPECT_EQ(f.log, (Log{"late.size640x480", "view.size800x600", "late.size800x600"}));
}

TEST(GameManager, InputEventsGoToTheViews)
{
    Fixture f(50, 0);
    RecordingView front("front", f.log);
    front.consumes = true;
    f.manager.getViewManager()->add(&front);
    f.log.clear();

    raise(EVT::Event_Key(EVT::EVENT_KEY, 'a', true, 0));
    raise(EVT::Event_Mouse(EVT::EVENT_MOUSE, 1, 2, 0, 1, true));
    raise(EVT::Event_Joypad(EVT::EVENT_JOYPAD, 0, 0, 0, false, false, false, false));
    raise(EVT::Event_EnterLeave(EVT::EVENT_ENTERLEAVE, true));
    EXPECT_EQ(f.log, (Log{"front.input", "front.input", "front.input", "front.input"}));
}

TEST(GameManager, StringEventsUnderFrameScreenOrInputTypesAreIgnored)
{
    // A configuration can bind an action that raises any event type with a text; such an event has
    // none of the fields its type would have.
    Fixture f(50, 0);
    RecordingWatcher watcher("watcher", f.log);
    f.manager.addScreenWatcher(&watcher);
    f.manager.getViewManager()->onUpdate(0);
    f.log.clear();

    for (int type : {EVT::EVENT_PRE_UPDATE, EVT::EVENT_UPDATE, EVT::EVENT_SCREEN, EVT::EVENT_KEY,
                     EVT::EVENT_MOUSE, EVT::EVENT_JOYPAD, EVT::EVENT_ENTERLEAVE})
        raise(EVT::EventWithString(type, "1000,1000"));
    EXPECT_TRUE(f.log.empty()) << f.log.front();

    // Neither did they change the frame time the skipping looks at.
    EXPECT_EQ(drawnFrames(f, {1.0f}), std::vector<bool>{true});
}

TEST(GameManager, RunInitialisesTheWindowThenTheRendererThenLoops)
{
    Log log;
    Game::GameManager manager(60, 0);
    GameTest::RecordingWindowApp app(log);
    Testing::FakeRenderController render;
    RecordingLogic logic(log);
    manager.setWindowApp(&app);
    manager.setRenderController(&render);
    manager.setLogicController(&logic);
    auto renderInits = [&] { log.push_back("render.inits" + std::to_string(render.inits)); };
    app.onInit = renderInits;
    app.onRun = renderInits;
    manager.run();
    EXPECT_EQ(log, (Log{"app.init", "render.inits0", "app.run", "render.inits1"}));

    EXPECT_EQ(manager.getTime(), 12.5);
    manager.resetTime();
    EXPECT_EQ(log.back(), "app.resetTime");
    EXPECT_EQ(manager.getWindowApp(), &app);
    EXPECT_EQ(manager.getRenderController(), &render);
    EXPECT_EQ(manager.getLogicController(), &logic);
    EXPECT_EQ(manager.getSoundController(), nullptr);
}

TEST(GameManagerDeathTest, AWindowThatCannotBeInitialisedIsFatal)
{
    Log log;
    Game::GameManager manager(60, 0);
    GameTest::RecordingWindowApp app(log);
    Testing::FakeRenderController render;
    manager.setWindowApp(&app);
    manager.setRenderController(&render);
    app.initResult = false;
    EXPECT_DEATH(manager.run(), "ABORT: Func:void Game::GameManager::run\\(\\) File:lib/Game/GameManager "
                                "Line: 271\nABORT: Failed to init window");
}

TEST(GameManager, ShutdownIsDeliveredAfterTheDeliveryInProgress)
{
    Fixture f(50, 0);
    Testing::RecordingConsumer listener({EVT::EVENT_SHUTDOWN}, f.log,
                                        [](EVT::I_Event&) { return "shutdown"; });

    f.manager.getViewManager()->onUpdate(0);
    f.view.onUpdateAction = [&] { f.manager.shutdown(); };
    f.log.clear();
    raise(EVT::Event_Update(EVT::EVENT_UPDATE, 1));
    EXPECT_EQ(f.log, (Log{"logic.update1", "view.update", "shutdown"}));
}
