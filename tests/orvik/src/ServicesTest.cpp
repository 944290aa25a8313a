#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "Devices/DeviceRegistry.h"
#include "Game/GameManager.h"
#include "MatSys/SW/ShaderProgramMaker.h"
#include "events/EventBus.h"
#include "events/EventTypes.h"
#include "events/Event_Screen.h"
#include "TestSupport.h"
#include "models/Model.h"
#include "models/ModelMatPair.h"
#include "models/ModelSystemFacade.h"
#include "orvik/src/GameGraphics.h"
#include "orvik/src/GameMaze.h"
#include "orvik/src/Globals.h"
#include "orvik/src/InitLogic.h"
#include "orvik/src/ScreenAreaRenderer.h"
#include "random/RandUniversal.h"
#include "support/MemoryRenderController.h"
#include "support/MemoryVertexArray.h"
#include "support/RecordingRenderQueue.h"
#include "support/TempDir.h"

namespace
{
using Keys = std::map<std::string, std::string>;

const char* const c_materials = "DEF_COLOR_MAT_PROG == DEF_COLOR_MAT\n"
                                "DEF_TEXTURE_MAT_PROG == DEF_TEXTURE_MAT\n"
                                "RED_PROG == DEF_COLOR_MAT\n"
                                "RED_MAT_DEF_COLOR_MAT_PARAMS == color4v:4fv=1,0,0,1\n"
                                "BLUE_PROG == DEF_COLOR_MAT\n"
                                "BLUE_MAT_DEF_COLOR_MAT_PARAMS == color4v:4fv=0,0,1,1\n";
const char* const c_shapes = "MODELS_LIST == BLOCK DOT\n"
                             "BLOCK_MODEL_PART_LIST == SQUARE\n"
                             "DOT_MODEL_PART_LIST == SMALL\n"
                             "SQUARE_PART_PLANE == XY\nSQUARE_PART_TYPE == LINE_LOOP\n"
                             "SQUARE_PART_LINE_LOOP == -1,-1 1,-1 1,1 -1,1\n"
                             "SMALL_PART_PLANE == XY\nSMALL_PART_TYPE == LINE_LOOP\n"
                             "SMALL_PART_LINE_LOOP == -0.5,-0.5 0.5,-0.5 0.5,0.5 -0.5,0.5\n";

Keys graphicsKeys()
{
    Keys keys;
    for (const char* kind : {"WALL", "TREASURE", "PLAYER", "CHOICE", "ESCAPED", "FOOTPRINT"})
    {
        keys[std::string(kind) + "_MATERIAL"] = std::string(kind) == "WALL" ? "BLUE" : "RED";
        keys[std::string(kind) + "_MODEL_NAME"] = std::string(kind) == "WALL" ? "BLOCK" : "DOT";
        keys[std::string(kind) + "_MODEL_FILE"] = "shapes.pmf";
    }
    return keys;
}

// The shared services over a small data set, without OpenGL: fixed-function programs, no textures,
// vertex arrays in memory.
struct Services
{
    explicit Services(Keys keys = {}) : dir("orvik-services"), manager(50, 0)
    {
        dir.write("materials.cfg", c_materials);
        dir.write("shapes.pmf", c_shapes);
        dir.write("frame.tdm", "REQUIRES == shapes.pmf\nPARTS == BLOCK.SQUARE , DOT.SMALL\n");
        Keys all = graphicsKeys();
        all["MODEL_LOAD_DIR"] = dir.dir() + "/";
        all["MATERIALS_CFG"] = dir.path("materials.cfg");
        all["USE_SHADERS"] = "NO";
        all["MOUSE_SENSITIVITY_X"] = "1";
        all["MOUSE_SENSITIVITY_Y"] = "1";
        all["GAME_INPUT_BOX"] = "0,0,100,100";
        all["MENU_INPUT_BOX"] = "10,20,50,50";
        for (const auto& key : keys)
            all[key.first] = key.second;
        for (const auto& key : all)
            config.set(key.first, key.second);
        manager.setRenderController(&controller);
        EVT::Event_Screen screen(EVT::EVENT_SCREEN, 800, 600);
        EVT::EventBus::instance().raiseEvent(&screen, false);
    }
    OrvikTest::Config config;
    Testing::TempDir dir;
    Testing::MemoryRenderController controller;
    Game::GameManager manager;
};
} // namespace

namespace
{
TEST(InitLogic, EnteringFillsTheRecordAndTheRegistryAndDestroyingEmptiesThem)
{
    Services services(Keys{{"USE_SHADERS", "no"}, {"HAVE_SHADERS", "YES"}});
    {
        Orvik::InitLogic init(&services.manager);
        EXPECT_EQ(&services.manager, Orvik::globals().gameManager);
        EXPECT_EQ(nullptr, Orvik::globals().modelSystem);
        init.onEnter("", "");
        EXPECT_EQ("DONE", init.onUpdate(0.0f));
        const Orvik::Globals& record = Orvik::globals();
        EXPECT_NE(nullptr, record.modelSystem);
        EXPECT_NE(nullptr, record.graphics);
        EXPECT_NE(nullptr, record.soundManager);
        EXPECT_NE(nullptr, record.fontManager);
        EXPECT_NE(nullptr, record.screenAreaRenderer);
        EXPECT_NE(nullptr, Devices::getMouse());
        EXPECT_NE(nullptr, Devices::getJoypad());
        EXPECT_EQ("DONE", init.onUpdate(16.0f));
    }
    const Orvik::Globals& record = Orvik::globals();
    EXPECT_EQ(nullptr, record.gameManager);
    EXPECT_EQ(nullptr, record.modelSystem);
    EXPECT_EQ(nullptr, record.graphics);
    EXPECT_EQ(nullptr, record.soundManager);
    EXPECT_EQ(nullptr, record.fontManager);
    EXPECT_EQ(nullptr, record.screenAreaRenderer);
    EXPECT_EQ(nullptr, Devices::getMouse());
    EXPECT_EQ(nullptr, Devices::getJoypad());
}

TEST(InitLogic, NeverEnteredItDeletesNothing)
{
    Services services;
    {
        Orvik::InitLogic init(&services.manager);
    }
    EXPECT_EQ(nullptr, Orvik::globals().gameManager);
}

TEST(InitLogicDeathTest, AGraphicThatCannotBeMadeEndsTheProgramNamingItsKind)
{
    const struct
    {
        const char* key;
        const char* kind;
    } cases[] = {
        {"PLAYER_MODEL_FILE", "PLAYER"}, {"WALL_MODEL_NAME", "WALL"}, {"FOOTPRINT_MODEL_FILE", "FOOTPRINT"}};
    for (const auto& c : cases)
    {
        EXPECT_DEATH(
            {
                Services services(Keys{{c.key, "nothing.pmf"}});
                Orvik::InitLogic init(&services.manager);
                init.onEnter("", "");
            },
            std::string("ABORT: GameGraphics - Failed to get Model\\+Material for: ") + c.kind);
    }
}

// The graphics table over the data set, with the record holding the model system.
struct GraphicsFixture
{
    GraphicsFixture() : init(&services.manager) { init.onEnter("", ""); }
    Services services;
    Orvik::InitLogic init;
};

TEST(GameGraphics, SixPairsInKindOrderMadeOnce)
{
    GraphicsFixture f;
    Orvik::GameGraphics* graphics = Orvik::globals().graphics;
    ModelSys::ModelSystemFacade* models = Orvik::globals().modelSystem;
    for (int kind = Orvik::GameGraphics::WALL; kind <= Orvik::GameGraphics::FOOTPRINT; ++kind)
    {
        const ModelSys::ModelMatPair& pair = graphics->get(static_cast<Orvik::GameGraphics::Graphic>(kind));
        ASSERT_NE(nullptr, pair.model) << kind;
        EXPECT_EQ(models->getMaterial(kind == 0 ? "BLUE" : "RED"), pair.material) << kind;
    }
    const ModelSys::Model* wall = graphics->get(Orvik::GameGraphics::WALL).model;
    f.services.config.set("WALL_MODEL_NAME", "DOT");
    graphics->init();
    EXPECT_EQ(wall, graphics->get(Orvik::GameGraphics::WALL).model);
}

TEST(GameMaze, DrawsEveryPieceThroughTheRenderQueue)
{
    const struct
    {
        const char* deadEnds;
        std::size_t walls;
    } cases[] = {{"YES", 18u}, {"NO", 17u}};
    for (const auto& c : cases)
    {
        GraphicsFixture f;
        f.services.config.set("MAZE_SIZES", "2,2");
        f.services.config.set("MAZE_DEAD_ENDS", c.deadEnds);
        f.services.config.set("MAZE_START_X", "0");
        OrvikTest::BoxView view(0, 0, 640, 480);
        RNG::RandUniversal random;
        Orvik::GameMaze maze(0, &view, &random);
        Testing::RecordingRenderQueue& queue = f.services.controller.queue;
        queue.entries.clear();
        maze.onRender();
        // The walls, each of one mesh without a material of its own, then the treasure in the end room.
        ASSERT_EQ(c.walls + 1, queue.entries.size()) << c.deadEnds;
        for (std::size_t i = 0; i < c.walls; ++i)
            EXPECT_EQ(nullptr, queue.entries[i].material);
        const Testing::RecordingRenderQueue::Entry& treasure = queue.entries.back();
        EXPECT_EQ(Orvik::globals().graphics->get(Orvik::GameGraphics::TREASURE).material, treasure.material);
        EXPECT_EQ(3.0f * 160.0f, treasure.placement.position.x);
        EXPECT_EQ(3.0f * 120.0f, treasure.placement.position.y);
        queue.entries.clear();
        maze.drawLeavingRoom(Orvik::GameGraphics::PLAYER, 0, 0, Orvik::GameMaze::DIR_NONE);
        EXPECT_EQ(1u, queue.entries.size());
        maze.drawLeavingRoom(Orvik::GameGraphics::PLAYER, 0, 0, Orvik::GameMaze::DIR_UP);
        ASSERT_EQ(3u, queue.entries.size());
        EXPECT_EQ(160.0f, queue.entries[2].placement.position.x);
        EXPECT_EQ(240.0f, queue.entries[2].placement.position.y);
    }
}

// Counts the assembly models the renderer asks for.
class CountingFacade : public ModelSys::ModelSystemFacade
{
public:
    using ModelSys::ModelSystemFacade::ModelSystemFacade;
    ModelSys::Model* makeViaSingleModelTDM(const std::string& file) override
    {
        made.push_back(file);
        return ModelSys::ModelSystemFacade::makeViaSingleModelTDM(file);
    }
    std::vector<std::string> made;
};

TEST(ScreenAreaRenderer, LoadsEachAssemblyOnceAndFailsOnTheFirstThatGivesNoModel)
{
    GraphicsFixture f;
    Orvik::Globals& record = Orvik::globals();
    ModelSys::ModelSystemFacade* original = record.modelSystem;
    CountingFacade counting(f.services.dir.dir() + "/", f.services.dir.path("materials.cfg"),
                            &f.services.controller, new MatSys::SW::ShaderProgramMaker());
    record.modelSystem = &counting;
    {
        Orvik::ScreenAreaRenderer renderer;
        EXPECT_TRUE(renderer.init({}, {}));
        EXPECT_TRUE(renderer.init({"frame.tdm"}, {"BLUE", "RED"}));
        // Every level reads its input file again: the model made before serves again.
        EXPECT_TRUE(renderer.init({"frame.tdm"}, {"RED"}));
        EXPECT_EQ((std::vector<std::string>{"frame.tdm"}), counting.made);
        EXPECT_FALSE(renderer.init({"a.tdm", "b.tdm", "frame.tdm"}, {}));
        EXPECT_EQ((std::vector<std::string>{"frame.tdm", "a.tdm"}), counting.made);
    }
    record.modelSystem = original;
}

TEST(ScreenAreaRenderer, DrawsAModelStretchedOverTheAreaInAFlatViewOverTheInputBox)
{
    GraphicsFixture f;
    Orvik::ScreenAreaRenderer renderer;
    ASSERT_TRUE(renderer.init({"frame.tdm"}, {"RED"}));
    Testing::MemoryRenderController& controller = f.services.controller;
    controller.current.width = 3;
    renderer.setUsedBy("GAME", false);
    EXPECT_EQ(800, renderer.getInputBox().w);
    renderer.setUsedBy("MENU", true);
    const Geom::Rect<int> box = renderer.getInputBox();
    EXPECT_EQ(80, box.x);
    EXPECT_EQ(120, box.y);
    EXPECT_EQ(400, box.w);
    renderer.setUsedBy("GAME", true);
    // A 3-D game view's camera, still set when its screen areas are drawn.
    controller.setCamera(MathStuff::Orientation<float>(
        MathStuff::Vector3<float>(400, 300, 724), MathStuff::Vector3<float>(0, 0, -1),
        MathStuff::Vector3<float>(0, 1, 0), MathStuff::Vector3<float>(1, 1, 1)));
    renderer.startRender();
    EXPECT_FALSE(controller.current.is3D);
    // The areas' pixels are the view's own: the eye at the origin looking down -z, up along y.
    const MathStuff::Orientation<float>& eye = controller.cameras.back();
    using Triple = std::vector<float>;
    auto triple = [](const MathStuff::Vector3<float>& v) { return Triple{v.x, v.y, v.z}; };
    EXPECT_EQ((Triple{0, 0, 0}), triple(eye.position));
    EXPECT_EQ((Triple{0, 0, -1}), triple(eye.direction));
    EXPECT_EQ((Triple{0, 1, 0}), triple(eye.up));
    EXPECT_EQ(800, controller.current.width);
    EXPECT_EQ(-1.0f, controller.current.minZ);
    controller.queue.entries.clear();
    const Input::I_ScreenArea::RenderInfo info = {};
    renderer.draw(Geom::Rect<float>{10, 20, 30, 40}, info, "frame.tdm", "RED");
    renderer.draw(Geom::Rect<float>{10, 20, 30, 40}, info, "never.tdm", "RED");
    renderer.draw(Geom::Rect<float>{10, 20, 30, 40}, info, "", "RED");
    renderer.stopRender();
    EXPECT_EQ(3, controller.current.width);
    ASSERT_EQ(2u, controller.queue.entries.size());
    const MathStuff::Orientation<float>& at = controller.queue.entries[0].placement;
    EXPECT_FLOAT_EQ(200.0f, at.position.x);
    EXPECT_FLOAT_EQ(360.0f, at.position.y);
    EXPECT_FLOAT_EQ(120.0f, at.scale.x);
    EXPECT_FLOAT_EQ(120.0f, at.scale.y);
    EXPECT_EQ(0.0f, at.scale.z);
    EXPECT_EQ(Orvik::globals().modelSystem->getMaterial("RED"), controller.queue.entries[0].material);
}
} // namespace
