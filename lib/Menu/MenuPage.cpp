#include "Menu/MenuPage.h"

#include "util/NumUtil.h"

namespace Menu
{
MenuPage::MenuPage(int id) : pageId(id), current(-1) {}

MenuPage::~MenuPage()
{
    for (MenuItem* item : itemList)
        delete item;
    itemList.clear();
}

MenuItem* MenuPage::addItem(MenuItem* item)
{
    // A null item would be a trap for every request on the page.
    if (item == nullptr)
        return nullptr;
    itemList.push_back(item);
    current = Util::MAX(current, 0);
    return item;
}

MenuPage::ItemList::const_iterator MenuPage::getCurItemItr() const
{
    if (!validIndex(current))
        return itemList.end();
    return itemList.begin() + current;
}

bool MenuPage::validIndex(int index) const
{
    return index >= 0 && index < static_cast<int>(itemList.size());
}

int MenuPage::nextItem(bool wrap)
{
    const int n = static_cast<int>(itemList.size());
    // An empty page has no item to step to.
    if (n == 0)
        return current;
    current = wrap ? Util::WRAP_INC(current + 1, 0, n - 1) : Util::MIN(current + 1, n - 1);
    return current;
}

int MenuPage::prevItem(bool wrap)
{
    const int n = static_cast<int>(itemList.size());
    if (n == 0)
        return current;
    current = wrap ? Util::WRAP_DEC(current - 1, 0, n - 1) : Util::MAX(current - 1, 0);
    return current;
}

void MenuPage::gotoItem(int index)
{
    if (validIndex(index))
        current = index;
}

void MenuPage::selectItem(int index, bool wrap)
{
    if (!validIndex(index))
        return;
    current = index;
    select(wrap);
}

void MenuPage::select(bool wrap)
{
    if (validIndex(current))
        itemList[current]->select(pageId, wrap);
}

void MenuPage::nextOption(bool wrap)
{
    select(wrap);
}

void MenuPage::prevOption(bool wrap)
{
    if (validIndex(current))
        itemList[current]->prevOption(pageId, wrap);
}

void MenuPage::keypress(unsigned char key)
{
    if (validIndex(current))
        itemList[current]->keypress(pageId, key);
}
} // namespace Menu
