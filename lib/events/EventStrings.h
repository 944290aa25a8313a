#pragma once

#include <string>

#include "util/Singleton.h"
#include "util/TwoWayMapping.h"

namespace EVT
{
// The event type codes and their names, through which configuration files name events. An unknown name
// gives code 0, an unknown code "INVALID". The game adds its own codes from 30 on.
class EventStrings : public Util::Singleton<EventStrings>
{
public:
    EventStrings();
    virtual ~EventStrings();

    const Util::TwoWayMapping<int>& mapping() const { return table; }

    // Names the code and codes the name, overwriting what either held before.
    void add(int code, const std::string& name) { table.add(code, name); }

private:
    Util::TwoWayMapping<int> table;
};
} // namespace EVT
