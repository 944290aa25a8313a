#include <gtest/gtest.h>

#include <string>

#include "Devices/KeyboardStrings.h"

namespace
{
const Util::TwoWayMapping<unsigned char>& keys()
{
    return Devices::KeyboardStrings::instance().keyMapping();
}

const Util::TwoWayMapping<Devices::Keyboard::Modifiers>& mods()
{
    return Devices::KeyboardStrings::instance().modMapping();
}

struct NameToCode
{
    const char* name;
    int code;
};

TEST(KeyboardStrings, KeyNamesReadAsCodes)
{
    const NameToCode cases[] = {
        {"DQUOTE", 34},
        {"\"", 34},
        {"SPACE", 32},
        {" ", 32},
        {"ESC", 27},
        {"0x1b", 27},
        {"0x1B", 0},
        {"0", 48},
        {"a", 97},
        {"A", 65},
        {"~", 126},
        {"RETURN", 13},
        {"0xd", 13},
        {"LEFT", 4},
        {"0x4", 4},
        {"PAGE UP", 11},
        {"PAGE DN", 12},
        {"KP RET", 144},
        {"KP0", 128},
        {"KP9", 137},
        {"0x80", 128},
        {"KP/", 138},
        {"KP=", 143},
        {"0x90", 144},
        {"SHIFT", 1},
        {"0x1", 1},
        {"ALT", 2},
        {"0xc8", 200},
        {"0x7f", 127},
        {"return", 0},
        {"", 0},
        {"ENTER", 0},
        // Every named key, so that a wrong code in the named-key list shows.
        {"RIGHT", 5},
        {"UP", 6},
        {"DOWN", 7},
        {"HOME", 8},
        {"END", 9},
        {"INSERT", 10},
        {"KP1", 129},
        {"KP2", 130},
        {"KP3", 131},
        {"KP4", 132},
        {"KP5", 133},
        {"KP6", 134},
        {"KP7", 135},
        {"KP8", 136},
        {"KP*", 139},
        {"KP-", 140},
        {"KP+", 141},
        {"KP.", 142},
    };
    for (const NameToCode& c : cases)
        EXPECT_EQ(c.code, keys().getKey(c.name)) << "name '" << c.name << "'";
}

TEST(KeyboardStrings, EveryCodeHasItsOwnName)
{
    const struct
    {
        int code;
        const char* name;
    } cases[] = {
        {0, "0"},       {1, "SHIFT"},  {2, "ALT"},     {3, "0x3"},   {4, "LEFT"},     {12, "PAGE DN"},
        {13, "RETURN"}, {14, "0xe"},   {26, "0x1a"},   {27, "ESC"},  {28, "0x1c"},    {31, "0x1f"},
        {32, "SPACE"},  {33, "!"},     {34, "DQUOTE"}, {48, "0"},    {97, "a"},       {126, "~"},
        {127, "0x7f"},  {128, "KP0"},  {138, "KP/"},   {142, "KP."}, {144, "KP RET"}, {145, "0x91"},
        {200, "0xc8"},  {255, "0xff"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.name, keys().getName(static_cast<unsigned char>(c.code))) << "code " << c.code;
    for (int code = 0; code < 256; ++code)
        EXPECT_FALSE(keys().getName(static_cast<unsigned char>(code)).empty()) << "code " << code;
}

TEST(KeyboardStrings, ModifierCombinationsInOneOrderOnly)
{
    const NameToCode cases[] = {
        {"NONE", 0},      {"SHIFT", 1},          {"ALT", 2},
        {"ALT+SHIFT", 3}, {"CTRL", 4},           {"CTRL+SHIFT", 5},
        {"CTRL+ALT", 6},  {"CTRL+ALT+SHIFT", 7}, {"SHIFT+CTRL", 0xffff},
        {"ctrl", 0xffff}, {"", 0xffff},
    };
    for (const NameToCode& c : cases)
        EXPECT_EQ(c.code, mods().getKey(c.name)) << "name '" << c.name << "'";
    EXPECT_EQ("CTRL+ALT", mods().getName(static_cast<Devices::Keyboard::Modifiers>(6)));
    EXPECT_EQ("INVALID", mods().getName(static_cast<Devices::Keyboard::Modifiers>(8)));
}
} // namespace
