#include "input/TriggerIdStrings.h"

namespace Input
{
TriggerIdStrings::TriggerIdStrings() : m_typeMapping(TriggerId::UNDEF, "UNDEF")
{
    m_typeMapping.add(TriggerId::DWELL, "DWELL");
    m_typeMapping.add(TriggerId::ENTERLEAVE, "ENTERLEAVE");
    m_typeMapping.add(TriggerId::KEY, "KEY");
    m_typeMapping.add(TriggerId::MOUSE, "MOUSE");
    m_typeMapping.add(TriggerId::WHEEL_UP, "WHEEL_UP");
    m_typeMapping.add(TriggerId::WHEEL_DN, "WHEEL_DN");
    m_typeMapping.add(TriggerId::JPAD, "JPAD");
}
} // namespace Input
