#pragma once

#include "Devices/Mouse.h"
#include "util/Singleton.h"
#include "util/TwoWayMapping.h"

namespace Devices
{
// The names of mouse-button combinations, as input configuration files write them.
class MouseStrings : public Util::Singleton<MouseStrings>
{
    friend class Util::Singleton<MouseStrings>;

public:
    virtual ~MouseStrings() = default;

    const Util::TwoWayMapping<Mouse::MouseButton>& btnMapping() const { return m_btnMapping; }

private:
    MouseStrings();

    Util::TwoWayMapping<Mouse::MouseButton> m_btnMapping;
};
} // namespace Devices
