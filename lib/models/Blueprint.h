#pragma once

#include <string>
#include <utility>
#include <vector>

namespace ModelSys
{
// The entries of a model assembly: (entry name, parts text), the root first. Several entries may share
// a name; lookups take the first.
using BlueprintEntry = std::pair<std::string, std::string>;
using Blueprint = std::vector<BlueprintEntry>;
} // namespace ModelSys
