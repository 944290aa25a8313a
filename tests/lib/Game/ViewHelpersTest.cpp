#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CFG/CFG.h"
#include "CFG/Info.h"
#include "CFG/InfoParser.h"
#include "Game/RenderHelper.h"
#include "Game/ViewBoxHelper.h"
#include "support/FakeRenderController.h"

namespace
{
struct Box
{
    int x, y, w, h;
};

Box percentsOf(const GameHelper::ViewBoxHelper& helper, bool flip)
{
    Box box{};
    helper.getBoxPercents(box.x, box.y, box.w, box.h, flip);
    return box;
}

Box pixelsOf(const GameHelper::ViewBoxHelper& helper)
{
    const Geom::Rect<int>& r = helper.getViewBox();
    return Box{r.x, r.y, r.w, r.h};
}

bool operator==(const Box& a, const Box& b)
{
    return a.x == b.x && a.y == b.y && a.w == b.w && a.h == b.h;
}

std::ostream& operator<<(std::ostream& out, const Box& b)
{
    return out << b.x << "," << b.y << "," << b.w << "," << b.h;
}
} // namespace

TEST(ViewBoxHelper, ReadsExactlyFourPercentsFromTheKey)
{
    struct Case
    {
        const char* value;
        Box percents;
    };
    const std::vector<Case> cases = {
        {"25, 50, 50, 50", {25, 50, 50, 50}}, {"10,20,30", {10, 20, 30, 0}},
        {"1,2,3,4,5", {1, 2, 3, 4}},          {"", {0, 0, 0, 0}},
        {"a, 5, , 7", {0, 5, 7, 0}},          {"-10, 120, 50, 50", {-10, 120, 50, 50}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.value);
        CFG::Info store;
        store.add("BOX", c.value);
        CFG::InfoParser parser(&store);
        GameHelper::ViewBoxHelper helper("BOX", &parser);
        EXPECT_EQ(percentsOf(helper, false), c.percents);
    }

    CFG::Info store;
    CFG::InfoParser parser(&store);
    GameHelper::ViewBoxHelper missing("NO_SUCH_KEY", &parser);
    EXPECT_EQ(percentsOf(missing, false), (Box{0, 0, 0, 0}));
}

TEST(ViewBoxHelper, NullParserReadsTheGlobalConfiguration)
{
    CFG::global()->add("VIEW_BOX_HELPER_TEST_BOX", "1,2,3,4");
    GameHelper::ViewBoxHelper helper("VIEW_BOX_HELPER_TEST_BOX", nullptr);
    EXPECT_EQ(percentsOf(helper, false), (Box{1, 2, 3, 4}));
}

TEST(ViewBoxHelper, PixelBoxFollowsTheScreenSize)
{
    GameHelper::ViewBoxHelper helper;
    helper.setBoxPercents(25, 50, 50, 50, false);
    EXPECT_EQ(pixelsOf(helper), (Box{0, 0, 0, 0})); // no size yet
    helper.setScreenSize(1024, 768);
    EXPECT_EQ(pixelsOf(helper), (Box{256, 384, 512, 384}));

    helper.setBoxPercents(33, 33, 33, 33, false);
    helper.setScreenSize(100, 10);
    EXPECT_EQ(pixelsOf(helper), (Box{33, 3, 33, 3}));
    int width = 0;
    int height = 0;
    helper.getScreenSize(width, height);
    EXPECT_EQ(width, 100);
    EXPECT_EQ(height, 10);

    // A later init keeps the size and recomputes the box.
    CFG::Info store;
    store.add("BOX", "50,50,50,50");
    CFG::InfoParser parser(&store);
    helper.init("BOX", &parser);
    EXPECT_EQ(pixelsOf(helper), (Box{50, 5, 50, 5}));
}

TEST(ViewBoxHelper, FlipMeasuresYFromTheOtherEdge)
{
    GameHelper::ViewBoxHelper helper;
    helper.setScreenSize(200, 100);
    helper.setBoxPercents(10, 20, 30, 40, false);
    EXPECT_EQ(percentsOf(helper, true), (Box{10, 40, 30, 40}));

    helper.setBoxPercents(10, 40, 30, 40, true);
    EXPECT_EQ(percentsOf(helper, false), (Box{10, 20, 30, 40}));
    EXPECT_EQ(pixelsOf(helper), (Box{20, 20, 60, 40}));

    helper.setPos(5, 0, true);
    EXPECT_EQ(percentsOf(helper, false), (Box{5, 60, 30, 40}));
    helper.setPos(7, 8, false);
    EXPECT_EQ(percentsOf(helper, false), (Box{7, 8, 30, 40}));
}

TEST(RenderHelper, Set2DSetsAFlatViewAndACamera)
{
    struct Case
    {
        const char* what;
        int x, y, width, height;
        bool centred;
        float cameraX, cameraY;
    };
    const std::vector<Case> cases = {
        {"uncentred", 5, 6, 800, 600, false, 0.0f, 0.0f},
        {"centred", 0, 0, 800, 600, true, -400.0f, -300.0f},
        {"centred, odd sizes halve toward zero", 0, 0, 801, 601, true, -400.0f, -300.0f},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        Testing::FakeRenderController controller;
        GameHelper::RenderHelper helper(&controller);
        helper.set2D(c.x, c.y, c.width, c.height, c.centred);

        ASSERT_EQ(controller.viewDatas.size(), 1u);
        const Render::ViewData& v = controller.viewDatas[0];
        EXPECT_EQ(v.minZ, -1.0f);
        EXPECT_EQ(v.maxZ, 1.0f);
        EXPECT_EQ(v.fov, 0.0f);
        EXPECT_EQ(v.x, c.x);
        EXPECT_EQ(v.y, c.y);
        EXPECT_EQ(v.width, c.width);
        EXPECT_EQ(v.height, c.height);
        EXPECT_EQ(v.zoomX, 1.0f);
        EXPECT_EQ(v.zoomY, 1.0f);
        EXPECT_EQ(v.vsync, 1);
        EXPECT_FALSE(v.is3D);

        ASSERT_EQ(controller.cameras.size(), 1u);
        const MathStuff::Orientation<float>& o = controller.cameras[0];
        EXPECT_EQ(o.position.x, c.cameraX);
        EXPECT_EQ(o.position.y, c.cameraY);
        EXPECT_EQ(o.position.z, 0.0f);
        EXPECT_EQ(o.direction.z, -1.0f);
        EXPECT_EQ(o.up.y, 1.0f);
        EXPECT_EQ(o.scale.x, 1.0f);
        EXPECT_EQ(o.scale.y, 1.0f);
        EXPECT_EQ(o.scale.z, 1.0f);
    }
}

TEST(RenderHelper, ShorterFormsUseTheOriginAndTheViewBox)
{
    Testing::FakeRenderController controller;
    GameHelper::RenderHelper helper(&controller);
    helper.set2D(320, 200, true);

    GameHelper::ViewBoxHelper box;
    box.setBoxPercents(50, 25, 50, 50, false);
    box.setScreenSize(400, 200);
    helper.set2D(&box);

    ASSERT_EQ(controller.viewDatas.size(), 2u);
    EXPECT_EQ(controller.viewDatas[0].x, 0);
    EXPECT_EQ(controller.viewDatas[0].y, 0);
    EXPECT_EQ(controller.cameras[0].position.x, -160.0f);
    EXPECT_EQ(controller.viewDatas[1].x, 200);
    EXPECT_EQ(controller.viewDatas[1].y, 50);
    EXPECT_EQ(controller.viewDatas[1].width, 200);
    EXPECT_EQ(controller.viewDatas[1].height, 100);
    EXPECT_EQ(controller.cameras[1].position.x, 0.0f); // never centred
}
