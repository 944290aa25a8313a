#pragma once

#include <memory>
#include <string>

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
    // The trigger a configuration text names, "TYPE:value" (a key with an optional modifier before it,
    // a mouse button, a joypad flag or three); null when the text names none.
    std::unique_ptr<TriggerId> readTrigger(const std::string& text) const;

private:
    TriggerIdStrings();

    Util::TwoWayMapping<TriggerId::TriggerType> m_typeMapping;
};

// "TYPE:value", as triggers and actions are written: the type word before the first ":" and the value
// after it; without a ":" both are the whole text.
void splitTypeAndValue(const std::string& text, std::string& type, std::string& value);
} // namespace Input
