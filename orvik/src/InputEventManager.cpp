#include "orvik/src/InputEventManager.h"

#include "Devices/DeviceRegistry.h"
#include "Devices/Mouse.h"
#include "events/EventBus.h"
#include "orvik/src/GameMaze.h"
#include "orvik/src/GameView.h"
#include "orvik/src/MyEvents.h"

namespace Orvik
{
InputEventManager::InputEventManager(const GameView* gameView) : view(gameView)
{
    EVT::EventBus::instance().addConsumer(MOVE_TO_MOUSE, this);
}

void InputEventManager::handleEvent(EVT::I_Event* event)
{
    if (event->getType() != MOVE_TO_MOUSE)
        return;
    const Devices::Mouse* mouse = Devices::getMouse();
    GameMaze* maze = view->getMaze();
    if (mouse == nullptr || maze == nullptr)
        return;
    const Geom::Rect<int> box = view->getViewBox();
    int screenWidth = 0;
    int screenHeight = 0;
    view->getScreenSize(screenWidth, screenHeight);
    int width = 0;
    int height = 0;
    maze->getSize(width, height);
    // The box is a viewport, counted from the window's bottom, and the maze is drawn from the box's
    // bottom up; the pointer counts from the window's top. The maze wants y from its own top row.
    const int mazeHeight = static_cast<int>(2.0f * static_cast<float>(height) * maze->getHalfHeight());
    const int mazeTop = screenHeight - box.y - mazeHeight;
    int x = 0;
    int y = 0;
    if (!maze->getMazeXY(mouse->getX() - box.x, mouse->getY() - mazeTop, x, y))
        return;
    Event_MoveTo moveTo(x, y);
    EVT::EventBus::instance().raiseEvent(&moveTo, false);
}
} // namespace Orvik
