#pragma once

namespace Input
{
// The countdowns of the current area's switches as an area is drawn with them: for each kind, the
// soonest running countdown among the switches that have a colour for that kind.
struct SwitchRenderInfo
{
    struct Entry
    {
        long timeLeft;    // 0 = nothing to show
        long initialTime; // what the countdown was last started with
        unsigned char r;
        unsigned char g;
        unsigned char b;
        unsigned char a;
    };

    Entry press;
    Entry hold;
    Entry release;
};
} // namespace Input
