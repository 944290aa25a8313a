#pragma once

#include "util/Singleton.h"

namespace Game
{
class GameManager;
class SoundManager;
} // namespace Game

namespace ModelSys
{
class ModelSystemFacade;
} // namespace ModelSys

namespace AFont
{
class I_FontManager;
} // namespace AFont

namespace Orvik
{
class GameGraphics;
class ScreenAreaRenderer;

// Where the game's objects find the shared services. The start-up state fills it and empties it again;
// the record owns nothing.
struct Globals
{
    Game::GameManager* gameManager = nullptr;
    ModelSys::ModelSystemFacade* modelSystem = nullptr;
    GameGraphics* graphics = nullptr;
    Game::SoundManager* soundManager = nullptr;
    AFont::I_FontManager* fontManager = nullptr;
    ScreenAreaRenderer* screenAreaRenderer = nullptr;
};

// The one record of the process.
inline Globals& globals()
{
    return Util::Singleton<Globals>::instance();
}
} // namespace Orvik
