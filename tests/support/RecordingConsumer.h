#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "events/EventBus.h"
#include "events/EventStrings.h"
#include "events/EventWithString.h"
#include "events/I_EventConsumer.h"
#include "util/NonCopyable.h"

namespace Testing
{
// Listens on the event bus to the types it is given and writes one line per event it receives, by
// default the type's name with ":text" for string events. A test that must see the order of these
// events among other calls hands it a shared log to write into.
class RecordingConsumer : public EVT::I_EventConsumer, private Util::NonCopyable<RecordingConsumer>
{
public:
    using Describe = std::function<std::string(EVT::I_Event&)>;

    explicit RecordingConsumer(const std::vector<int>& types, Describe describe = nameAndText)
        : log(ownLog), describe(std::move(describe))
    {
        listen(types);
    }

    RecordingConsumer(const std::vector<int>& types, std::vector<std::string>& log,
                      Describe describe = nameAndText)
        : log(log), describe(std::move(describe))
    {
        listen(types);
    }

    void handleEvent(EVT::I_Event* event) override
    {
        ++m_count;
        log.push_back(describe(*event));
    }

    // The lines written so far; take() also forgets them.
    const std::vector<std::string>& lines() const { return log; }
    std::vector<std::string> take()
    {
        std::vector<std::string> taken;
        taken.swap(log);
        return taken;
    }

    // Events received since construction, whatever was taken since.
    int count() const { return m_count; }

    static std::string nameAndText(EVT::I_Event& event)
    {
        std::string line = EVT::EventStrings::instance().mapping().getName(event.getType());
        if (const EVT::EventWithString* text = EVT::eventAs<EVT::EventWithString>(&event))
            line += ":" + text->getString();
        return line;
    }

private:
    void listen(const std::vector<int>& types)
    {
        for (int type : types)
            EVT::EventBus::instance().addConsumer(type, this);
    }

    std::vector<std::string> ownLog;
    std::vector<std::string>& log;
    Describe describe;
    int m_count = 0;
};
} // namespace Testing
