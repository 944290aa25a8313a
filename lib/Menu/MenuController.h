#pragma once

#include "events/I_EventConsumer.h"
#include "util/NonCopyable.h"

namespace Menu
{
class MenuPage;

// Routes KEY and the menu events to the current page. It listens only while it has a page; the
// caller owns the page and deletes it after detaching it.
class MenuController : public EVT::I_EventConsumer, private Util::NonCopyable<MenuController>
{
public:
    MenuController();
    ~MenuController() override;

    void handleEvent(EVT::I_Event* event) override;

    // Null detaches the page.
    void setPage(MenuPage* page);
    void setUseKeys(bool use) { useKeys = use; }
    void setItemsWrap(bool wrap) { itemsWrap = wrap; }
    void setOptionsWrap(bool wrap) { optionsWrap = wrap; }
    bool getUseKeys() const { return useKeys; }
    bool getItemsWrap() const { return itemsWrap; }
    bool getOptionsWrap() const { return optionsWrap; }

private:
    MenuPage* page;
    bool useKeys;
    bool itemsWrap;
    bool optionsWrap;
};
} // namespace Menu
