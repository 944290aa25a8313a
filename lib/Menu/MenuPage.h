#pragma once

#include <vector>

#include "Menu/MenuItem.h"
#include "util/NonCopyable.h"

namespace Menu
{
// An ordered list of items, which it owns, and a current item: -1 while the page is empty, a valid
// index from the first item on.
class MenuPage : private Util::NonCopyable<MenuPage>
{
public:
    using ItemList = std::vector<MenuItem*>;

    explicit MenuPage(int id);
    virtual ~MenuPage();

    // Takes the item over; the first item added becomes current.
    virtual MenuItem* addItem(MenuItem* item);
    virtual int getPageId() const { return pageId; }
    // The current item, or the end when the page is empty.
    virtual ItemList::const_iterator getCurItemItr() const;
    virtual const ItemList& getItemList() const { return itemList; }
    virtual void menuExit() {}
    // Both return the new current index.
    virtual int nextItem(bool wrap);
    virtual int prevItem(bool wrap);
    virtual void nextOption(bool wrap);
    virtual void prevOption(bool wrap);
    virtual void select(bool wrap);
    virtual void selectItem(int index, bool wrap);
    virtual void gotoItem(int index);
    virtual void keypress(unsigned char key);

    int getCurrent() const { return current; }

private:
    bool validIndex(int index) const;

    int pageId;
    ItemList itemList;
    int current;
};
} // namespace Menu
