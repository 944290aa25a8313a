// Opens the game window as the program does and writes one line per event to standard output:
//   SCREEN w h | MOUSE x y wheel buttons pressed | KEY code pressed modifiers | ENTERLEAVE active |
//   READY (first frame) | SHUTDOWN | EXIT (the frame loop has returned)
// Arguments: width height. Two keys act back on the window: "w" moves the pointer to (50, 60) through
// SETMOUESE, "x" raises a string event under SETMOUESE, which must be ignored.
#include <cstdio>
#include <cstdlib>

#include "Game/GLFWApp.h"
#include "Game/GameManager.h"
#include "Game/LogicController.h"
#include "RecordingRenderController.h"
#include "events/EventBus.h"
#include "events/EventWithString.h"
#include "events/Event_EnterLeave.h"
#include "events/Event_Key.h"
#include "events/Event_Mouse.h"
#include "events/Event_Screen.h"
#include "events/Event_SetMouse.h"

namespace
{
class Printer : public EVT::I_EventConsumer
{
public:
    Printer()
    {
        for (int type : {1, 6, 9, 11, 12, 13})
            EVT::EventBus::instance().addConsumer(type, this);
    }

    void handleEvent(EVT::I_Event* event) override
    {
        if (const auto* key = EVT::eventAs<EVT::Event_Key>(event))
        {
            std::printf("KEY %d %d %d\n", key->key, key->pressed ? 1 : 0, key->modifiers);
            if (key->pressed && key->key == 'w')
            {
                EVT::Event_SetMouse warp(10, 50, 60, 0);
                EVT::EventBus::instance().raiseEvent(&warp, false);
            }
            if (key->pressed && key->key == 'x')
            {
                EVT::EventWithString impostor(10, "50,60");
                EVT::EventBus::instance().raiseEvent(&impostor, false);
            }
        }
        else if (const auto* mouse = EVT::eventAs<EVT::Event_Mouse>(event))
            std::printf("MOUSE %d %d %d %d %d\n", mouse->x, mouse->y, mouse->wheelDelta, mouse->buttons,
                        mouse->pressed ? 1 : 0);
        else if (const auto* screen = EVT::eventAs<EVT::Event_Screen>(event))
            std::printf("SCREEN %d %d\n", screen->width, screen->height);
        else if (const auto* enterLeave = EVT::eventAs<EVT::Event_EnterLeave>(event))
            std::printf("ENTERLEAVE %d\n", enterLeave->active ? 1 : 0);
        else if (event->getType() == 1)
            std::printf("SHUTDOWN\n");
        else if (event->getType() == 6 && !ready)
        {
            ready = true;
            std::printf("READY\n");
        }
        std::fflush(stdout);
    }

private:
    bool ready = false;
};
} // namespace

int main(int argc, char** argv)
{
    int width = argc > 2 ? std::atoi(argv[1]) : 320;
    int height = argc > 2 ? std::atoi(argv[2]) : 240;
    {
        Printer printer;
        Game::GameManager gameManager(60, 0);
        Game::GLFWApp app("Project: Orvik v0.93", width, height, false, 0x203040FFUL, true, 1.0f);
        gameManager.setWindowApp(&app);
        GameTest::RecordingRenderController renderController;
        gameManager.setRenderController(&renderController);
        Game::LogicController logic;
        gameManager.setLogicController(&logic);
        gameManager.run();
    }
    std::printf("EXIT\n");
    std::fflush(stdout);
    return 0;
}
