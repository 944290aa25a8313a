#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "Game/GameManager.h"
#include "TestSupport.h"
#include "events/EventBus.h"
#include "events/EventTypes.h"
#include "events/Event_InputController.h"
#include "events/Event_Key.h"
#include "input/I_ScreenAreaRenderer.h"
#include "input/InputController.h"
#include "orvik/src/GameView.h"
#include "orvik/src/Globals.h"
#include "support/MemoryRenderController.h"

namespace
{
using Keys = std::map<std::string, std::string>;

class NoAreas : public Input::I_ScreenAreaRenderer
{
public:
    bool init(const std::set<std::string>&, const std::set<std::string>&) override { return true; }
    void setUsedBy(const std::string&, bool) override {}
    Geom::Rect<int> getInputBox() const override { return Geom::Rect<int>{0, 0, 100, 100}; }
    void startRender() override {}
    void stopRender() override {}
    void draw(const Geom::Rect<float>&, const Input::I_ScreenArea::RenderInfo&, const std::string&,
              const std::string&) override
    {
    }
};

TEST(GameView, CameraComesFromThreeOrTwoNumbersAndIsZeroOtherwise)
{
    OrvikTest::Config config(
        Keys{{"CAMERA_XYZ", "10,20"}, {"CAMERA_FACE", "0, 0, -1"}, {"GAME_VIEW_BOX", "10,20,50,50"}});
    Orvik::GameView view(nullptr);
    const MathStuff::Orientation<float>& camera = view.getCamera();
    EXPECT_EQ(10.0f, camera.position.x);
    EXPECT_EQ(20.0f, camera.position.y);
    EXPECT_EQ(0.0f, camera.position.z);
    EXPECT_EQ(-1.0f, camera.direction.z);
    EXPECT_EQ(0.0f, camera.up.y);
    EXPECT_EQ(1.0f, camera.scale.x);
    view.setScreenSize(800, 600);
    const Geom::Rect<int> box = view.getViewBox();
    EXPECT_EQ(80, box.x);
    EXPECT_EQ(120, box.y);
    EXPECT_EQ(400, box.w);
    EXPECT_EQ(300, box.h);
    int w = 0;
    int h = 0;
    view.getScreenSize(w, h);
    EXPECT_EQ(800, w);
    EXPECT_EQ(600, h);
}

TEST(GameView, EachFrameSetsTheViewOverTheBoxAndRestoresItWithSettingsReadOnce)
{
    OrvikTest::Config config(Keys{{"MIN_Z", "-5"},
                                  {"MAX_Z", "50"},
                                  {"VSYNC_ON", "1"},
                                  {"IS_3D", "y"},
                                  {"GAME_VIEW_BOX", "0,0,50,100"},
                                  {"CAMERA_XYZ", "1,2,3"}});
    Testing::MemoryRenderController controller;
    Game::GameManager manager(50, 0);
    manager.setRenderController(&controller);
    Orvik::globals().gameManager = &manager;
    Render::ViewData before;
    before.width = 7;
    controller.current = before;
    for (int level = 0; level < 2; ++level)
    {
        Orvik::GameView view(nullptr);
        view.setScreenSize(800, 600);
        view.onRender();
        const Render::ViewData& set = controller.viewDatas.back();
        EXPECT_EQ(-5.0f, set.minZ);
        EXPECT_EQ(50.0f, set.maxZ);
        EXPECT_EQ(0.0f, set.fov);
        EXPECT_EQ(400, set.width);
        EXPECT_EQ(600, set.height);
        EXPECT_EQ(1, set.vsync);
        EXPECT_FALSE(set.is3D);
        EXPECT_EQ(3.0f, controller.cameras.back().position.z);
        EXPECT_EQ(7, controller.current.width);
        EXPECT_TRUE(controller.stack.empty());
        // The view settings of the first frame hold for every later level.
        config.set("MAX_Z", "99");
        config.set("IS_3D", "YES");
    }
    Orvik::globals().gameManager = nullptr;
}

TEST(GameView, BundledCameraFillsTheWindowWithTheMazesPlaneIn3DAndStaysAtTheOriginIn2D)
{
    ASSERT_TRUE(CFG::setConfig(ORVIK_SOURCE_DIR "/data/orvik.cfg"));
    struct Case
    {
        const char* is3D;
        int width;
        int height;
        bool perspective;
    };
    const Case cases[] = {{"YES", 800, 600, true}, {"Y", 1280, 720, true}, {"1", 640, 480, true},
                          {"NO", 800, 600, false}, {"y", 800, 600, false}, {"", 800, 600, false}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "IS_3D " << c.is3D << " at " << c.width << "x" << c.height);
        OrvikTest::Config config(
            Keys{{"SCREEN_WIDTH", std::to_string(c.width)}, {"SCREEN_HEIGHT", std::to_string(c.height)}});
        if (*c.is3D != '\0')
            config.set("IS_3D", c.is3D);
        Orvik::GameView view(nullptr);
        const MathStuff::Vector3<float>& eye = view.getCamera().position;
        const float minZ = CFG::parser()->getNumber<float>("MIN_Z");
        const float maxZ = CFG::parser()->getNumber<float>("MAX_Z");
        if (!c.perspective)
        {
            EXPECT_EQ(0.0f, eye.x);
            EXPECT_EQ(0.0f, eye.y);
            EXPECT_EQ(0.0f, eye.z);
            EXPECT_EQ(-10.0f, minZ);
            EXPECT_EQ(10.0f, maxZ);
            continue;
        }
        EXPECT_FLOAT_EQ(c.width / 2.0f, eye.x);
        EXPECT_FLOAT_EQ(c.height / 2.0f, eye.y);
        // From there the field of view spans the window's height at z 0, so the maze lies where the
        // flat view puts it: no more, or the edges are cut; no less, or clicks miss their rooms.
        const double halfFov = CFG::parser()->getNumber<float>("FOV") * 0.5 * std::acos(-1.0) / 180.0;
        EXPECT_NEAR(c.height / 2.0, eye.z * std::tan(halfFov), c.height * 1e-5);
        EXPECT_GT(minZ, 0.0f);
        EXPECT_LT(minZ, eye.z);
        EXPECT_GT(maxZ, eye.z);
    }
    CFG::setConfig("");
}

TEST(GameView, InputReachesTheControllerOnlyWhileItIsActive)
{
    OrvikTest::Config config;
    NoAreas renderer;
    Orvik::GameView view(new Input::InputController("GAME", &renderer));
    EVT::Event_Key key(EVT::EVENT_KEY, 'a', true, 0);
    EXPECT_EQ(&key, view.onInput(&key));
    EVT::Event_InputController activate(EVT::EVENT_INPUT_CONTROLLER, "GAME", true);
    EVT::EventBus::instance().raiseEvent(&activate, false);
    EXPECT_EQ(nullptr, view.onInput(&key));
}
} // namespace
