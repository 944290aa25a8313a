#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "Devices/Mouse.h"
#include "events/EventBus.h"
#include "events/EventWithString.h"
#include "events/Event_Mouse.h"
#include "events/Event_Screen.h"
#include "events/EventTypes.h"
#include "events/Event_SetMouse.h"
#include "support/RecordingConsumer.h"

namespace
{
const int SCREEN = EVT::EVENT_SCREEN;
const int SETMOUSE = EVT::EVENT_SETMOUESE;
const int MOUSE = EVT::EVENT_MOUSE;

EVT::EventBus& bus()
{
    return EVT::EventBus::instance();
}

// Records every pointer request as "x,y,mode".
struct SetMouseRecorder : Testing::RecordingConsumer
{
    SetMouseRecorder() : RecordingConsumer({SETMOUSE}, describe) {}
    static std::string describe(EVT::I_Event& event)
    {
        const EVT::Event_SetMouse* set = EVT::eventAs<EVT::Event_SetMouse>(&event);
        if (!set)
            return "not a pointer request";
        return std::to_string(set->getWarpX()) + "," + std::to_string(set->getWarpY()) + "," +
               std::to_string(set->getCursorMode());
    }
};

using Texts = std::vector<std::string>;

void report(int x, int y, int buttons = 0, bool pressed = false)
{
    EVT::Event_Mouse event(MOUSE, x, y, 0, buttons, pressed);
    bus().raiseEvent(&event, false);
}

void screen(int width, int height)
{
    EVT::Event_Screen event(SCREEN, width, height);
    bus().raiseEvent(&event, false);
}

TEST(Mouse, FollowsReportsWithItsSensitivity)
{
    const struct
    {
        float sensitivity;
        int to;
        int expected;
    } cases[] = {
        {1.0f, 123, 123}, {0.5f, 11, 6}, {0.5f, 9, 4}, {0.5f, 13, 6}, {2.0f, 7, 14}, {0.5f, -3, -2},
    };
    for (const auto& c : cases)
    {
        Devices::Mouse mouse(800, 600, c.sensitivity, c.sensitivity);
        report(c.to, c.to);
        EXPECT_EQ(c.expected, mouse.getX()) << c.sensitivity << " to " << c.to;
        EXPECT_EQ(c.expected, mouse.getY()) << c.sensitivity << " to " << c.to;
    }
}

TEST(Mouse, ButtonsAndPercents)
{
    Devices::Mouse mouse(800, 600, 1.0f, 1.0f);
    report(400, 150, Devices::Mouse::LMB, true);
    report(410, 150);
    report(410, 150, Devices::Mouse::RMB, true);
    EXPECT_EQ(3, mouse.getButtons());
    report(410, 150, Devices::Mouse::LMB, false);
    EXPECT_EQ(2, mouse.getButtons());
    report(400, 150);
    EXPECT_FLOAT_EQ(50.0f, mouse.getPerX());
    EXPECT_FLOAT_EQ(25.0f, mouse.getPerY());
    EXPECT_FLOAT_EQ(0.0f, mouse.getRelativeX());
    EXPECT_FLOAT_EQ(0.5f, mouse.getRelativeY()); // above the centre is positive
    screen(1600, 1200);
    EXPECT_FLOAT_EQ(25.0f, mouse.getPerX());
}

TEST(Mouse, ShowsTheHiddenCursorWhileThePointerIsOutside)
{
    SetMouseRecorder requests;
    Devices::Mouse mouse(800, 600, 1.0f, 1.0f);
    report(10, 20);
    mouse.setVisible(false);
    EXPECT_EQ(Texts{"400,300,2"}, requests.take());
    report(-1, 20);
    EXPECT_EQ(Texts{"-1,20,1"}, requests.take());
    report(-5, 20);
    EXPECT_EQ(Texts{}, requests.take());
    report(800, 600); // the edges are inside
    EXPECT_EQ(Texts{"800,600,2"}, requests.take());
    mouse.setVisible(true);
    EXPECT_EQ(Texts{"-1,-1,1"}, requests.take());
    report(-1, -1);
    EXPECT_EQ(Texts{}, requests.take());
}

TEST(Mouse, WarpAndTrackingModes)
{
    SetMouseRecorder requests;
    Devices::Mouse mouse(800, 600, 1.0f, 1.0f);
    report(7, 9);
    mouse.warpPosition(50, 25);
    EXPECT_EQ(Texts{"400,150,0"}, requests.take());
    EXPECT_EQ(7, mouse.getX());

    mouse.setParams(true, false, std::vector<int>{5, 3});
    EXPECT_EQ(Texts{"400,300,1"}, requests.take());
    EXPECT_EQ(0, mouse.getX());
    // A movement that would put the pointer 4 rows down stops at the last row, whose limit is 3.
    report(410, 304);
    EXPECT_EQ(1, mouse.getY());
    EXPECT_EQ(3, mouse.getX());
    EXPECT_EQ(Texts{"400,300,0"}, requests.take());
    EXPECT_FLOAT_EQ(0.6f, mouse.getRelativeX());
    EXPECT_FLOAT_EQ(-1.0f, mouse.getRelativeY());
    // No movement from the centre: nothing happens.
    report(400, 300);
    EXPECT_EQ(Texts{}, requests.take());

    // Back to absolute tracking; a size of 0 keeps the current one.
    mouse.setParams(true, true, 0, 300);
    EXPECT_EQ(Texts{"-1,-1,1"}, requests.take());
    EXPECT_FLOAT_EQ(100.0f * 3 / 800, mouse.getPerX());
    EXPECT_FLOAT_EQ(100.0f / 300, mouse.getPerY());
}

TEST(Mouse, RelativeTrackingLimitsEachRow)
{
    // Rows {5, 3} on an 800 by 600 window: row 0 allows 5 pixels either side, row 1 (above or below) 3.
    const struct
    {
        int x, y;
        bool invertY;
        int posX, posY;
        float relativeX, relativeY;
    } cases[] = {
        {402, 300, false, 2, 0, 0.4f, 0.0f},    {420, 300, false, 5, 0, 1.0f, 0.0f},
        {380, 300, false, -5, 0, -1.0f, 0.0f},  {410, 304, false, 3, 1, 0.6f, -1.0f},
        {390, 296, false, -3, -1, -0.6f, 1.0f}, {390, 296, true, -3, -1, -0.6f, -1.0f},
    };
    for (const auto& c : cases)
    {
        Devices::Mouse mouse(800, 600, 1.0f, 1.0f);
        mouse.setParams(true, c.invertY, std::vector<int>{5, 3});
        report(c.x, c.y);
        EXPECT_EQ(c.posX, mouse.getX()) << c.x << "," << c.y;
        EXPECT_EQ(c.posY, mouse.getY()) << c.x << "," << c.y;
        EXPECT_FLOAT_EQ(c.relativeX, mouse.getRelativeX()) << c.x << "," << c.y;
        EXPECT_FLOAT_EQ(c.relativeY, mouse.getRelativeY()) << c.x << "," << c.y;
    }
}

// Records pointer reports and pointer requests in the order they arrive.
struct OrderRecorder : Testing::RecordingConsumer
{
    OrderRecorder()
        : RecordingConsumer({MOUSE, SETMOUSE}, [](EVT::I_Event& event)
                            { return event.getType() == MOUSE ? "report" : "request"; })
    {
    }
};

TEST(Mouse, CursorChangesFromAReportWaitForTheReportToBeDelivered)
{
    Devices::Mouse mouse(800, 600, 1.0f, 1.0f);
    mouse.setVisible(false);
    OrderRecorder order;
    report(-1, 20); // shown on leaving: queued behind the report
    report(10, 20); // hidden again on coming back: queued likewise
    EXPECT_EQ((Texts{"report", "request", "report", "request"}), order.lines());

    // In relative tracking the pointer is sent back to the centre at once, before later consumers of
    // the report hear of it.
    mouse.setParams(true, false, std::vector<int>{5, 3});
    order.take();
    report(410, 300);
    EXPECT_EQ((Texts{"request", "report"}), order.lines());
}

TEST(Mouse, DegenerateSizesAndRowsGiveNumbers)
{
    SetMouseRecorder requests;
    Devices::Mouse mouse(1, 0, 1.0f, 1.0f);
    report(3, 4);
    const float values[] = {mouse.getPerX(), mouse.getPerY(), mouse.getRelativeX(), mouse.getRelativeY()};
    for (float value : values)
        EXPECT_TRUE(std::isfinite(value));

    // An empty row list cannot be tracked in and is ignored.
    mouse.setParams(false, false, std::vector<int>());
    EXPECT_EQ(Texts{}, requests.take());
    EXPECT_EQ(3, mouse.getX());

    // One row of limit 0: no extent either way.
    mouse.setParams(true, false, std::vector<int>{0});
    report(50, 50);
    EXPECT_EQ(0, mouse.getX());
    EXPECT_EQ(0, mouse.getY());
    EXPECT_TRUE(std::isfinite(mouse.getRelativeX()));
    EXPECT_TRUE(std::isfinite(mouse.getRelativeY()));
}

TEST(Mouse, EventsOfTheWrongClassAreIgnored)
{
    Devices::Mouse mouse(800, 600, 1.0f, 1.0f);
    report(100, 100);
    EVT::EventWithString fakeScreen(SCREEN, "SCREEN");
    bus().raiseEvent(&fakeScreen, false);
    EVT::EventWithString fakeMouse(MOUSE, "MOUSE");
    bus().raiseEvent(&fakeMouse, false);
    bus().raiseEvent(MOUSE, false);
    EXPECT_EQ(100, mouse.getX());
    EXPECT_FLOAT_EQ(12.5f, mouse.getPerX());
}

TEST(Mouse, LargeSensitivityCannotOverflowThePosition)
{
    Devices::Mouse mouse(800, 600, 1.0e6f, 1.0e6f);
    for (int i = 0; i < 50; ++i)
        report(i % 2 == 0 ? 1000 : -1000, 0);
    EXPECT_LE(std::abs(static_cast<long long>(mouse.getX())), 2000000000LL);
}
} // namespace
