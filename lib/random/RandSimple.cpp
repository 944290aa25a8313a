#include "random/RandSimple.h"

namespace RNG
{
RandSimple::RandSimple(unsigned s) : seed(s) {}

void RandSimple::initialise(unsigned s)
{
    seed = s;
}

void RandSimple::initialise(unsigned* seeds, int count)
{
    initialise((seeds == nullptr || count < 1) ? 0u : seeds[0]);
}

double RandSimple::getFloat()
{
    // Every product and sum wraps modulo 2^32, hence the fixed-width unsigned words.
    const std::uint32_t n = (seed << 13) ^ seed;
    const std::uint32_t v = (n * (n * n * 15731u + 789221u) + 1376312589u) & 0x7fffffffu;
    const double r = v / 2147483647.0;
    // r lies in [0, 1], so the product fits a 32-bit word before truncation.
    seed += static_cast<std::uint32_t>(r * 4294967295.0);
    return r;
}
} // namespace RNG
