#pragma once

#include <string>

#include "events/EventWithString.h"

namespace EVT
{
// Plays or stops the sound effect named by the text. Volume and pitch are percent of normal; 0 keeps the
// effect's configured value.
class Event_Sound : public EventWithString
{
public:
    Event_Sound(int eventType, const std::string& effect, bool playIt, int volumePercent, int pitchPercent)
        : EventWithString(eventType, effect), play(playIt), volume(volumePercent), pitch(pitchPercent)
    {
    }

    I_Event* clone() const override { return new Event_Sound(*this); }

    bool play;
    int volume;
    int pitch;
};
} // namespace EVT
