#pragma once

namespace EVT
{
// Something that happened, told to every consumer of its type. The raiser owns the event; the bus
// delivers it at once or keeps a copy made by clone().
class I_Event
{
public:
    explicit I_Event(int eventType) : type(eventType) {}
    virtual ~I_Event() = default;

    // A new heap copy of the same class with all fields; the caller owns it.
    virtual I_Event* clone() const = 0;

    int getType() const { return type; }

private:
    int type;
};

// The class of an event cannot be told from its type: a configured input action arrives as a string event
// under whatever type the configuration names. Consumers read an event's fields only through this check,
// which answers null when the event is not of class E, and ignore such an event.
template <class E> E* eventAs(I_Event* event)
{
    return dynamic_cast<E*>(event);
}

template <class E> const E* eventAs(const I_Event* event)
{
    return dynamic_cast<const E*>(event);
}
} // namespace EVT
