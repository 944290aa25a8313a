#pragma once

#include <string>
#include <vector>

#include "Game/I_View.h"

namespace AFont
{
class I_Font;
} // namespace AFont

namespace Input
{
class InputController;
} // namespace Input

namespace MatSys
{
class I_Color;
} // namespace MatSys

namespace Menu
{
class MenuPage;
} // namespace Menu

namespace Orvik
{
// Shows the items of one menu page as rows of text over the screen areas of the menu's input controller,
// the current item with its own prefix and colour, and keeps the screen box of every row drawn so that
// the menu's screen areas can lie over the rows. Its font size follows the screen height.
class MenuView : public Game::I_View
{
public:
    // Takes the controller over; the page stays the caller's.
    MenuView(Input::InputController* controller, const Menu::MenuPage* page);
    ~MenuView() override;
    MenuView(const MenuView&) = delete;
    MenuView& operator=(const MenuView&) = delete;

    void setPause(bool) override {}
    void setScreenSize(int width, int height) override;
    void preUpdate(float elapsed) override;
    void onUpdate(float) override {}
    void onRender() override;
    EVT::I_Event* onInput(EVT::I_Event* event) override;
    Geom::Rect<int> getViewBox() const override;

    // One box per row of the last frame, in pixels from the lower left corner, y at the top of the row;
    // empty before the first frame.
    virtual const std::vector<Geom::Rect<int>>& getItemBoxes() const { return itemBoxes; }
    virtual void getScreenSize(int& width, int& height) const;
    // Picks the font for the current screen height; makes a new one only when the size changes.
    virtual void createFont();

private:
    Input::InputController* inputController;
    int screenWidth;
    int screenHeight;
    AFont::I_Font* font;
    const Menu::MenuPage* page;
    MatSys::I_Color* itemColor;
    MatSys::I_Color* selectedItemColor;
    int fontSize;
    int xPer;
    int rowStartPer;
    int optionXPer;
    double rowHeight;
    std::string selectPrefix;
    std::string itemPrefix;
    std::vector<Geom::Rect<int>> itemBoxes;
};
} // namespace Orvik
