#pragma once

#include "events/I_EventConsumer.h"

namespace Orvik
{
class GameView;

// Turns MOVE_TO_MOUSE into a MOVE_TO for the maze cell under the pointer.
class InputEventManager : public EVT::I_EventConsumer
{
public:
    // The view is borrowed and must outlive the handler.
    explicit InputEventManager(const GameView* view);
    InputEventManager(const InputEventManager&) = delete;
    InputEventManager& operator=(const InputEventManager&) = delete;

    void handleEvent(EVT::I_Event* event) override;

private:
    const GameView* view;
};
} // namespace Orvik
