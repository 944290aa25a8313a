#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeMaze.h"
#include "TestSupport.h"
#include "input/I_ScreenAreaRenderer.h"
#include "input/ScreenArea.h"
#include "orvik/src/GameView.h"
#include "orvik/src/Player.h"
#include "orvik/src/PlayerScreenArea.h"

namespace
{
class DrawLog : public Input::I_ScreenAreaRenderer
{
public:
    bool init(const std::set<std::string>&, const std::set<std::string>&) override { return true; }
    void setUsedBy(const std::string&, bool) override {}
    Geom::Rect<int> getInputBox() const override { return Geom::Rect<int>(); }
    void startRender() override {}
    void stopRender() override {}
    void draw(const Geom::Rect<float>& rect, const Input::I_ScreenArea::RenderInfo&, const std::string& model,
              const std::string& material) override
    {
        lines.push_back(std::to_string(int(rect.x)) + "," + std::to_string(int(rect.y)) + " " + model + "/" +
                        material);
    }
    std::vector<std::string> lines;
};

// A screen of 1000 by 800 pixels whose 5 by 2 maze puts the room of cell (1, 0) at (300, 200).
struct AreaFixture
{
    AreaFixture()
        : config({{"MAZE_SIZES", "5,2"},
                  {"GAME_VIEW_BOX", "0,0,100,100"},
                  {"PLAYER_BOX_WIDTH_PER", "8"},
                  {"PLAYER_BOX_HEIGHT_PER", "6"},
                  {"PLAYER_CHANGE_DIR_DELAY", "0"}}),
          view(nullptr)
    {
        view.setScreenSize(1000, 800);
        maze.reset(new OrvikTest::FakeMaze({{{1, 0}, {2, 0}}}, {1, 0}, {4, 1}, &view));
        player.reset(new Orvik::Player(maze.get()));
        view.setMaze(maze.get());
        view.setPlayer(player.get());
    }
    Orvik::PlayerScreenArea* make(float x, float y, float w, float h)
    {
        Input::ScreenArea* configured = new Input::ScreenArea("TOKEN");
        configured->setRect(Geom::Rect<float>{x, y, w, h});
        configured->setAreaModel("ring");
        configured->setAreaMaterial("dull");
        configured->setHighLightModel("ring2");
        configured->setHighLightMaterial("bright");
        return new Orvik::PlayerScreenArea(&view, configured);
    }
    OrvikTest::Config config;
    Orvik::GameView view;
    std::unique_ptr<OrvikTest::FakeMaze> maze;
    std::unique_ptr<Orvik::Player> player;
};

TEST(PlayerScreenArea, SitsAtTheTokensRoomMovedByTheConfiguredOffsetsAndKeptOnTheScreen)
{
    AreaFixture f;
    const struct
    {
        Geom::Rect<float> configured;
        Geom::Rect<float> expected;
    } cases[] = {
        {{-5, -5, 10, 10}, {25, 70, 10, 10}}, {{-5, -5, 0, 0}, {25, 70, 8, 6}},
        {{67, -5, 10, 10}, {90, 70, 10, 10}}, {{-33, -5, 10, 10}, {0, 70, 10, 10}},
        {{-5, 40, 10, 10}, {25, 90, 10, 10}}, {{-5, -80, 10, 10}, {25, 0, 10, 10}},
    };
    for (const auto& c : cases)
    {
        std::unique_ptr<Orvik::PlayerScreenArea> area(
            f.make(c.configured.x, c.configured.y, c.configured.w, c.configured.h));
        const Geom::Rect<float>& r = area->getRect();
        EXPECT_FLOAT_EQ(c.expected.x, r.x) << c.configured.x;
        EXPECT_FLOAT_EQ(c.expected.y, r.y) << c.configured.y;
        EXPECT_FLOAT_EQ(c.expected.w, r.w);
        EXPECT_FLOAT_EQ(c.expected.h, r.h);
    }
}

TEST(PlayerScreenArea, TakesTheConfiguredNamesAndHandsSetRectOn)
{
    AreaFixture f;
    std::unique_ptr<Orvik::PlayerScreenArea> area(f.make(-5, -5, 10, 10));
    EXPECT_EQ("TOKEN", area->name);
    EXPECT_EQ("ring", area->getAreaModel());
    EXPECT_EQ("bright", area->getHighLightMaterial());
    area->setRect(Geom::Rect<float>{0, 0, 20, 20});
    EXPECT_FLOAT_EQ(30.0f, area->getRect().x);
    EXPECT_FLOAT_EQ(20.0f, area->getRect().w);
}

TEST(PlayerScreenArea, ContainsItsLeftAndTopEdgesOnly)
{
    AreaFixture f;
    std::unique_ptr<Orvik::PlayerScreenArea> area(f.make(-5, -5, 10, 10));
    const struct
    {
        float x;
        float y;
        bool inside;
    } cases[] = {{25, 70, true}, {34.9f, 79.9f, true}, {35, 75, false}, {30, 80, false}, {24.9f, 75, false}};
    for (const auto& c : cases)
        EXPECT_EQ(c.inside, area->contains(c.x, c.y)) << c.x << "," << c.y;
}

TEST(PlayerScreenArea, DrawsTheHighlightOnlyAsTheCurrentArea)
{
    AreaFixture f;
    std::unique_ptr<Orvik::PlayerScreenArea> area(f.make(-5, -5, 10, 10));
    DrawLog log;
    Input::I_ScreenArea::RenderInfo info = {};
    area->render(&log, info);
    info.isCurrentArea = true;
    area->render(&log, info);
    area->render(nullptr, info);
    EXPECT_EQ((std::vector<std::string>{"25,70 ring/dull", "25,70 ring2/bright"}), log.lines);
    // It follows the token's cell.
    f.player->tryMovePlayer(Orvik::GameMaze::DIR_RIGHT);
    f.player->movePlayer();
    EXPECT_FLOAT_EQ(45.0f, area->getRect().x);
}
} // namespace
