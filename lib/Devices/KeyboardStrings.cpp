#include "Devices/KeyboardStrings.h"

#include "util/StringUtil.h"

namespace Devices
{
namespace
{
struct NamedKey
{
    const char* name;
    unsigned char code;
};

// Added after the generic names, so these become the codes' own names while the character and
// hexadecimal texts still read as the same codes.
const NamedKey s_namedKeys[] = {
    {"DQUOTE", Keyboard::KEY_DQUOTE},   {"SPACE", Keyboard::KEY_SPACE},
    {"SHIFT", Keyboard::KEY_SHIFT},     {"ALT", Keyboard::KEY_ALT},
    {"LEFT", Keyboard::KEY_LEFT},       {"RIGHT", Keyboard::KEY_RIGHT},
    {"UP", Keyboard::KEY_UP},           {"DOWN", Keyboard::KEY_DOWN},
    {"HOME", Keyboard::KEY_HOME},       {"END", Keyboard::KEY_END},
    {"INSERT", Keyboard::KEY_INSERT},   {"PAGE UP", Keyboard::KEY_PAGE_UP},
    {"PAGE DN", Keyboard::KEY_PAGE_DN}, {"ESC", Keyboard::KEY_ESC},
    {"RETURN", Keyboard::KEY_RETURN},   {"KP0", Keyboard::KEY_KP0},
    {"KP1", Keyboard::KEY_KP1},         {"KP2", Keyboard::KEY_KP2},
    {"KP3", Keyboard::KEY_KP3},         {"KP4", Keyboard::KEY_KP4},
    {"KP5", Keyboard::KEY_KP5},         {"KP6", Keyboard::KEY_KP6},
    {"KP7", Keyboard::KEY_KP7},         {"KP8", Keyboard::KEY_KP8},
    {"KP9", Keyboard::KEY_KP9},         {"KP/", Keyboard::KEY_KP_DIVIDE},
    {"KP*", Keyboard::KEY_KP_MULTIPLY}, {"KP-", Keyboard::KEY_KP_MINUS},
    {"KP+", Keyboard::KEY_KP_PLUS},     {"KP.", Keyboard::KEY_KP_POINT},
    {"KP=", Keyboard::KEY_KP_EQUALS},   {"KP RET", Keyboard::KEY_KP_RETURN},
};
} // namespace

KeyboardStrings::KeyboardStrings()
    : m_modMapping(static_cast<Keyboard::Modifiers>(0xffff), "INVALID"), m_keyMapping(0, "")
{
    m_modMapping.add(static_cast<Keyboard::Modifiers>(0), "NONE");
    m_modMapping.add(static_cast<Keyboard::Modifiers>(2), "ALT");
    m_modMapping.add(static_cast<Keyboard::Modifiers>(4), "CTRL");
    m_modMapping.add(static_cast<Keyboard::Modifiers>(1), "SHIFT");
    m_modMapping.add(static_cast<Keyboard::Modifiers>(3), "ALT+SHIFT");
    m_modMapping.add(static_cast<Keyboard::Modifiers>(5), "CTRL+SHIFT");
    m_modMapping.add(static_cast<Keyboard::Modifiers>(6), "CTRL+ALT");
    m_modMapping.add(static_cast<Keyboard::Modifiers>(7), "CTRL+ALT+SHIFT");

    for (int c = 0; c < 256; ++c)
    {
        // Only 7-bit printable characters count, whatever the locale says about the upper half.
        const bool printable = c >= 32 && c <= 126;
        const std::string name =
            printable ? std::string(1, static_cast<char>(c)) : Util::numToStr<int>(c, 16, 0);
        m_keyMapping.add(static_cast<unsigned char>(c), name);
    }
    for (const NamedKey& key : s_namedKeys)
        m_keyMapping.add(key.code, key.name);
}
} // namespace Devices
