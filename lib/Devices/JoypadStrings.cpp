#include "Devices/JoypadStrings.h"

#include <string>

namespace Devices
{
JoypadStrings::JoypadStrings() : m_jpadMapping(static_cast<Joypad::JPadFlag>(0), "NONE")
{
    static const char* const l_bitNames[8] = {"UP", "DN", "LF", "RT", "B1", "B2", "B3", "B4"};
    for (int value = 1; value < 256; ++value)
    {
        // Bits from the lowest up, so each combination has exactly one spelling.
        std::string name;
        for (int bit = 0; bit < 8; ++bit)
            if (value & (1 << bit))
                name += std::string(l_bitNames[bit]) + "+";
        name.pop_back();
        m_jpadMapping.add(static_cast<Joypad::JPadFlag>(value), name);
    }
}
} // namespace Devices
