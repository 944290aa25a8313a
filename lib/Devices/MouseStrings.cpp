#include "Devices/MouseStrings.h"

namespace Devices
{
MouseStrings::MouseStrings() : m_btnMapping(static_cast<Mouse::MouseButton>(0xffff), "INVALID")
{
    m_btnMapping.add(static_cast<Mouse::MouseButton>(0), "NONE");
    m_btnMapping.add(static_cast<Mouse::MouseButton>(1), "LMB");
    m_btnMapping.add(static_cast<Mouse::MouseButton>(2), "RMB");
    m_btnMapping.add(static_cast<Mouse::MouseButton>(4), "MMB");
    m_btnMapping.add(static_cast<Mouse::MouseButton>(3), "LMB+RMB");
    m_btnMapping.add(static_cast<Mouse::MouseButton>(5), "LMB+MMB");
    m_btnMapping.add(static_cast<Mouse::MouseButton>(6), "RMB+MMB");
    m_btnMapping.add(static_cast<Mouse::MouseButton>(7), "LMB+RMB+MMB");
}
} // namespace Devices
