#include "CFG/Overrides.h"

namespace CFG
{
Info* getDefaultOverrides()
{
    // Built on first use, so it exists before any store that refers to it is built, and is destroyed
    // after every such static store, whatever order the linker puts the sources in.
    static Info l_overrides(nullptr);
    return &l_overrides;
}
} // namespace CFG
