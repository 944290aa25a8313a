#pragma once

namespace MatSys
{
class Material;
} // namespace MatSys

namespace Testing
{
// Distinct material addresses for code that only hands materials on and never looks inside them.
inline MatSys::Material* fakeMaterial(int slot)
{
    static char l_slots[16];
    return reinterpret_cast<MatSys::Material*>(&l_slots[slot]);
}
} // namespace Testing
