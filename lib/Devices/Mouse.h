#pragma once

#include <vector>

#include "events/I_EventConsumer.h"
#include "util/NonCopyable.h"

namespace EVT
{
class Event_Mouse;
}

namespace Devices
{
// The pointer as the game sees it, followed from MOUSE events with a sensitivity factor. In absolute
// tracking the position is in window pixels; in relative tracking it is an offset from the window
// centre, limited per row, and the pointer is sent back to the centre after every report.
// Not copyable: a copy would hold the state without receiving the events that keep it current.
class Mouse : public EVT::I_EventConsumer, private Util::NonCopyable<Mouse>
{
public:
    // Bit set of buttons. Any int is a valid value: unknown button names map to 0xffff.
    enum MouseButton : int
    {
        NONE = 0,
        LMB = 1,
        RMB = 2,
        MMB = 4
    };

    Mouse(int width, int height, float sensitivityX, float sensitivityY);
    ~Mouse() override;

    void handleEvent(EVT::I_Event* event) override;

    // One pointer, button or wheel report.
    void mouseEvent(const EVT::Event_Mouse* event);

    int getX() const { return posX; }
    int getY() const { return posY; }
    int getButtons() const { return buttonMask; }

    // The position in percent of the window.
    float getPerX() const;
    float getPerY() const;

    // The position from -1 to 1 around the centre (absolute) or within the row limits (relative);
    // positive above the centre unless invertY is set.
    float getRelativeX() const;
    float getRelativeY() const;

    void setSensitivtyX(float sensitivity) { sensitivityX = sensitivity; }
    void setSensitivtyY(float sensitivity) { sensitivityY = sensitivity; }

    void setVisible(bool visible);

    // Relative tracking within the given row limits. An empty row list cannot describe any position,
    // so such a call is ignored.
    void setParams(bool visible, bool invertY, const std::vector<int>& rows);

    // Absolute tracking; a width or height of 0 keeps the current one.
    void setParams(bool visible, bool invertY, int width, int height);

    // Asks the window layer to put the pointer at a point given in percent of the window.
    void warpPosition(int percentX, int percentY);

    // Tells the window layer where the pointer belongs and, with cursorChange, whether to show it.
    void raiseSetMouseEvent(bool cursorChange) const;

private:
    void applyVisible(bool visible);

    int screenWidth;
    int screenHeight;
    float sensitivityX;
    float sensitivityY;
    int posX;
    int posY;
    int buttonMask;
    bool visible;
    bool shownOnLeave;
    bool invertY;
    std::vector<int> rowLimits;
    int maxX;
    int maxY;
};
} // namespace Devices
