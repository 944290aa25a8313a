#pragma once

#include <list>
#include <vector>

#include "Game/FlagTimer.h"
#include "Game/Timer.h"
#include "events/I_EventConsumer.h"
#include "orvik/src/GameMaze.h"
#include "util/NonCopyable.h"

namespace Orvik
{
// The player's token on one level's maze. It walks in half steps (room to doorway, doorway to next
// room) on timers, walks on by itself along corridors, offers the open exits in turn where the way
// divides or ends, leaves a trail of footprints and, in the end room, runs the escape that ends the
// level with ESCAPED.
class Player : public EVT::I_EventConsumer, private Util::NonCopyable<Player>
{
public:
    // One mark of the trail: the cell the token left and the way it left it.
    struct Footprint
    {
        int x;
        int y;
        GameMaze::Direction dir;
    };

    // Starts on the maze's start cell; the maze is borrowed.
    explicit Player(GameMaze* maze);
    ~Player() override;

    void handleEvent(EVT::I_Event* event) override;
    virtual void onRender();
    // Carries out what the timers asked for; dt itself is not needed.
    virtual void onUpdate(float dt);
    virtual void getPos(int& px, int& py) const;
    virtual void setCurrentExits();
    virtual void escapedTimerFired(Game::Timer<Player>* timer);
    // First half step: into the doorway.
    virtual void startMoveToNextRoom();
    // Second half step: into the next room.
    virtual void movePlayer();
    // A direct one-cell move; true when it was started.
    virtual bool tryMovePlayer(GameMaze::Direction dir);
    // A direct move one cell towards a target cell.
    virtual void tryMoveTo(int tx, int ty);

    const std::list<Footprint>& getFootprints() const { return footprints; }
    const std::vector<GameMaze::Direction>& getExits() const { return exits; }
    // The offered exit, DIR_NONE when nothing is offered.
    GameMaze::Direction getOffered() const;
    GameMaze::Direction getMoveDir() const { return moveDir; }
    bool isMoving() const { return moving; }
    bool isEscaping() const { return escapeTimer.isActive(); }

private:
    void onStartMove();
    void stopAtCell();
    void startEscape();
    bool hasExit(GameMaze::Direction dir) const;

    GameMaze* maze;
    int x;
    int y;
    std::vector<GameMaze::Direction> exits;
    int choice;
    GameMaze::Direction moveDir;
    bool moving;
    std::list<Footprint> footprints;
    float moveDelay;
    Game::FlagTimer moveTimer;
    float changeDirDelay;
    Game::FlagTimer changeDirTimer;
    Game::Timer<Player> escapeTimer;
};
} // namespace Orvik
