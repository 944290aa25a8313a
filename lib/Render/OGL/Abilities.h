#pragma once

namespace OGL
{
// The value the driver gives for a render ability id (0 to 11); -1 for any other id. Each availability
// flag is that of the entry points the code then calls, and a size query the driver refuses gives 0.
int detectAbility(int id);

// Whether framebuffer blits, and with them the separate read and draw framebuffer targets, are there.
bool haveFramebufferBlit();
} // namespace OGL
