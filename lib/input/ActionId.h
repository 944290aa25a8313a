#pragma once

#include <string>

namespace Input
{
// What a switch does: raise the event type `id` carrying `text`. Id 0 is no action.
class ActionId
{
public:
    ActionId() : id(0) {}
    ActionId(int eventId, const std::string& eventText) : id(eventId), text(eventText) {}
    virtual ~ActionId() = default;

    ActionId(const ActionId&) = default;
    ActionId& operator=(const ActionId&) = default;

    virtual void set(int eventId, const std::string& eventText)
    {
        id = eventId;
        text = eventText;
    }
    virtual int getId() const { return id; }
    virtual const std::string& getString() const { return text; }

private:
    int id;
    std::string text;
};
} // namespace Input
