// Opens the game window as the program does and writes one line per event to standard output:
//   SCREEN w h | MOUSE x y wheel buttons pressed | KEY code pressed modifiers | ENTERLEAVE active |
//   SIZES wxh... then READY (first frame) | SHUTDOWN | EXIT (the frame loop has returned)
// Arguments: width height. Some keys act back on the window when pressed:
//   "w" moves the pointer to (50, 60) through SETMOUESE; "x" raises a string event under SETMOUESE,
//   which must be ignored; "h" hides and "s" shows the cursor through SETMOUESE without moving the
//   pointer, then write CURSOR hidden|normal|disabled; "r" sets the size 0 x 150, "n" -5 x -7 and
//   "t" 200 x 100;
//   "p" resets the clock, and the next frame writes ELAPSED with its PRE_UPDATE and UPDATE times;
//   "q" raises SHUTDOWN from inside the next UPDATE. The first RENDER after SHUTDOWN writes RENDER.
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

#include "Game/GLFW/GLFWApp.h"
#include "Game/GameManager.h"
#include "Game/LogicController.h"
#include "events/EventBus.h"
#include "events/EventTypes.h"
#include "events/EventWithString.h"
#include "events/Event_EnterLeave.h"
#include "events/Event_Key.h"
#include "events/Event_Mouse.h"
#include "events/Event_PreUpdate.h"
#include "events/Event_Screen.h"
#include "events/Event_SetMouse.h"
#include "events/Event_Update.h"
#include "support/FakeRenderController.h"
#include "support/GLLeakCheck.h"

namespace
{
class Printer : public EVT::I_EventConsumer
{
public:
    Printer()
    {
        for (int type : {EVT::EVENT_SHUTDOWN, EVT::EVENT_UPDATE, EVT::EVENT_PRE_UPDATE, EVT::EVENT_RENDER,
                         EVT::EVENT_SCREEN, EVT::EVENT_MOUSE, EVT::EVENT_ENTERLEAVE, EVT::EVENT_KEY})
            EVT::EventBus::instance().addConsumer(type, this);
    }

    void handleEvent(EVT::I_Event* event) override
    {
        if (const auto* key = EVT::eventAs<EVT::Event_Key>(event))
        {
            std::printf("KEY %d %d %d\n", key->key, key->pressed ? 1 : 0, key->modifiers);
            if (key->pressed && key->key == 'w')
            {
                EVT::Event_SetMouse warp(EVT::EVENT_SETMOUESE, 50, 60, 0);
                EVT::EventBus::instance().raiseEvent(&warp, false);
            }
            if (key->pressed && key->key == 'x')
            {
                EVT::EventWithString impostor(EVT::EVENT_SETMOUESE, "50,60");
                EVT::EventBus::instance().raiseEvent(&impostor, false);
            }
            if (key->pressed && (key->key == 'h' || key->key == 's'))
            {
                EVT::Event_SetMouse cursor(EVT::EVENT_SETMOUESE, -1, -1, key->key == 'h' ? 2 : 1);
                EVT::EventBus::instance().raiseEvent(&cursor, false);
                int mode = glfwGetInputMode(app->getWindow(), GLFW_CURSOR);
                std::printf("CURSOR %s\n", mode == GLFW_CURSOR_HIDDEN     ? "hidden"
                                           : mode == GLFW_CURSOR_NORMAL   ? "normal"
                                           : mode == GLFW_CURSOR_DISABLED ? "disabled"
                                                                          : "unknown");
            }
            if (key->pressed && key->key == 'r')
                app->setSize(std::make_pair(0, 150));
            if (key->pressed && key->key == 'n')
                app->setSize(std::make_pair(-5, -7));
            if (key->pressed && key->key == 't')
                app->setSize(std::make_pair(200, 100));
            if (key->pressed && key->key == 'p')
            {
                app->resetTime();
                reportElapsed = true;
            }
            if (key->pressed && key->key == 'q')
                shutdownInUpdate = true;
        }
        else if (const auto* preUpdate = EVT::eventAs<EVT::Event_PreUpdate>(event))
            preUpdateElapsed = preUpdate->elapsed;
        else if (const auto* update = EVT::eventAs<EVT::Event_Update>(event))
        {
            if (!ready)
            {
                ready = true;
                std::vector<std::pair<int, int>> sizes;
                app->getAllowedSizes(sizes);
                std::printf("SIZES");
                for (const auto& size : sizes)
                    std::printf(" %dx%d", size.first, size.second);
                std::printf("\nREADY\n");
            }
            if (reportElapsed)
            {
                reportElapsed = false;
                std::printf("ELAPSED %g %g\n", preUpdateElapsed, update->elapsed);
            }
            if (shutdownInUpdate)
            {
                shutdownInUpdate = false;
                EVT::EventBus::instance().raiseEvent(EVT::EVENT_SHUTDOWN, false);
            }
        }
        else if (const auto* mouse = EVT::eventAs<EVT::Event_Mouse>(event))
            std::printf("MOUSE %d %d %d %d %d\n", mouse->x, mouse->y, mouse->wheelDelta, mouse->buttons,
                        mouse->pressed ? 1 : 0);
        else if (const auto* screen = EVT::eventAs<EVT::Event_Screen>(event))
            std::printf("SCREEN %d %d\n", screen->width, screen->height);
        else if (const auto* enterLeave = EVT::eventAs<EVT::Event_EnterLeave>(event))
            std::printf("ENTERLEAVE %d\n", enterLeave->active ? 1 : 0);
        else if (event->getType() == EVT::EVENT_SHUTDOWN)
        {
            shutdownSeen = true;
            std::printf("SHUTDOWN\n");
        }
        else if (event->getType() == EVT::EVENT_RENDER)
        {
            if (!shutdownSeen || renderAfterShutdown)
                return;
            renderAfterShutdown = true;
            std::printf("RENDER\n");
        }
        std::fflush(stdout);
    }

    // Set once the window is open; the keys that use it come later.
    Game::GLFWApp* app = nullptr;

private:
    bool ready = false;
    bool reportElapsed = false;
    bool shutdownInUpdate = false;
    bool shutdownSeen = false;
    bool renderAfterShutdown = false;
    float preUpdateElapsed = -1.0f;
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
        printer.app = &app;
        gameManager.setWindowApp(&app);
        Testing::FakeRenderController renderController;
        gameManager.setRenderController(&renderController);
        Game::LogicController logic;
        gameManager.setLogicController(&logic);
        gameManager.run();
        // While the window is open the GL driver is loaded: kept mapped, it does not fail the leak check.
        Testing::keepLoadedLibrariesMapped();
    }
    std::printf("EXIT\n");
    std::fflush(stdout);
    return 0;
}
