#pragma once

namespace RNG
{
// A seedable source of values between 0 and 1. Callers use the values in double precision, so
// implementations whose values carry more digits than a float keep them.
class I_Random
{
public:
    virtual ~I_Random() = default;

    // Restarts the sequence from one 32-bit seed.
    virtual void initialise(unsigned seed) = 0;
    // Restarts the sequence from count words; an implementation may change the words it is given.
    virtual void initialise(unsigned* seeds, int count) = 0;
    // The next value of the sequence.
    virtual double getFloat() = 0;

protected:
    I_Random() = default;
    I_Random(const I_Random&) = default;
    I_Random& operator=(const I_Random&) = default;

    // Set to 0 on construction; nothing reads it.
    int reserved = 0;
};
} // namespace RNG
