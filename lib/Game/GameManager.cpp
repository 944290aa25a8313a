#include "Game/GameManager.h"

#include <algorithm>
#include <limits>

#include "events/EventTypes.h"
#include "Game/I_LogicController.h"
#include "Game/I_ScreenWatcher.h"
#include "Game/I_WindowApp.h"
#include "Game/TimerBase.h"
#include "Game/ViewManager.h"
#include "Render/I_RenderController.h"
#include "events/EventBus.h"
#include "events/Event_EnterLeave.h"
#include "events/Event_Joypad.h"
#include "events/Event_Key.h"
#include "events/Event_Mouse.h"
#include "events/Event_PreUpdate.h"
#include "events/Event_Screen.h"
#include "events/Event_Update.h"
#include "util/Debug.h"

namespace Game
{
GameManager::GameManager(int frameRate, int frameSkip)
    : windowApp(nullptr), renderController(nullptr), soundController(nullptr), logicController(nullptr),
      viewManager(new ViewManager), screenWidth(0), screenHeight(0),
      frameTime(frameRate == 0 ? std::numeric_limits<float>::infinity()
                               : 1000.0f / static_cast<float>(frameRate)),
      frameSkip(frameSkip), lastElapsed(0.0f), skippedFrames(0)
{
    EVT::EventBus& bus = EVT::EventBus::instance();
    for (int type :
         {EVT::EVENT_PAUSE, EVT::EVENT_RESUME, EVT::EVENT_SCREEN, EVT::EVENT_PRE_UPDATE, EVT::EVENT_UPDATE,
          EVT::EVENT_RENDER, EVT::EVENT_MOUSE, EVT::EVENT_JOYPAD, EVT::EVENT_KEY, EVT::EVENT_ENTERLEAVE})
        bus.addConsumer(type, this);
}

GameManager::~GameManager()
{
    delete viewManager;
    screenWatchers.clear();
    EVT::EventBus::instance().removeConsumer(this);
}

void GameManager::getScreenSize(int& width, int& height) const
{
    viewManager->getScreenSize(width, height);
}

double GameManager::getTime() const
{
    return windowApp->getTime();
}

void GameManager::resetTime()
{
    windowApp->resetTime();
}

void GameManager::addScreenWatcher(I_ScreenWatcher* watcher)
{
    if (std::find(screenWatchers.begin(), screenWatchers.end(), watcher) != screenWatchers.end())
        return;
    screenWatchers.push_back(watcher);
    watcher->setScreenSize(screenWidth, screenHeight);
}

void GameManager::removeScreenWatcher(I_ScreenWatcher* watcher)
{
    auto it = std::find(screenWatchers.begin(), screenWatchers.end(), watcher);
    if (it != screenWatchers.end())
        screenWatchers.erase(it);
}

void GameManager::run()
{
    if (!windowApp->initWindowApp())
        ABORT_AT_LINE(271, "Failed to init window");
    renderController->init();
    windowApp->run();
}

void GameManager::shutdown()
{
    EVT::EventBus::instance().raiseEvent(EVT::EVENT_SHUTDOWN, true);
}

void GameManager::handleEvent(EVT::I_Event* event)
{
    // A configured input action can raise any type as a string event: every event whose fields are
    // read, or which the views will read, is checked for its class first and ignored if it is not one.
    switch (event->getType())
    {
    case EVT::EVENT_PAUSE:
    case EVT::EVENT_RESUME:
    {
        bool paused = event->getType() == EVT::EVENT_PAUSE;
        TimerBase::setPause(paused);
        viewManager->setPause(paused);
        if (logicController)
            logicController->setPause(paused);
        break;
    }
    case EVT::EVENT_PRE_UPDATE:
        if (const EVT::Event_PreUpdate* preUpdate = EVT::eventAs<EVT::Event_PreUpdate>(event))
        {
            lastElapsed = preUpdate->elapsed;
            viewManager->preUpdate(lastElapsed);
        }
        break;
    case EVT::EVENT_UPDATE:
        if (const EVT::Event_Update* update = EVT::eventAs<EVT::Event_Update>(event))
        {
            lastElapsed = update->elapsed;
            TimerBase::onUpdate(lastElapsed);
            if (logicController)
                logicController->onUpdate(lastElapsed);
            viewManager->onUpdate(lastElapsed);
        }
        break;
    case EVT::EVENT_RENDER:
        onRender();
        break;
    case EVT::EVENT_SCREEN:
        if (const EVT::Event_Screen* screen = EVT::eventAs<EVT::Event_Screen>(event))
        {
            screenWidth = screen->width;
            screenHeight = screen->height;
            viewManager->setScreenSize(screenWidth, screenHeight);
            // A watcher may register or leave while being told; the copy keeps this walk steady.
            std::vector<I_ScreenWatcher*> watchers = screenWatchers;
            for (I_ScreenWatcher* watcher : watchers)
            {
                if (std::find(screenWatchers.begin(), screenWatchers.end(), watcher) != screenWatchers.end())
                    watcher->setScreenSize(screenWidth, screenHeight);
            }
        }
        break;
    case EVT::EVENT_MOUSE:
        if (EVT::eventAs<EVT::Event_Mouse>(event))
            viewManager->onInput(event);
        break;
    case EVT::EVENT_KEY:
        if (EVT::eventAs<EVT::Event_Key>(event))
            viewManager->onInput(event);
        break;
    case EVT::EVENT_JOYPAD:
        if (EVT::eventAs<EVT::Event_Joypad>(event))
            viewManager->onInput(event);
        break;
    case EVT::EVENT_ENTERLEAVE:
        if (EVT::eventAs<EVT::Event_EnterLeave>(event))
            viewManager->onInput(event);
        break;
    default:
        break;
    }
}

void GameManager::onRender()
{
    // A late frame leaves its render out, up to frameSkip in a row, so that game time keeps its pace.
    if (frameTime != 0.0f && skippedFrames < frameSkip && lastElapsed > frameTime)
    {
        ++skippedFrames;
        return;
    }
    if (windowApp->clearEnabled)
        windowApp->clearWindow(windowApp->clearColor);
    viewManager->onRender();
    windowApp->showWindow();
    skippedFrames = 0;
}
} // namespace Game
