#pragma once

#include <string>

#include "util/NonCopyable.h"

namespace Menu
{
// One row of a menu page; it reacts to select, option and key requests by calling back into its owner.
class MenuItem : private Util::NonCopyable<MenuItem>
{
public:
    MenuItem(const std::string& text, int itemId) : itemText(text), id(itemId) {}
    virtual ~MenuItem() = default;

    virtual int getId() const { return id; }
    virtual std::string getItemText() const { return itemText; }
    // The text of the current option; items without options have none.
    virtual std::string getOptionText() const { return std::string(); }
    virtual void prevOption(int pageId, bool wrap) = 0;
    virtual void select(int pageId, bool wrap) = 0;
    virtual void keypress(int pageId, unsigned char key) = 0;

private:
    std::string itemText;
    int id;
};
} // namespace Menu
