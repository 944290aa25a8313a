#include <gtest/gtest.h>

#include <memory>

#include "Game/ViewManager.h"
#include "RecordingView.h"

using GameTest::Log;
using GameTest::RecordingView;

namespace
{
// Any non-null pointer serves as an event: the views only pass it on.
EVT::I_Event* anEvent()
{
    static int l_dummy;
    return reinterpret_cast<EVT::I_Event*>(&l_dummy);
}
} // namespace

TEST(ViewManager, AddedViewIsToldTheSizeAtOnceAndJoinsAtTheNextFlush)
{
    Log log;
    Game::ViewManager manager;
    manager.setScreenSize(640, 480);
    RecordingView a("A", log);
    manager.add(&a);
    EXPECT_EQ(log, (Log{"A.size640x480"}));

    log.clear();
    manager.preUpdate(1); // no flush
    manager.setPause(true);
    EXPECT_TRUE(log.empty());
    manager.onUpdate(1);
    manager.preUpdate(1);
    EXPECT_EQ(log, (Log{"A.update", "A.pre"}));
}

TEST(ViewManager, ViewAddedDuringAPassIsDrivenFromTheNextPass)
{
    Log log;
    Game::ViewManager manager;
    RecordingView a("A", log);
    RecordingView b("B", log);
    a.onUpdateAction = [&] { manager.add(&b); };
    manager.add(&a);
    manager.onUpdate(1);
    a.onUpdateAction = nullptr;
    manager.onRender();
    EXPECT_EQ(log, (Log{"A.size0x0", "A.update", "B.size0x0", "A.render", "B.render"}));
}

TEST(ViewManager, RemovedViewIsNeverReachedAgainSoItMayBeDeletedAtOnce)
{
    Log log;
    Game::ViewManager manager;
    RecordingView a("A", log);
    auto b = std::make_unique<RecordingView>("B", log);
    RecordingView c("C", log);
    manager.add(&a);
    manager.add(b.get());
    manager.add(&c);
    manager.onUpdate(1);
    log.clear();

    // A removes and deletes B during the update pass: B is skipped in the rest of that pass...
    a.onUpdateAction = [&]
    {
        manager.remove(b.get());
        b.reset();
    };
    manager.onUpdate(1);
    EXPECT_EQ(log, (Log{"A.update", "C.update"}));

    // ...and by every pass that does not flush, as well as those that do.
    log.clear();
    a.onUpdateAction = nullptr;
    RecordingView d("D", log);
    manager.add(&d);
    manager.remove(&d);
    log.clear();
    manager.preUpdate(1);
    manager.setPause(true);
    manager.setScreenSize(800, 600);
    manager.onInput(anEvent());
    manager.onRender();
    EXPECT_EQ(log, (Log{"A.pre", "C.pre", "A.pause1", "C.pause1", "A.size800x600", "C.size800x600", "C.input",
                        "A.input", "A.render", "C.render"}));
}

TEST(ViewManager, RemovalFromTheLogicStepMeansNoUpdateAndNoNextPreUpdate)
{
    Log log;
    Game::ViewManager manager;
    RecordingView a("A", log);
    RecordingView b("B", log);
    manager.add(&a);
    manager.add(&b);
    manager.onUpdate(1);
    log.clear();

    manager.remove(&a); // as a state does during UPDATE, before the views' pass
    manager.onUpdate(1);
    manager.preUpdate(1);
    EXPECT_EQ(log, (Log{"B.update", "B.pre"}));
}

TEST(ViewManager, AddedAndRemovedBeforeAFlushIsNeverDriven)
{
    Log log;
    Game::ViewManager manager;
    RecordingView a("A", log);
    manager.add(&a);
    manager.remove(&a);
    manager.remove(&a); // twice is harmless
    manager.remove(nullptr);
    manager.add(nullptr);
    manager.onUpdate(1);
    manager.onRender();
    manager.preUpdate(1);
    EXPECT_EQ(log, (Log{"A.size0x0"}));
}

TEST(ViewManager, RemovedAndAddedAgainMovesToTheEnd)
{
    Log log;
    Game::ViewManager manager;
    RecordingView a("A", log);
    RecordingView b("B", log);
    manager.add(&a);
    manager.add(&b);
    manager.onRender();
    manager.remove(&a);
    manager.add(&a);
    log.clear();
    manager.onRender();
    EXPECT_EQ(log, (Log{"B.render", "A.render"}));
}

TEST(ViewManager, InputGoesFromTheLastAddedUntilConsumed)
{
    Log log;
    Game::ViewManager manager;
    RecordingView p("P", log);
    RecordingView q("Q", log);
    RecordingView r("R", log);
    q.consumes = true;
    manager.add(&p);
    manager.add(&q);
    manager.add(&r);
    log.clear();
    manager.onInput(anEvent());
    EXPECT_EQ(log, (Log{"R.input", "Q.input"}));
}

TEST(ViewManager, OnlyAChangedSizeReachesTheViews)
{
    Log log;
    Game::ViewManager manager;
    RecordingView a("A", log);
    manager.add(&a);
    manager.onUpdate(1);
    log.clear();
    manager.setScreenSize(0, 0);
    manager.setScreenSize(320, 200);
    manager.setScreenSize(320, 200);
    EXPECT_EQ(log, (Log{"A.size320x200"}));
    int width = 0;
    int height = 0;
    manager.getScreenSize(width, height);
    EXPECT_EQ(width, 320);
    EXPECT_EQ(height, 200);
}

TEST(ViewManager, APassStartedInsideAnotherLeavesTheListAlone)
{
    Log log;
    Game::ViewManager manager;
    RecordingView a("A", log);
    RecordingView b("B", log);
    RecordingView c("C", log);
    manager.add(&a);
    manager.add(&b);
    manager.onUpdate(1);
    log.clear();

    // A removes B and adds C, then something it calls runs an input pass.
    a.onUpdateAction = [&]
    {
        manager.remove(&b);
        manager.add(&c);
        manager.onInput(anEvent());
    };
    manager.onUpdate(1);
    a.onUpdateAction = nullptr;
    manager.onRender();
    EXPECT_EQ(log, (Log{"A.update", "C.size0x0", "A.input", "A.render", "C.render"}));
}
