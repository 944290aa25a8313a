#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "events/Event.h"
#include "events/EventBus.h"
#include "events/EventWithString.h"
#include "events/I_EventConsumer.h"

namespace
{
EVT::EventBus& bus()
{
    return EVT::EventBus::instance();
}

// Writes "name:type" (and ":text" for string events) into a shared log for every event it gets, then
// runs its action, which may raise, subscribe, unsubscribe or delete consumers, itself included.
class Probe : public EVT::I_EventConsumer
{
public:
    Probe(const std::string& n, std::vector<std::string>& l) : name(n), log(l) {}

    void handleEvent(EVT::I_Event* event) override
    {
        std::string entry = name + ":" + std::to_string(event->getType());
        if (const EVT::EventWithString* withText = EVT::eventAs<EVT::EventWithString>(event))
            entry += ":" + withText->getString();
        log.push_back(entry);
        // The action may delete this probe, so it runs from a copy.
        std::function<void(EVT::I_Event*)> run = action;
        if (run)
            run(event);
    }

    std::string name;
    std::vector<std::string>& log;
    std::function<void(EVT::I_Event*)> action;
};

// A string event that counts its live instances, so the bus's stored copies can be seen to go.
class CountedEvent : public EVT::EventWithString
{
public:
    CountedEvent(int type, const std::string& text) : EventWithString(type, text) { ++alive; }
    CountedEvent(const CountedEvent& other) : EventWithString(other) { ++alive; }
    ~CountedEvent() override { --alive; }
    EVT::I_Event* clone() const override { return new CountedEvent(*this); }
    static int alive;
};
int CountedEvent::alive = 0;

using Log = std::vector<std::string>;

// Each test uses event types of its own: the bus is process-wide and remembers every type it has seen.
class EventBusTest : public testing::Test
{
protected:
    Log log;
};

TEST_F(EventBusTest, consumersAreCalledInSubscriptionOrder)
{
    const int t = 100;
    Probe a("A", log), b("B", log);
    bus().addConsumer(t, &a);
    bus().addConsumer(t, &b);
    bus().addConsumer(t, &a); // a second subscription is not added
    bus().raiseEvent(t, false);
    EXPECT_EQ((Log{"A:100", "B:100"}), log);

    log.clear();
    bus().removeConsumer(t, &a);
    bus().addConsumer(t, &a);
    bus().raiseEvent(t, true); // queued outside any delivery: delivered at once
    EXPECT_EQ((Log{"B:100", "A:100"}), log);

    log.clear();
    bus().raiseEvent(t + 1, false); // no consumers: nothing happens
    bus().removeConsumer(t + 1, &a);
    EXPECT_TRUE(log.empty());
}

TEST_F(EventBusTest, raiseByTypeDeliversAPlainEvent)
{
    const int t = 110;
    Probe a("A", log), starter("S", log);
    int plainEvents = 0;
    a.action = [&](EVT::I_Event* e)
    {
        if (EVT::eventAs<EVT::Event>(e) != nullptr && e->getType() == t)
            ++plainEvents;
    };
    starter.action = [&](EVT::I_Event*) { bus().raiseEvent(t, true); };
    bus().addConsumer(t, &a);
    bus().addConsumer(t + 1, &starter);
    bus().raiseEvent(t, false);
    bus().raiseEvent(t + 1, false); // the stored copy is a plain event too
    EXPECT_EQ(2, plainEvents);
}

TEST_F(EventBusTest, aDirectRaiseInsideADeliveryCompletesBeforeTheNextConsumer)
{
    const int outer = 120, inner = 121;
    Probe a("A", log), b("B", log), c("C", log), d("D", log);
    a.action = [&](EVT::I_Event*) { bus().raiseEvent(inner, false); };
    bus().addConsumer(outer, &a);
    bus().addConsumer(outer, &b);
    bus().addConsumer(inner, &c);
    bus().addConsumer(inner, &d);
    bus().raiseEvent(outer, false);
    EXPECT_EQ((Log{"A:120", "C:121", "D:121", "B:120"}), log);
}

TEST_F(EventBusTest, queuedEventsFollowTheOutermostDeliveryInTheOrderRaised)
{
    const int outer = 130, inner = 131, queued = 132;
    Probe a("A", log), b("B", log), c("C", log), n("N", log);
    int copiesSeenAlive = 0;
    a.action = [&](EVT::I_Event*)
    {
        CountedEvent e1(queued, "1");
        bus().raiseEvent(&e1, true);
        bus().raiseEvent(inner, false);
    };
    n.action = [&](EVT::I_Event*)
    {
        // Queued from a nested delivery: it still waits for the outermost one.
        CountedEvent e2(queued, "2");
        bus().raiseEvent(&e2, true);
    };
    c.action = [&](EVT::I_Event*) { copiesSeenAlive = CountedEvent::alive; };
    bus().addConsumer(outer, &a);
    bus().addConsumer(outer, &b);
    bus().addConsumer(inner, &n);
    bus().addConsumer(queued, &c);

    CountedEvent e(outer, "outer");
    bus().raiseEvent(&e, false);
    EXPECT_EQ((Log{"A:130:outer", "N:131", "B:130:outer", "C:132:1", "C:132:2"}), log);
    // The last copy was alive while delivered (besides the caller's own event) and is gone afterwards.
    EXPECT_EQ(2, copiesSeenAlive);
    EXPECT_EQ(1, CountedEvent::alive);
}

TEST_F(EventBusTest, anEventQueuedWhileStoredCopiesAreDeliveredWaitsForTheNextOutermostRaise)
{
    const int first = 140, second = 141, third = 142, later = 143;
    Probe a("A", log), b("B", log), c("C", log), d("D", log);
    a.action = [&](EVT::I_Event*) { bus().raiseEvent(second, true); };
    b.action = [&](EVT::I_Event*)
    {
        CountedEvent e(third, "x");
        bus().raiseEvent(&e, true);
    };
    bus().addConsumer(first, &a);
    bus().addConsumer(second, &b);
    bus().addConsumer(third, &c);
    bus().addConsumer(later, &d);

    bus().raiseEvent(first, false);
    EXPECT_EQ((Log{"A:140", "B:141"}), log);
    EXPECT_EQ(1, CountedEvent::alive) << "the copy waits in the bus";

    bus().raiseEvent(later, false);
    EXPECT_EQ((Log{"A:140", "B:141", "D:143", "C:142:x"}), log);
    EXPECT_EQ(0, CountedEvent::alive);
}

TEST_F(EventBusTest, aConsumerAddedDuringADeliveryReceivesIt)
{
    const int t = 150;
    Probe a("A", log), late("L", log);
    a.action = [&](EVT::I_Event*) { bus().addConsumer(t, &late); };
    bus().addConsumer(t, &a);
    bus().raiseEvent(t, false);
    EXPECT_EQ((Log{"A:150", "L:150"}), log);
    bus().removeConsumer(t, &late);
}

TEST_F(EventBusTest, aConsumerRemovedDuringADeliveryIsNotCalledAgain)
{
    const int t = 160;
    Probe a("A", log), b("B", log), c("C", log);
    a.action = [&](EVT::I_Event*) { bus().removeConsumer(t, &b); };
    bus().addConsumer(t, &a);
    bus().addConsumer(t, &b);
    bus().addConsumer(t, &c);
    bus().raiseEvent(t, false);
    EXPECT_EQ((Log{"A:160", "C:160"}), log);

    log.clear();
    a.action = nullptr;
    bus().raiseEvent(t, false);
    EXPECT_EQ((Log{"A:160", "C:160"}), log);
}

TEST_F(EventBusTest, consumersDeletedDuringADeliveryAreNeverCalledAgain)
{
    const int t = 170, other = 171;
    Probe a("A", log), c("C", log);
    Probe* self = new Probe("S", log);
    Probe* victim = new Probe("V", log);
    self->action = [&](EVT::I_Event*) { delete self; };
    a.action = [&](EVT::I_Event*) { delete victim; };
    for (EVT::I_EventConsumer* p : std::vector<EVT::I_EventConsumer*>{self, &a, victim, &c})
    {
        bus().addConsumer(t, p);
        bus().addConsumer(other, p);
    }
    bus().raiseEvent(t, false);
    EXPECT_EQ((Log{"S:170", "A:170", "C:170"}), log);

    log.clear();
    a.action = nullptr;
    bus().raiseEvent(t, false);
    bus().raiseEvent(other, false);
    EXPECT_EQ((Log{"A:170", "C:170", "A:171", "C:171"}), log);
}

TEST_F(EventBusTest, aConsumerDeletedWhileStoredCopiesAreDeliveredIsSkippedByTheLaterCopies)
{
    const int start = 180, queued = 181, later = 182;
    Probe a("A", log), c("C", log), d("D", log);
    Probe* self = new Probe("S", log);
    a.action = [&](EVT::I_Event*)
    {
        bus().raiseEvent(queued, true);
        bus().raiseEvent(queued, true);
    };
    self->action = [&](EVT::I_Event*) { delete self; };
    bus().addConsumer(start, &a);
    bus().addConsumer(queued, self);
    bus().addConsumer(queued, &c);
    bus().addConsumer(later, &d);

    bus().raiseEvent(start, false);
    EXPECT_EQ((Log{"A:180", "S:181", "C:181", "C:181"}), log);

    log.clear();
    a.action = nullptr;
    bus().raiseEvent(later, false);
    bus().raiseEvent(queued, false);
    EXPECT_EQ((Log{"D:182", "C:181"}), log);
}

TEST_F(EventBusTest, removalsRequestedWhileStoredCopiesAreDeliveredWaitForTheNextOutermostRaise)
{
    const int start = 190, queued = 191;
    Probe a("A", log), b("B", log), c("C", log);
    a.action = [&](EVT::I_Event*)
    {
        bus().raiseEvent(queued, true);
        bus().raiseEvent(queued, true);
    };
    b.action = [&](EVT::I_Event*) { bus().removeConsumer(queued, &c); };
    bus().addConsumer(start, &a);
    bus().addConsumer(queued, &b);
    bus().addConsumer(queued, &c);
    bus().raiseEvent(start, false);
    EXPECT_EQ((Log{"A:190", "B:191", "B:191"}), log);

    log.clear();
    a.action = nullptr;
    b.action = nullptr;
    bus().raiseEvent(queued, false);
    EXPECT_EQ((Log{"B:191"}), log) << "skipped until the removal takes effect, then gone";
}

TEST_F(EventBusTest, unsubscribingAndSubscribingAgainWithinADeliveryKeepsThePlace)
{
    const int t = 200;
    Probe a("A", log), b("B", log), c("C", log);
    a.action = [&](EVT::I_Event*)
    {
        bus().removeConsumer(t, &c);
        bus().addConsumer(t, &c);
        bus().removeConsumer(t, &b);
        bus().removeConsumer(t, &b);
        bus().addConsumer(t, &b); // one subscription outweighs any number of earlier removals
    };
    bus().addConsumer(t, &a);
    bus().addConsumer(t, &b);
    bus().addConsumer(t, &c);
    bus().raiseEvent(t, false);
    EXPECT_EQ((Log{"A:200", "B:200", "C:200"}), log);

    log.clear();
    a.action = nullptr;
    bus().raiseEvent(t, false);
    EXPECT_EQ((Log{"A:200", "B:200", "C:200"}), log);
}

TEST_F(EventBusTest, subscribingAfterLeavingEveryTypeWithinADeliveryStaysSubscribed)
{
    const int t = 210, other = 211;
    Probe a("A", log), x("X", log);
    bus().addConsumer(other, &x); // x is not subscribed to t, which is a known type
    a.action = [&](EVT::I_Event*)
    {
        bus().removeConsumer(&x);
        bus().addConsumer(t, &x);
    };
    bus().addConsumer(t, &a);
    bus().raiseEvent(t, false);
    EXPECT_EQ((Log{"A:210", "X:210"}), log);

    log.clear();
    a.action = nullptr;
    bus().raiseEvent(t, false);
    bus().raiseEvent(other, false);
    EXPECT_EQ((Log{"A:210", "X:210"}), log) << "left 'other', kept the new subscription";
}

TEST_F(EventBusTest, aRemovalFromATypeNobodyHadSubscribedToDoesNotSilenceALaterSubscription)
{
    const int t = 220, fresh = 221;
    Probe a("A", log), x("X", log);
    a.action = [&](EVT::I_Event*) { bus().removeConsumer(fresh, &x); };
    bus().addConsumer(t, &a);
    bus().raiseEvent(t, false);

    log.clear();
    bus().addConsumer(fresh, &x);
    a.action = [&](EVT::I_Event*) { bus().raiseEvent(fresh, false); };
    bus().raiseEvent(t, false);
    bus().raiseEvent(fresh, false);
    EXPECT_EQ((Log{"A:220", "X:221", "X:221"}), log);
}

TEST_F(EventBusTest, aDestroyedConsumerLeavesEveryType)
{
    const int t = 230, other = 231;
    Probe a("A", log);
    {
        Probe gone("G", log);
        bus().addConsumer(t, &gone);
        bus().addConsumer(other, &gone);
        bus().addConsumer(t, &a);
    }
    bus().raiseEvent(t, false);
    bus().raiseEvent(other, false);
    EXPECT_EQ((Log{"A:230"}), log);
}
TEST_F(EventBusTest, aConsumerDeletedFromANestedDeliveryIsSkippedByTheOuterOne)
{
    const int outer = 240, inner = 241;
    Probe a("A", log), d("D", log), c("C", log);
    Probe* victim = new Probe("V", log);
    a.action = [&](EVT::I_Event*) { bus().raiseEvent(inner, false); };
    d.action = [&](EVT::I_Event*) { delete victim; };
    bus().addConsumer(outer, &a);
    bus().addConsumer(outer, victim);
    bus().addConsumer(outer, &c);
    bus().addConsumer(inner, &d);
    bus().raiseEvent(outer, false);
    EXPECT_EQ((Log{"A:240", "D:241", "C:240"}), log);
}

TEST_F(EventBusTest, aCopiedConsumerIsAConsumerOfItsOwn)
{
    const int t = 250;
    Probe a("A", log);
    bus().addConsumer(t, &a);
    {
        Probe copy(a);
        copy.name = "K";
        EXPECT_NE(a.id, copy.id);
        bus().raiseEvent(t, false); // the copy did not inherit the subscription
        bus().removeConsumer(t, &copy);
    } // nor does the copy take the original with it when it leaves or goes
    bus().raiseEvent(t, false);
    EXPECT_EQ((Log{"A:250", "A:250"}), log);
}

class QuietConsumer : public EVT::I_EventConsumer
{
public:
    void handleEvent(EVT::I_Event*) override {}
};

TEST(EventBusDeathTest, consumersDestroyedAtExitStillLeaveTheBus)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    // In a fresh process the consumer is built before the bus, so it is destroyed after anything built
    // later; its destructor must still find the bus (the sanitizer build reports any use after free).
    EXPECT_EXIT(
        {
            static QuietConsumer l_lastOne;
            bus().addConsumer(900, &l_lastOne);
            bus().raiseEvent(900, false);
            std::exit(0);
        },
        testing::ExitedWithCode(0), "");
}
} // namespace
