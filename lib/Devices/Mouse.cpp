#include "Devices/Mouse.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "events/EventBus.h"
#include "events/Event_Mouse.h"
#include "events/Event_Screen.h"
#include "events/Event_SetMouse.h"
#include "events/EventTypes.h"

namespace Devices
{
namespace
{
void raiseSetMouse(int warpX, int warpY, int cursorMode, bool queue)
{
    EVT::Event_SetMouse event(EVT::EVENT_SETMOUESE, warpX, warpY, cursorMode);
    EVT::EventBus::instance().raiseEvent(&event, queue);
}

// A share of a range; a degenerate range (a 1-pixel or minimised window, a single row) has no
// extent to share, so everything in it is at 0.
float ratio(float value, float range)
{
    return range != 0.0f ? value / range : 0.0f;
}

// Positions stay well inside int, so that a large sensitivity, which makes the followed position
// overshoot further on every report, can never overflow it.
const double POSITION_LIMIT = 1.0e9;

int clampPosition(double value)
{
    return static_cast<int>(std::max(-POSITION_LIMIT, std::min(POSITION_LIMIT, value)));
}

// The movement of one report scaled by the sensitivity, rounded to nearest with halves to even.
int scaledMove(int to, int from, float sensitivity)
{
    const double move = (static_cast<double>(to) - static_cast<double>(from)) * sensitivity;
    return clampPosition(std::nearbyint(move));
}
} // namespace

Mouse::Mouse(int width, int height, float sensX, float sensY)
    : screenWidth(width), screenHeight(height), sensitivityX(sensX), sensitivityY(sensY), posX(0), posY(0),
      buttonMask(0), visible(true), shownOnLeave(false), invertY(false), maxX(0), maxY(0)
{
    EVT::EventBus& bus = EVT::EventBus::instance();
    bus.addConsumer(EVT::EVENT_MOUSE, this);
    bus.addConsumer(EVT::EVENT_ENTERLEAVE, this);
    bus.addConsumer(EVT::EVENT_SCREEN, this);
}

Mouse::~Mouse() = default;

void Mouse::handleEvent(EVT::I_Event* event)
{
    // A configured input action can raise any type by name as a string event; only the window
    // layer's own classes carry the fields read here.
    switch (event->getType())
    {
    case EVT::EVENT_SCREEN:
        if (const EVT::Event_Screen* screen = EVT::eventAs<EVT::Event_Screen>(event))
        {
            screenWidth = screen->width;
            screenHeight = screen->height;
        }
        break;
    case EVT::EVENT_MOUSE:
        if (const EVT::Event_Mouse* mouse = EVT::eventAs<EVT::Event_Mouse>(event))
            mouseEvent(mouse);
        break;
    default:
        break;
    }
}

void Mouse::mouseEvent(const EVT::Event_Mouse* event)
{
    if (event->pressed)
        buttonMask |= event->buttons;
    else
        buttonMask &= ~event->buttons;

    const int dx = scaledMove(event->x, posX, sensitivityX);
    const int dy = scaledMove(event->y, posY, sensitivityY);

    if (rowLimits.empty())
    {
        posX = clampPosition(static_cast<double>(posX) + dx);
        posY = clampPosition(static_cast<double>(posY) + dy);
        const bool outside = posX < 0 || posY < 0 || posX > screenWidth || posY > screenHeight;
        if (outside)
        {
            if (!visible)
            {
                visible = true;
                shownOnLeave = true;
                raiseSetMouse(posX, posY, EVT::Event_SetMouse::CURSOR_SHOW, true);
            }
        }
        else if (shownOnLeave)
        {
            visible = false;
            shownOnLeave = false;
            raiseSetMouse(posX, posY, EVT::Event_SetMouse::CURSOR_HIDE, true);
        }
        return;
    }

    const double ox = static_cast<double>(posX) + dx - screenWidth / 2;
    const double oy = static_cast<double>(posY) + dy - screenHeight / 2;
    if (ox == 0.0 && oy == 0.0)
        return;
    posX = clampPosition(posX + ox);
    posY = clampPosition(posY + oy);
    if (std::abs(posY) > maxY)
        posY = posY > 0 ? maxY : -maxY;
    const int limit = rowLimits[static_cast<std::size_t>(std::abs(posY))];
    if (std::abs(posX) > limit)
        posX = posX > 0 ? limit : -limit;
    raiseSetMouseEvent(false);
}

float Mouse::getPerX() const
{
    return ratio(static_cast<float>(posX) * 100.0f, static_cast<float>(screenWidth));
}

float Mouse::getPerY() const
{
    return ratio(static_cast<float>(posY) * 100.0f, static_cast<float>(screenHeight));
}

float Mouse::getRelativeX() const
{
    if (rowLimits.empty())
    {
        const int w = screenWidth / 2;
        return ratio(static_cast<float>(posX - w), static_cast<float>(w));
    }
    return ratio(static_cast<float>(posX), static_cast<float>(maxX));
}

float Mouse::getRelativeY() const
{
    float result;
    if (rowLimits.empty())
    {
        const int h = screenHeight / 2;
        result = ratio(static_cast<float>(posY - h), static_cast<float>(h));
    }
    else
        result = ratio(static_cast<float>(posY), static_cast<float>(maxY));
    return invertY ? result : -result;
}

void Mouse::applyVisible(bool show)
{
    visible = show;
    if (show)
        shownOnLeave = false;
}

void Mouse::setVisible(bool show)
{
    applyVisible(show);
    raiseSetMouseEvent(true);
}

void Mouse::setParams(bool show, bool invert, const std::vector<int>& rows)
{
    if (rows.empty())
        return;
    invertY = invert;
    rowLimits = rows;
    maxX = *std::max_element(rowLimits.begin(), rowLimits.end());
    maxY = static_cast<int>(rowLimits.size()) - 1;
    posX = 0;
    posY = 0;
    applyVisible(show);
    raiseSetMouseEvent(true);
}

void Mouse::setParams(bool show, bool invert, int width, int height)
{
    invertY = invert;
    rowLimits.clear();
    maxX = 0;
    maxY = 0;
    if (width != 0)
        screenWidth = width;
    if (height != 0)
        screenHeight = height;
    applyVisible(show);
    raiseSetMouseEvent(true);
}

void Mouse::warpPosition(int percentX, int percentY)
{
    const long long warpX = static_cast<long long>(percentX) * screenWidth / 100;
    const long long warpY = static_cast<long long>(percentY) * screenHeight / 100;
    raiseSetMouse(static_cast<int>(warpX), static_cast<int>(warpY), EVT::Event_SetMouse::CURSOR_KEEP, false);
}

void Mouse::raiseSetMouseEvent(bool cursorChange) const
{
    int warpX = -1;
    int warpY = -1;
    // A hidden cursor is kept at the centre so that it cannot leave the window unseen.
    if (!rowLimits.empty() || !visible)
    {
        warpX = screenWidth / 2;
        warpY = screenHeight / 2;
    }
    int mode = EVT::Event_SetMouse::CURSOR_KEEP;
    if (cursorChange)
        mode = visible ? EVT::Event_SetMouse::CURSOR_SHOW : EVT::Event_SetMouse::CURSOR_HIDE;
    raiseSetMouse(warpX, warpY, mode, false);
}
} // namespace Devices
