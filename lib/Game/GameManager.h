#pragma once

#include <vector>

#include "events/I_EventConsumer.h"
#include "util/NonCopyable.h"

namespace Render
{
class I_RenderController;
} // namespace Render

namespace Sound
{
class I_SoundController;
} // namespace Sound

namespace Game
{
class I_LogicController;
class I_ScreenWatcher;
class I_WindowApp;
class ViewManager;

// The hub of the frame loop: turns the window application's frame events into timer, state and view
// calls, draws each frame unless it is late, and hands the long-lived services to those who need them.
class GameManager : public EVT::I_EventConsumer, private Util::NonCopyable<GameManager>
{
public:
    // A frame lasts 1000 / frameRate game milliseconds; at most frameSkip late renders are left out in
    // a row. A frame rate of 0 never skips.
    GameManager(int frameRate, int frameSkip);
    ~GameManager() override;

    void setWindowApp(I_WindowApp* app) { windowApp = app; }
    void setRenderController(Render::I_RenderController* controller) { renderController = controller; }
    void setSoundController(Sound::I_SoundController* controller) { soundController = controller; }
    void setLogicController(I_LogicController* controller) { logicController = controller; }

    I_WindowApp* getWindowApp() const { return windowApp; }
    Render::I_RenderController* getRenderController() const { return renderController; }
    Sound::I_SoundController* getSoundController() const { return soundController; }
    I_LogicController* getLogicController() const { return logicController; }
    ViewManager* getViewManager() const { return viewManager; }

    void getScreenSize(int& width, int& height) const;
    double getTime() const;
    void resetTime();

    // A new watcher is told the current size at once.
    void addScreenWatcher(I_ScreenWatcher* watcher);
    void removeScreenWatcher(I_ScreenWatcher* watcher);

    // The frame loop; returns after SHUTDOWN.
    void run();
    // Ends the frame loop after the current frame.
    void shutdown();

    void handleEvent(EVT::I_Event* event) override;

private:
    void onRender();

    I_WindowApp* windowApp;
    Render::I_RenderController* renderController;
    Sound::I_SoundController* soundController;
    I_LogicController* logicController;
    ViewManager* viewManager;
    std::vector<I_ScreenWatcher*> screenWatchers;
    int screenWidth;
    int screenHeight;
    float frameTime;
    int frameSkip;
    float lastElapsed;
    int skippedFrames;
};
} // namespace Game
