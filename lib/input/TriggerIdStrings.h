#pragma once

#include "input/TriggerId.h"
#include "util/Singleton.h"
#include "util/TwoWayMapping.h"

namespace Input
{
// The names of trigger types, as input configuration files write them before the ":".
class TriggerIdStrings : public Util::Singleton<TriggerIdStrings>
{
    friend class Util::Singleton<TriggerIdStrings>;

public:
    virtual ~TriggerIdStrings() = default;

    const Util::TwoWayMapping<TriggerId::TriggerType>& typeMapping() const { return m_typeMapping; }

private:
    TriggerIdStrings();

    Util::TwoWayMapping<TriggerId::TriggerType> m_typeMapping;
};
} // namespace Input
