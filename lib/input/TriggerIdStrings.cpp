#include "input/TriggerIdStrings.h"

#include <vector>

#include "Devices/JoypadStrings.h"
#include "Devices/KeyboardStrings.h"
#include "Devices/MouseStrings.h"
#include "util/StringUtil.h"

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

std::unique_ptr<TriggerId> TriggerIdStrings::readTrigger(const std::string& text) const
{
    std::string typeWord;
    std::string value;
    splitTypeAndValue(text, typeWord, value);
    value = Util::trim(value, Util::BLANKS);
    std::vector<std::string> words;
    Util::splitString(value, " ", words, false, true);

    const TriggerId::TriggerType type = m_typeMapping.getKey(typeWord);
    switch (type)
    {
    case TriggerId::KEY:
    {
        const Devices::KeyboardStrings& names = Devices::KeyboardStrings::instance();
        if (words.size() == 1 || words.size() == 2)
        {
            const unsigned char key = names.keyMapping().getKey(words.back());
            if (key == 0)
                return nullptr;
            const int mods = words.size() == 2 ? names.modMapping().getKey(words.front()) : 0;
            return std::unique_ptr<TriggerId>(new TriggerId(key, mods));
        }
        return nullptr;
    }
    case TriggerId::MOUSE:
        return std::unique_ptr<TriggerId>(
            new TriggerId(Devices::MouseStrings::instance().btnMapping().getKey(value)));
    case TriggerId::WHEEL_UP:
    case TriggerId::WHEEL_DN:
    case TriggerId::DWELL:
    case TriggerId::ENTERLEAVE:
        return std::unique_ptr<TriggerId>(new TriggerId(type));
    case TriggerId::JPAD:
    {
        const Util::TwoWayMapping<Devices::Joypad::JPadFlag>& flags =
            Devices::JoypadStrings::instance().jpadMapping();
        if (words.size() == 1)
            return std::unique_ptr<TriggerId>(new TriggerId(flags.getKey(words[0]), 0, 0));
        if (words.size() == 3)
            return std::unique_ptr<TriggerId>(
                new TriggerId(flags.getKey(words[0]), flags.getKey(words[1]), flags.getKey(words[2])));
        return nullptr;
    }
    default:
        return nullptr;
    }
}

void splitTypeAndValue(const std::string& text, std::string& type, std::string& value)
{
    const std::string::size_type colon = text.find(':');
    if (colon == std::string::npos)
    {
        type = text;
        value = text;
        return;
    }
    type = text.substr(0, colon);
    value = text.substr(colon + 1);
}
} // namespace Input
