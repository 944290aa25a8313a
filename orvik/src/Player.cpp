#include "orvik/src/Player.h"

#include <algorithm>
#include <cstdlib>

#include "CFG/CFG.h"
#include "events/EventBus.h"
#include "events/EventTypes.h"
#include "events/EventWithString.h"
#include "events/Event_Sound.h"
#include "orvik/src/MyEvents.h"

namespace Orvik
{
namespace
{
float readDelay(const char* key)
{
    return CFG::parser()->getNumber<float>(key);
}

// A timer started with 0 would not start at all: a token would stay in its doorway and an escape would
// start over every update. 0 stands for the shortest delay, one that runs out at the next update.
float atLeastNextUpdate(float delay)
{
    return delay == 0.0f ? -1.0f : delay;
}
} // namespace

Player::Player(GameMaze* gameMaze)
    : maze(gameMaze), x(0), y(0), choice(0), moveDir(GameMaze::DIR_NONE), moving(false), moveDelay(0.0f),
      changeDirDelay(0.0f), escapeTimer(this, &Player::escapedTimerFired)
{
    maze->getStartLoc(x, y);
    maze->getExits(exits, x, y);
    moveDelay = atLeastNextUpdate(readDelay("PLAYER_MOVE_DELAY"));
    changeDirDelay = readDelay("PLAYER_CHANGE_DIR_DELAY");
    changeDirTimer.start(changeDirDelay, changeDirDelay);
    EVT::EventBus& bus = EVT::EventBus::instance();
    for (int type = START_MOVE; type <= MOVE_TO; ++type)
        bus.addConsumer(type, this);
}

Player::~Player()
{
    EVT::EventBus::instance().removeConsumer(this);
}

void Player::handleEvent(EVT::I_Event* event)
{
    switch (event->getType())
    {
    case START_MOVE:
        onStartMove();
        break;
    case MOVE_UP:
        tryMovePlayer(GameMaze::DIR_UP);
        break;
    case MOVE_DOWN:
        tryMovePlayer(GameMaze::DIR_DOWN);
        break;
    case MOVE_LEFT:
        tryMovePlayer(GameMaze::DIR_LEFT);
        break;
    case MOVE_RIGHT:
        tryMovePlayer(GameMaze::DIR_RIGHT);
        break;
    case MOVE_TO:
        // A binding that names MOVE_TO raises a string event, which carries no target.
        if (const Event_MoveTo* target = EVT::eventAs<Event_MoveTo>(event))
            tryMoveTo(target->x, target->y);
        break;
    default:
        break;
    }
}

void Player::onStartMove()
{
    if (escapeTimer.isActive())
        return;
    if (changeDirDelay != 0.0f)
    {
        // After a junction's third or fourth exit the index can lie past a corridor's two exits: the
        // walk then keeps its direction.
        if (choice >= 0 && choice < static_cast<int>(exits.size()))
            moveDir = exits[choice];
    }
    else
    {
        changeDirDelay = readDelay("PLAYER_CHANGE_DIR_DELAY");
    }
    moveTimer.start(1.0f, moveDelay);
    changeDirTimer.stop();
    changeDirTimer.flag = false;
}

bool Player::tryMovePlayer(GameMaze::Direction dir)
{
    if (escapeTimer.isActive() || moving)
        return false;
    moveTimer.stop();
    moveTimer.flag = false;
    changeDirTimer.stop();
    changeDirTimer.flag = false;
    changeDirDelay = 0.0f;
    if (!hasExit(dir))
        return false;
    moving = true;
    moveDir = dir;
    moveTimer.start(moveDelay, 0.0f);
    return true;
}

void Player::tryMoveTo(int tx, int ty)
{
    const int dx = x - tx;
    const int dy = y - ty;
    const GameMaze::Direction h =
        dx > 0 ? GameMaze::DIR_LEFT : (dx < 0 ? GameMaze::DIR_RIGHT : GameMaze::DIR_NONE);
    const GameMaze::Direction v =
        dy > 0 ? GameMaze::DIR_DOWN : (dy < 0 ? GameMaze::DIR_UP : GameMaze::DIR_NONE);
    const bool verticalFirst = std::abs(dx) < std::abs(dy);
    const GameMaze::Direction first = verticalFirst ? v : h;
    const GameMaze::Direction second = verticalFirst ? h : v;
    if (first == GameMaze::DIR_NONE)
        return;
    if (!tryMovePlayer(first) && second != GameMaze::DIR_NONE)
        tryMovePlayer(second);
}

void Player::startMoveToNextRoom()
{
    if (moveDir == GameMaze::DIR_NONE)
        return;
    const std::size_t n = exits.size();
    if (n == 1)
    {
        moveDir = exits[0];
    }
    else if ((n == 2 || n == 3) && !hasExit(moveDir))
    {
        // Follow the bend, or take the first way at a junction that does not lead back.
        moveDir = exits[0] != GameMaze::opposite(moveDir) ? exits[0] : exits[1];
    }
    moving = true;
}

void Player::movePlayer()
{
    const int ox = x;
    const int oy = y;
    GameMaze::step(moveDir, x, y);
    if (!footprints.empty() && footprints.back().x == x && footprints.back().y == y)
        footprints.pop_back();
    else
        footprints.push_back(Footprint{ox, oy, moveDir});
    setCurrentExits();
    moving = false;
}

void Player::onUpdate(float)
{
    if (moveTimer.flag)
    {
        moveTimer.flag = false;
        if (!moving)
        {
            startMoveToNextRoom();
        }
        else
        {
            movePlayer();
            if (exits.size() != 2)
                stopAtCell();
        }
    }
    else if (changeDirTimer.flag)
    {
        changeDirTimer.flag = false;
        ++choice;
        if (choice > static_cast<int>(exits.size()) - 1)
            choice = 0;
    }
    int endX = 0;
    int endY = 0;
    maze->getEndLoc(endX, endY);
    if (!escapeTimer.isActive() && !footprints.empty() && x == endX && y == endY)
        startEscape();
}

void Player::stopAtCell()
{
    changeDirTimer.start(changeDirDelay, changeDirDelay);
    choice = 0;
    moveTimer.stop();
}

void Player::startEscape()
{
    moveTimer.stop();
    changeDirTimer.stop();
    const float delay = atLeastNextUpdate(readDelay("PLAYER_ESCAPE_DELAY"));
    escapeTimer.start(delay, delay);
    EVT::EventBus& bus = EVT::EventBus::instance();
    EVT::EventWithString music(EVT::EVENT_MUSIC, "");
    bus.raiseEvent(&music, false);
    EVT::Event_Sound sound(EVT::EVENT_SOUND, "WOOHOO", true, 0, 0);
    bus.raiseEvent(&sound, false);
}

void Player::escapedTimerFired(Game::Timer<Player>* timer)
{
    if (!footprints.empty())
    {
        footprints.pop_front();
        return;
    }
    timer->stop();
    EVT::EventBus::instance().raiseEvent(ESCAPED, false);
}

void Player::onRender()
{
    for (const Footprint& print : footprints)
        maze->drawLeavingRoom(GameGraphics::FOOTPRINT, print.x, print.y, print.dir);
    if (changeDirTimer.isActive())
        maze->drawLeavingRoom(GameGraphics::CHOICE, x, y, getOffered());
    if (escapeTimer.isActive())
        maze->drawInRoom(GameGraphics::ESCAPED, x, y);
    else if (moving)
        maze->drawLeavingRoom(GameGraphics::PLAYER, x, y, moveDir);
    else
        maze->drawInRoom(GameGraphics::PLAYER, x, y);
}

void Player::getPos(int& px, int& py) const
{
    px = x;
    py = y;
}

void Player::setCurrentExits()
{
    maze->getExits(exits, x, y);
}

GameMaze::Direction Player::getOffered() const
{
    if (!changeDirTimer.isActive() || choice < 0 || choice >= static_cast<int>(exits.size()))
        return GameMaze::DIR_NONE;
    return exits[choice];
}

bool Player::hasExit(GameMaze::Direction dir) const
{
    return std::find(exits.begin(), exits.end(), dir) != exits.end();
}
} // namespace Orvik
