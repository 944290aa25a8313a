#pragma once

#include "util/HashedID.h"

namespace EVT
{
class I_Event;

// Receives the events of the types it subscribed to on the bus. The bus knows a consumer by its identity,
// never by its address, so a consumer destroyed during a delivery is never called again.
class I_EventConsumer : public virtual Util::HashedID<unsigned long>
{
public:
    // Leaves the bus for every type.
    virtual ~I_EventConsumer();

    // The event stays its raiser's (or the bus's); a consumer neither keeps nor deletes it.
    virtual void handleEvent(I_Event* event) = 0;
};
} // namespace EVT
