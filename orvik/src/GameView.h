#pragma once

#include "Game/I_View.h"
#include "maths/Orientation.h"
#include "util/NonCopyable.h"

namespace GameHelper
{
class ViewBoxHelper;
} // namespace GameHelper

namespace Input
{
class InputController;
} // namespace Input

namespace Orvik
{
class GameMaze;
class Player;

// The view of a running level: sets its view and camera over its box (GAME_VIEW_BOX) and draws the
// maze, the player and its input controller's screen areas; hands time and input to that controller.
class GameView : public Game::I_View, private Util::NonCopyable<GameView>
{
public:
    // Takes the input controller over.
    explicit GameView(Input::InputController* controller);
    ~GameView() override;

    void setPause(bool) override {}
    void setScreenSize(int width, int height) override;
    void preUpdate(float elapsed) override;
    void onUpdate(float) override {}
    void onRender() override;
    EVT::I_Event* onInput(EVT::I_Event* event) override;
    Geom::Rect<int> getViewBox() const override;

    // The maze and the player stay their owner's.
    virtual void setMaze(GameMaze* levelMaze) { maze = levelMaze; }
    virtual void setPlayer(Player* levelPlayer) { player = levelPlayer; }
    virtual Player* getPlayer() const { return player; }
    virtual GameMaze* getMaze() const { return maze; }
    virtual void getScreenSize(int& width, int& height) const;

    const MathStuff::Orientation<float>& getCamera() const { return camera; }

private:
    Input::InputController* inputController;
    GameHelper::ViewBoxHelper* viewBox;
    GameMaze* maze;
    Player* player;
    MathStuff::Orientation<float> camera;
};
} // namespace Orvik
