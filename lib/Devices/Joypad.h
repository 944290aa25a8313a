#pragma once

#include "events/I_EventConsumer.h"
#include "util/NonCopyable.h"

namespace Devices
{
// The state of up to four joypads, followed from JOYPAD events. Not copyable, like the mouse.
class Joypad : public EVT::I_EventConsumer, private Util::NonCopyable<Joypad>
{
public:
    // One bit per direction or button; the input layer compares these bit sets with its switches.
    enum JPadFlag : int
    {
        UP = 0x01,
        DN = 0x02,
        LF = 0x04,
        RT = 0x08,
        B1 = 0x10,
        B2 = 0x20,
        B3 = 0x40,
        B4 = 0x80
    };

    static const int PADS = 4;
    static const int BUTTONS = 4;

    struct PadState
    {
        int x;                 // -1 left, 0, 1 right
        int y;                 // 1 up, 0, -1 down
        bool buttons[BUTTONS]; // true while pressed
    };

    Joypad();
    ~Joypad() override;

    void handleEvent(EVT::I_Event* event) override;

    // Pads and buttons out of range read as 0 and false.
    int getX(int pad) const;
    int getY(int pad) const;
    bool isPressed(int pad, int button) const;

    // The pad's state as JPadFlag bits.
    int getPadInfo(int pad) const;

private:
    PadState pads[PADS];
};
} // namespace Devices
