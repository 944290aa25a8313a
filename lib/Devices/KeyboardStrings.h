#pragma once

#include <string>

#include "Devices/Keyboard.h"
#include "util/Singleton.h"
#include "util/TwoWayMapping.h"

namespace Devices
{
// The names of modifier combinations and of every key code, as input configuration files write them.
class KeyboardStrings : public Util::Singleton<KeyboardStrings>
{
    friend class Util::Singleton<KeyboardStrings>;

public:
    virtual ~KeyboardStrings() = default;

    const Util::TwoWayMapping<Keyboard::Modifiers>& modMapping() const { return m_modMapping; }
    const Util::TwoWayMapping<unsigned char>& keyMapping() const { return m_keyMapping; }

private:
    KeyboardStrings();

    Util::TwoWayMapping<Keyboard::Modifiers> m_modMapping;
    Util::TwoWayMapping<unsigned char> m_keyMapping;
};
} // namespace Devices
