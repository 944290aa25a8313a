#pragma once

#include <cstdint>

#include "random/I_Random.h"

namespace RNG
{
// A small integer-noise generator over one 32-bit word. Values lie in [0, 1], both ends included.
class RandSimple : public I_Random
{
public:
    explicit RandSimple(unsigned seed);

    void initialise(unsigned s) override;
    // Seeds from the first word; no words (null or count below 1) seed as initialise(0u).
    void initialise(unsigned* seeds, int count) override;

    double getFloat() override;

private:
    std::uint32_t seed;
};
} // namespace RNG
