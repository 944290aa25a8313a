#pragma once

#include <list>
#include <map>
#include <memory>
#include <set>
#include <utility>
#include <vector>

#include "util/Singleton.h"

namespace EVT
{
class I_Event;
class I_EventConsumer;

// The process-wide channel between subsystems. Consumers subscribe by event type and are called in the
// order they subscribed. An event is delivered at once, or, when raised as queued during a delivery, as a
// copy after the outermost delivery has finished, in the order raised. Consumers may raise, subscribe,
// unsubscribe and be destroyed while a delivery runs: removals wait until the outermost raise is done,
// and a consumer whose removal waits is not called again.
class EventBus : public Util::Singleton<EventBus>
{
public:
    // A subscriber and its identity; only the identity is ever compared.
    using Subscription = std::pair<I_EventConsumer*, unsigned long>;
    using SubscriptionList = std::list<Subscription>;

    virtual ~EventBus();

    virtual void addConsumer(int type, I_EventConsumer* consumer);
    virtual void removeConsumer(int type, I_EventConsumer* consumer);
    // From every type that anybody ever subscribed to.
    virtual void removeConsumer(I_EventConsumer* consumer);
    // Raises an EVT::Event of that type.
    virtual void raiseEvent(int type, bool queue);
    // The event stays the caller's; a queued one is copied.
    virtual void raiseEvent(I_Event* event, bool queue);
    virtual void dump() const;

protected:
    virtual void processEvent(I_Event* event);
    virtual SubscriptionList::const_iterator findConsumer(const Subscription& subscription,
                                                          const SubscriptionList& list) const;
    virtual void removeConsumer(int type, const Subscription& subscription);

private:
    friend class Util::Singleton<EventBus>;
    EventBus();

    bool isPendingRemoval(int type, unsigned long id) const;
    void applyPendingRemovals();

    using EventQueue = std::vector<std::unique_ptr<I_Event>>;

    int depth;
    EventQueue queueA;
    EventQueue queueB;
    EventQueue* incomingQueue;
    EventQueue* outgoingQueue;
    std::map<int, SubscriptionList> consumers;
    std::map<int, SubscriptionList> pendingRemovals;
    std::set<int> knownTypes;
};
} // namespace EVT

namespace Util
{
// The bus is never destroyed: consumers that live until the very end of the process (statics among them)
// still leave it from their destructors.
template <> EVT::EventBus& Singleton<EVT::EventBus>::instance();
} // namespace Util
