#pragma once

#include "events/I_EventConsumer.h"
#include "util/NonCopyable.h"

namespace Orvik
{
class GameView;

// Turns MOVE_TO_MOUSE into a MOVE_TO for the maze cell under the pointer.
class InputEventManager : public EVT::I_EventConsumer, private Util::NonCopyable<InputEventManager>
{
public:
    // The view is borrowed and must outlive the handler.
    explicit InputEventManager(const GameView* view);

    void handleEvent(EVT::I_Event* event) override;

private:
    const GameView* view;
};
} // namespace Orvik
