// The maze game's program.
#include "orvik/src/MyEvents.h"

// The game's event names exist before main reads any configuration that names them.
static Orvik::RegisterMyEvents s_RegisterMyEvents;

#include "Game/GAME_MAIN/Main.inl"
