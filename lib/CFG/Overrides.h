#pragma once

#include "CFG/Info.h"

namespace CFG
{
// The process-wide override store: the settings file, command-line overrides and values pinned at
// start-up. Every configuration store of the process asks it first. Built before the global store
// and destroyed after it.
Info* getDefaultOverrides();
} // namespace CFG
