#pragma once

#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "Game/GameManager.h"
#include "MatSys/I_Color.h"
#include "MatSys/SW/ShaderProgramMaker.h"
#include "TestSupport.h"
#include "fonts/I_Font.h"
#include "fonts/I_FontManager.h"
#include "input/I_ScreenAreaRenderer.h"
#include "input/InputController.h"
#include "models/ModelSystemFacade.h"
#include "orvik/src/Globals.h"
#include "orvik/src/MenuView.h"
#include "support/FakeRenderController.h"
#include "support/MemoryVertexArray.h"
#include "support/TempDir.h"

namespace MenuTest
{
// The menu keys every test of this binary shares: the font name, size percent, row gap and size list
// are read once per process.
inline std::map<std::string, std::string> menuKeys()
{
    return {{"MENU_FONT_NAME", "menu.ttf"},
            {"MENU_FONT_SIZE_PER", "5"},
            {"MENU_FONT_SIZES", "12, 18,24 ,32"},
            {"MENU_ROW_GAP", "6"},
            {"MENU_ITEM_COLOR", "11223344"},
            {"MENU_SELECTED_ITEM_COLOR", "AABBCCDD"},
            {"MENU_X_PER", "10"},
            {"MENU_Y_PER", "40"},
            {"MENU_OPTION_X_PER", "60"},
            {"MENU_SELECT_PREFIX", ">>"},
            {"MENU_ITEM_PREFIX", "--"}};
}

// One call of a font's display.
struct Drawn
{
    std::string text;
    double x;
    double y;
    Util::RGBA color;
};

// A font whose pen moves right by a fixed advance for every character and that writes down what it
// is asked to draw.
class RecordingFont : public AFont::I_Font
{
public:
    static const int ADVANCE = 10;

    RecordingFont(const std::string& name, int fontSize, std::vector<Drawn>& log)
        : AFont::I_Font(name), size(fontSize), log(log)
    {
    }
    int getSize() const override { return size; }
    bool setSize(int newSize) override
    {
        size = newSize;
        return true;
    }
    float getRowHeight() const override { return size * 1.5f; }
    FTPoint display(const std::string& text, const FTPoint& pen, MatSys::I_Color* color,
                    MatSys::I_Texture*) override
    {
        log.push_back(
            Drawn{text, pen.X(), pen.Y(), color != nullptr ? color->RGBA() : Util::RGBA{0, 0, 0, 0}});
        return FTPoint(pen.X() + ADVANCE * static_cast<double>(text.size()), pen.Y(), pen.Z());
    }

private:
    int size;
    std::vector<Drawn>& log;
};

// Makes recording fonts, or none at all when refusing, and writes down every size it was asked for. Like the
// game's font manager it makes no font of a size below 1.
class RecordingFontManager : public AFont::I_FontManager
{
public:
    ~RecordingFontManager() override
    {
        for (AFont::I_Font* font : fonts)
            delete font;
    }
    const std::string& getLoadDir() const override { return dir; }
    void setLoadDir(const std::string& d) override { dir = d; }
    AFont::I_Font* getFont(const std::string& name, int size) override
    {
        requests.push_back(name + "@" + std::to_string(size));
        if (refuse || size < 1)
            return nullptr;
        fonts.push_back(new RecordingFont(name, size, drawn));
        return fonts.back();
    }
    bool removeFont(AFont::I_Font* font) override
    {
        std::vector<AFont::I_Font*>::iterator it = std::find(fonts.begin(), fonts.end(), font);
        if (it == fonts.end())
            return false;
        delete font;
        fonts.erase(it);
        ++removed;
        return true;
    }

    bool refuse = false;
    std::string dir;
    std::vector<std::string> requests;
    std::vector<AFont::I_Font*> fonts;
    std::vector<Drawn> drawn;
    int removed = 0;
};

// Draws nothing; its input box is a fixed pixel box.
class BoxAreaRenderer : public Input::I_ScreenAreaRenderer
{
public:
    bool init(const std::set<std::string>&, const std::set<std::string>&) override { return true; }
    void setUsedBy(const std::string&, bool) override {}
    Geom::Rect<int> getInputBox() const override { return box; }
    void startRender() override {}
    void stopRender() override {}
    void draw(const Geom::Rect<float>&, const Input::I_ScreenArea::RenderInfo&, const std::string&,
              const std::string&) override
    {
    }
    Geom::Rect<int> box{0, 0, 800, 600};
};
// The menu's font manager and a model system for its colours, put into the globals record and taken
// out again at the end.
struct MenuServices
{
    MenuServices()
    {
        dir.write("materials.cfg", "");
        models.reset(new ModelSys::ModelSystemFacade(dir.dir(), dir.path("materials.cfg"), &factory,
                                                     new MatSys::SW::ShaderProgramMaker()));
        Orvik::globals().fontManager = &fonts;
        Orvik::globals().modelSystem = models.get();
    }
    ~MenuServices()
    {
        Orvik::globals().modelSystem = nullptr;
        Orvik::globals().fontManager = nullptr;
    }
    MenuServices(const MenuServices&) = delete;
    MenuServices& operator=(const MenuServices&) = delete;

    Testing::TempDir dir{"orvik-menu"};
    Testing::MemoryVertexArrayFactory factory;
    std::unique_ptr<ModelSys::ModelSystemFacade> models;
    RecordingFontManager fonts;
};

// Everything a menu view takes from the globals record, with the menu keys set.
struct Services : MenuServices
{
    explicit Services(const std::map<std::string, std::string>& extra = {})
        : config(menuKeys()), manager(60, 0)
    {
        for (const auto& key : extra)
            config.set(key.first, key.second);
        manager.setRenderController(&render);
        Orvik::globals().gameManager = &manager;
    }
    ~Services() { Orvik::globals().gameManager = nullptr; }

    Orvik::MenuView* makeView(const Menu::MenuPage* page)
    {
        return new Orvik::MenuView(new Input::InputController("MENU", &areas), page);
    }

    OrvikTest::Config config;
    Testing::FakeRenderController render;
    Game::GameManager manager;
    BoxAreaRenderer areas;
};
} // namespace MenuTest
