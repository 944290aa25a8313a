#include "events/EventBus.h"

#include <algorithm>

#include "events/Event.h"
#include "events/I_Event.h"
#include "events/I_EventConsumer.h"
#include "util/NonCopyable.h"

namespace Util
{
template <> EVT::EventBus& Singleton<EVT::EventBus>::instance()
{
    static EVT::EventBus* l_instance = new EVT::EventBus;
    return *l_instance;
}
} // namespace Util

namespace EVT
{
namespace
{
// Keeps the delivery depth right even if a consumer throws.
class DepthGuard : private Util::NonCopyable<DepthGuard>
{
public:
    explicit DepthGuard(int& d) : depth(d) { ++depth; }
    ~DepthGuard() { --depth; }

private:
    int& depth;
};

bool sameIdentity(const EventBus::Subscription& a, const EventBus::Subscription& b)
{
    return a.second == b.second;
}
} // namespace

EventBus::EventBus() : depth(0), incomingQueue(&queueA), outgoingQueue(&queueB) {}

EventBus::~EventBus() = default;

void EventBus::addConsumer(int type, I_EventConsumer* consumer)
{
    if (consumer == nullptr)
        return;
    knownTypes.insert(type);
    const Subscription subscription(consumer, consumer->id);
    SubscriptionList& list = consumers[type];
    if (findConsumer(subscription, list) == list.end())
        list.push_back(subscription);

    // Subscribing is the consumer's latest word on this type, so it outweighs every removal of it that is
    // still waiting, also one requested while it was not subscribed.
    std::map<int, SubscriptionList>::iterator pending = pendingRemovals.find(type);
    if (pending != pendingRemovals.end())
        pending->second.remove_if([&](const Subscription& s) { return sameIdentity(s, subscription); });
}

void EventBus::removeConsumer(int type, I_EventConsumer* consumer)
{
    if (consumer == nullptr)
        return;
    removeConsumer(type, Subscription(consumer, consumer->id));
}

void EventBus::removeConsumer(I_EventConsumer* consumer)
{
    if (consumer == nullptr)
        return;
    const Subscription subscription(consumer, consumer->id);
    for (int type : knownTypes)
        removeConsumer(type, subscription);
}

void EventBus::removeConsumer(int type, const Subscription& subscription)
{
    if (depth > 0)
    {
        pendingRemovals[type].push_back(subscription);
        return;
    }
    std::map<int, SubscriptionList>::iterator found = consumers.find(type);
    if (found == consumers.end())
        return;
    SubscriptionList::const_iterator pos = findConsumer(subscription, found->second);
    if (pos != found->second.end())
        found->second.erase(pos);
}

EventBus::SubscriptionList::const_iterator EventBus::findConsumer(const Subscription& subscription,
                                                                  const SubscriptionList& list) const
{
    return std::find_if(list.begin(), list.end(),
                        [&](const Subscription& s) { return sameIdentity(s, subscription); });
}

void EventBus::raiseEvent(int type, bool queue)
{
    Event event(type);
    raiseEvent(&event, queue);
}

void EventBus::raiseEvent(I_Event* event, bool queue)
{
    if (queue && depth > 0)
    {
        incomingQueue->push_back(std::unique_ptr<I_Event>(event->clone()));
        return;
    }

    processEvent(event);
    if (depth > 0)
        return;

    // The outermost raise: the removals requested meanwhile take effect, then the copies stored meanwhile
    // are delivered. Copies stored while those are delivered go to the other queue and wait for the next
    // outermost raise.
    applyPendingRemovals();
    std::swap(incomingQueue, outgoingQueue);
    for (std::unique_ptr<I_Event>& stored : *outgoingQueue)
    {
        processEvent(stored.get());
        stored.reset();
    }
    outgoingQueue->clear();
}

void EventBus::dump() const {}

void EventBus::processEvent(I_Event* event)
{
    const int type = event->getType();
    DepthGuard guard(depth);
    std::map<int, SubscriptionList>::iterator found = consumers.find(type);
    if (found == consumers.end())
        return;
    // Nothing is erased from the list while depth > 0, and the end is looked up anew after every call, so
    // consumers subscribed during a call are reached in this same delivery.
    SubscriptionList& list = found->second;
    for (SubscriptionList::iterator it = list.begin(); it != list.end(); ++it)
    {
        if (!isPendingRemoval(type, it->second))
            it->first->handleEvent(event);
    }
}

bool EventBus::isPendingRemoval(int type, unsigned long id) const
{
    std::map<int, SubscriptionList>::const_iterator pending = pendingRemovals.find(type);
    if (pending == pendingRemovals.end())
        return false;
    for (const Subscription& s : pending->second)
    {
        if (s.second == id)
            return true;
    }
    return false;
}

// Every type with a waiting removal is visited, also a type that nobody had subscribed to when the removal
// was asked for: a removal left behind would otherwise silence a later subscription to that type.
void EventBus::applyPendingRemovals()
{
    for (std::pair<const int, SubscriptionList>& pending : pendingRemovals)
    {
        std::map<int, SubscriptionList>::iterator found = consumers.find(pending.first);
        if (found == consumers.end())
            continue;
        for (const Subscription& s : pending.second)
        {
            SubscriptionList::const_iterator pos = findConsumer(s, found->second);
            if (pos != found->second.end())
                found->second.erase(pos);
        }
    }
    pendingRemovals.clear();
}
} // namespace EVT
