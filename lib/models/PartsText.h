#pragma once

#include <string>
#include <vector>

#include "maths/Vector3.h"

namespace ModelSys
{
// One item of a parts text: a name, optionally followed by ":" and an offset.
struct PartsItem
{
    std::string name;
    // Set when the item gives a usable offset; offset then holds it.
    bool hasOffset = false;
    MathStuff::Vector3<float> offset;
};

// Reads a parts text, the children of an assembly entry. Items are separated by blanks, tabs, line
// breaks and commas; an item is a name, optionally followed by ":" and an offset that runs to the next
// blank (its numbers separated by commas). "wall, door, roof", "wall , door , roof" and
// "wall door roof" all name wall, door and roof; "door:2,0" is door at (2, 0, 0).
// An offset of two numbers x,y is (x, y, 0), of three (x, y, z), anything else (0, 0, 0); an empty
// offset, or one holding another ":", gives none. An item without a name is skipped.
void readPartsText(const std::string& text, std::vector<PartsItem>& items);
} // namespace ModelSys
