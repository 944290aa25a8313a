#pragma once

#include <string>

#include "CFG/Info.h"
#include "CFG/InfoParser.h"
#include "CFG/Overrides.h"

namespace CFG
{
// The global configuration: the main configuration file with its companions and any further file,
// read over the process-wide override store.

// Empties the global store (the overrides stay) and loads file into it.
bool setConfig(const std::string& file);
// Adds file and its companions over what the global store holds.
bool addConfig(const std::string& file);
// The global store's resolved value of key, overrides first; "" when absent.
std::string get(const std::string& key);
Info* global();
// The number reader of the global store; always the same one.
InfoParser* parser();
} // namespace CFG
