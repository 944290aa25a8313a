#pragma once

namespace Devices
{
class Screen;
class Keyboard;
class Mouse;
class Joypad;

// Process-wide access to the devices that the game's start-up makes. The registry owns nothing:
// whoever registers a device clears it here before deleting it.
void setScreen(Screen* screen);
void setKeyboard(Keyboard* keyboard);
void setMouse(Mouse* mouse);
void setJoypad(Joypad* joypad);

Screen* getScreen();
Keyboard* getKeyboard();
Mouse* getMouse();
Joypad* getJoypad();
} // namespace Devices
