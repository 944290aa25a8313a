#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "support/RecordingConsumer.h"
#include "events/EventStrings.h"
#include "events/EventTypes.h"
#include "orvik/src/ExitLogic.h"
#include "orvik/src/Globals.h"
#include "orvik/src/MenuLogic.h"
#include "orvik/src/MyEvents.h"
#include "orvik/src/SplashLogic.h"

namespace
{
// As in the program, the names are entered during static initialisation.
Orvik::RegisterMyEvents s_registerForTests;

TEST(GameEvents, NamesAndCodesMapBothWaysAfterStaticInitialisation)
{
    const struct
    {
        int code;
        const char* name;
    } cases[] = {{30, "START_MOVE"}, {31, "MOVE_UP"}, {32, "MOVE_DOWN"}, {33, "MOVE_LEFT"},
                 {34, "MOVE_RIGHT"}, {35, "MOVE_TO"}, {36, "ESCAPED"},   {37, "MOVE_TO_MOUSE"},
                 {0, "INVALID"},     {1, "SHUTDOWN"}, {29, "MUSIC"},     {28, "SOUND"}};
    const Util::TwoWayMapping<int>& names = EVT::EventStrings::instance().mapping();
    for (const auto& c : cases)
    {
        EXPECT_EQ(c.name, names.getName(c.code)) << c.code;
        EXPECT_EQ(c.code, names.getKey(c.name)) << c.name;
    }
}

TEST(GameEvents, PrintsNameAndCode)
{
    const struct
    {
        int code;
        const char* text;
    } cases[] = {{36, "MYEVT:ESCAPED(36)"}, {30, "MYEVT:START_MOVE(30)"}, {12345, "MYEVT:INVALID(12345)"}};
    for (const auto& c : cases)
    {
        std::ostringstream out;
        out << static_cast<Orvik::MyEventType>(c.code);
        EXPECT_EQ(c.text, out.str());
    }
}

TEST(GameEvents, MoveToCloneKeepsTypeAndCell)
{
    const Orvik::Event_MoveTo event(4, -2);
    std::unique_ptr<EVT::I_Event> copy(event.clone());
    const Orvik::Event_MoveTo* target = EVT::eventAs<Orvik::Event_MoveTo>(copy.get());
    ASSERT_NE(nullptr, target);
    EXPECT_EQ(Orvik::MOVE_TO, copy->getType());
    EXPECT_EQ(4, target->x);
    EXPECT_EQ(-2, target->y);
}

TEST(SimpleStates, SplashAndMenusPassStraightOnWhateverTheStep)
{
    Orvik::SplashLogic splash;
    Orvik::MenuLogic menus;
    for (float step : {0.0f, 16.0f, -3.0f, 1e9f})
    {
        EXPECT_EQ("DONE", splash.onUpdate(step));
        EXPECT_EQ("DONE", menus.onUpdate(step));
    }
}

TEST(SimpleStates, ExitShutsDownOnEveryEntryAndStays)
{
    Testing::RecordingConsumer log({EVT::EVENT_SHUTDOWN});
    Orvik::ExitLogic exitState;
    exitState.onEnter("PAUSED", "QUIT");
    EXPECT_EQ(1u, log.lines().size());
    EXPECT_EQ("", exitState.onUpdate(10.0f));
    exitState.onEnter("PAUSED", "QUIT");
    EXPECT_EQ(2u, log.lines().size());
    EXPECT_EQ("", exitState.onUpdate(0.0f));
}

TEST(GlobalsRecord, EveryFieldIsNullUntilTheStartUpFillsIt)
{
    const Orvik::Globals& record = Orvik::globals();
    EXPECT_EQ(&record, &Orvik::globals());
    EXPECT_EQ(nullptr, record.gameManager);
    EXPECT_EQ(nullptr, record.modelSystem);
    EXPECT_EQ(nullptr, record.graphics);
    EXPECT_EQ(nullptr, record.soundManager);
    EXPECT_EQ(nullptr, record.fontManager);
    EXPECT_EQ(nullptr, record.screenAreaRenderer);
}
} // namespace
