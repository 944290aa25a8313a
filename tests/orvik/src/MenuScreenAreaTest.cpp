#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Menu/MenuPage.h"
#include "MenuFakes.h"
#include "input/ScreenArea.h"
#include "orvik/src/MenuScreenArea.h"
#include "orvik/src/MenuView.h"

namespace
{
// A menu view whose rows and screen size the test sets.
class RowsView : public Orvik::MenuView
{
public:
    RowsView(MenuTest::Services& services, const Menu::MenuPage* page)
        : Orvik::MenuView(new Input::InputController("MENU", &services.areas), page)
    {
    }
    const std::vector<Geom::Rect<int>>& getItemBoxes() const override { return boxes; }
    void getScreenSize(int& width, int& height) const override
    {
        width = 800;
        height = 600;
    }
    std::vector<Geom::Rect<int>> boxes;
};

Input::ScreenArea* configured()
{
    Input::ScreenArea* area = new Input::ScreenArea("ROW");
    area->setRect(Geom::Rect<float>{1.0f, 2.0f, 3.0f, 4.0f});
    area->setAreaModel("row.tdm");
    area->setAreaMaterial("ROW_MAT");
    area->setHighLightModel("lit.tdm");
    area->setHighLightMaterial("LIT_MAT");
    return area;
}

void expectRect(float x, float y, float w, float h, const Geom::Rect<float>& r, const std::string& what)
{
    EXPECT_FLOAT_EQ(x, r.x) << what;
    EXPECT_FLOAT_EQ(y, r.y) << what;
    EXPECT_FLOAT_EQ(w, r.w) << what;
    EXPECT_FLOAT_EQ(h, r.h) << what;
}

TEST(MenuScreenArea, LiesOverItsRowInPercentOfTheScreenFromTheTop)
{
    MenuTest::Services services;
    Menu::MenuPage page(0);
    RowsView view(services, &page);
    Orvik::MenuScreenArea first(0, &view, configured());
    Orvik::MenuScreenArea second(1, &view, configured());
    Orvik::MenuScreenArea fifth(5, &view, configured());
    Orvik::MenuScreenArea negative(-1, &view, configured());
    EXPECT_EQ("ROW", first.name);
    EXPECT_EQ("lit.tdm", first.getHighLightModel());
    EXPECT_EQ("ROW_MAT", first.getAreaMaterial());

    expectRect(0, 0, 0, 0, first.getRect(), "before the first frame");
    view.boxes = {Geom::Rect<int>{80, 384, 200, 24}, Geom::Rect<int>{80, 354, 80, 24}};
    expectRect(10, 36, 25, 4, first.getRect(), "row 0");
    expectRect(10, 41, 10, 4, second.getRect(), "row 1");
    expectRect(0, 0, 0, 0, fifth.getRect(), "no row 5");
    expectRect(0, 0, 0, 0, negative.getRect(), "a negative row");
    EXPECT_TRUE(first.contains(10.0f, 36.0f));
    EXPECT_FALSE(first.contains(35.0f, 38.0f)) << "right edge";
    EXPECT_FALSE(first.contains(20.0f, 40.0f)) << "bottom edge";
    EXPECT_FALSE(negative.contains(0.0f, 0.0f));

    // The configured rectangle plays no part; a row that goes keeps the last rectangle found.
    first.setRect(Geom::Rect<float>{50.0f, 50.0f, 50.0f, 50.0f});
    view.boxes.clear();
    expectRect(10, 36, 25, 4, first.getRect(), "kept");
}
} // namespace
