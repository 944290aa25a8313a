#pragma once

#include "Devices/Joypad.h"
#include "util/Singleton.h"
#include "util/TwoWayMapping.h"

namespace Devices
{
// The names of joypad flag combinations, such as "UP+B1", as input configuration files write them.
class JoypadStrings : public Util::Singleton<JoypadStrings>
{
    friend class Util::Singleton<JoypadStrings>;

public:
    virtual ~JoypadStrings() = default;

    const Util::TwoWayMapping<Joypad::JPadFlag>& jpadMapping() const { return m_jpadMapping; }

private:
    JoypadStrings();

    Util::TwoWayMapping<Joypad::JPadFlag> m_jpadMapping;
};
} // namespace Devices
