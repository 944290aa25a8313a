#pragma once

#include <string>

namespace Menu
{
// What a menu callback is told.
struct CallBackInfo
{
    int pageId;
    int itemId; // -1 when the page is left
    int value;  // 0 from an item's select, -1 when the page is left
    std::string text;
};
} // namespace Menu
