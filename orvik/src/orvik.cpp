// The maze game's program: this main source and the entry point of lib/Game/GAME_MAIN.
#include "orvik/src/MyEvents.h"

// The game's event names exist before main reads any configuration that names them.
static Orvik::RegisterMyEvents s_RegisterMyEvents;
