#include "orvik/src/MenuView.h"

#include <algorithm>

#include "CFG/CFG.h"
#include "Game/GameManager.h"
#include "Game/RenderHelper.h"
#include "MatSys/I_Color.h"
#include "Menu/MenuPage.h"
#include "Render/I_RenderController.h"
#include "fonts/I_Font.h"
#include "fonts/I_FontManager.h"
#include "input/InputController.h"
#include "models/ModelSystemFacade.h"
#include "orvik/src/Globals.h"
#include "util/Debug.h"
#include "util/NumUtil.h"
#include "util/StringUtil.h"

namespace Orvik
{
namespace
{
MatSys::I_Color* colorOf(const std::string& key)
{
    return globals().modelSystem->getColor(CFG::get(key));
}

void readSizes(std::vector<int>& sizes)
{
    std::vector<std::string> parts;
    Util::splitString(CFG::get("MENU_FONT_SIZES"), ",", parts, false, true);
    for (const std::string& part : parts)
        if (!part.empty())
            sizes.push_back(Util::strToNum<int>(part, 10));
}

AFont::I_FontManager* fontManager()
{
    return globals().fontManager;
}
} // namespace

MenuView::MenuView(Input::InputController* controller, const Menu::MenuPage* menuPage)
    : inputController(controller), screenWidth(0), screenHeight(0), font(nullptr), page(menuPage),
      itemColor(nullptr), selectedItemColor(nullptr), fontSize(0), xPer(0), rowStartPer(0), optionXPer(0),
      rowHeight(0.0)
{
    createFont();
    itemColor = colorOf("MENU_ITEM_COLOR");
    selectedItemColor = colorOf("MENU_SELECTED_ITEM_COLOR");
    xPer = CFG::parser()->getNumber<int>("MENU_X_PER");
    rowStartPer = 100 - CFG::parser()->getNumber<int>("MENU_Y_PER");
    optionXPer = CFG::parser()->getNumber<int>("MENU_OPTION_X_PER");
    selectPrefix = CFG::get("MENU_SELECT_PREFIX");
    itemPrefix = CFG::get("MENU_ITEM_PREFIX");
}

MenuView::~MenuView()
{
    delete itemColor;
    delete selectedItemColor;
    if (font != nullptr && fontManager() != nullptr)
        fontManager()->removeFont(font);
    delete inputController;
}

void MenuView::setScreenSize(int width, int height)
{
    screenWidth = width;
    screenHeight = height;
    createFont();
}

void MenuView::getScreenSize(int& width, int& height) const
{
    width = screenWidth;
    height = screenHeight;
}

Geom::Rect<int> MenuView::getViewBox() const
{
    return Geom::Rect<int>{0, 0, screenWidth, screenHeight};
}

void MenuView::preUpdate(float elapsed)
{
    inputController->onUpdate(elapsed);
}

EVT::I_Event* MenuView::onInput(EVT::I_Event* event)
{
    return inputController->onInput(event);
}

void MenuView::createFont()
{
    // What shapes the font is read once per run; the size list until it holds a size.
    static const std::string l_fontName = CFG::get("MENU_FONT_NAME");
    static const int l_sizePer = CFG::parser()->getNumber<int>("MENU_FONT_SIZE_PER");
    static const double l_rowGap = CFG::parser()->getNumber<double>("MENU_ROW_GAP");
    static std::vector<int> l_rangeSizes;
    if (l_rangeSizes.empty())
        readSizes(l_rangeSizes);
    if (l_rangeSizes.empty())
        ABORT("MENU_FONT_SIZES lists no font size");

    const int wanted = Util::PERCENT_OF(l_sizePer, screenHeight);
    std::vector<int>::const_iterator found =
        std::lower_bound(l_rangeSizes.begin(), l_rangeSizes.end(), wanted);
    const int size = found != l_rangeSizes.end() ? *found : l_rangeSizes.back();
    // Only a font held makes a size the same: the first size may equal the empty view's 0.
    if (font != nullptr && size == fontSize)
        return;
    if (font != nullptr && !fontManager()->removeFont(font))
        return;
    fontSize = size;
    font = fontManager()->getFont(l_fontName, size);
    if (font == nullptr)
        ABORT("FONT FAILURE " << l_fontName << " size " << size);
    rowHeight = size + l_rowGap;
}

void MenuView::onRender()
{
    Render::I_RenderController* rc = globals().gameManager->getRenderController();
    rc->pushViewData();
    GameHelper::RenderHelper(rc).set2D(screenWidth, screenHeight, false);
    inputController->onRender();

    const int x = Util::PERCENT_OF(xPer, screenWidth);
    double y = Util::PERCENT_OF(rowStartPer, screenHeight);
    const int ox = Util::PERCENT_OF(optionXPer, screenWidth);
    itemBoxes.clear();
    const Menu::MenuPage::ItemList& items = page->getItemList();
    const Menu::MenuPage::ItemList::const_iterator current = page->getCurItemItr();
    for (Menu::MenuPage::ItemList::const_iterator it = items.begin(); it != items.end(); ++it)
    {
        const bool isCurrent = it == current;
        MatSys::I_Color* color = isCurrent ? selectedItemColor : itemColor;
        const std::string text = (isCurrent ? selectPrefix : itemPrefix) + (*it)->getItemText();
        const FTPoint end = font->display(text, FTPoint(x, y, 0.0), color, nullptr);
        itemBoxes.push_back(
            Geom::Rect<int>{x, static_cast<int>(y + fontSize), static_cast<int>(end.X() - x), fontSize});
        const std::string option = (*it)->getOptionText();
        if (!option.empty())
            font->display(option, FTPoint(ox, y, 0.0), color, nullptr);
        y -= rowHeight;
    }
    rc->popViewData();
}
} // namespace Orvik
