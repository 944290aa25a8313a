#pragma once

#include "random/I_Random.h"

namespace RNG
{
// Marsaglia and Zaman's universal generator: a lagged Fibonacci sequence on 24-bit fractions (lags 97
// and 33) combined with an arithmetic sequence. Values lie in [0, 1) and are exact multiples of 2^-24.
class RandUniversal : public I_Random
{
public:
    // An unseeded generator runs the sequence of initialise(0u), so its values are defined.
    RandUniversal();

    // ij and kl set the table; s gives initialise(s mod 31329, (s xor (s >> 13)) mod 31329).
    void initialise(unsigned s) override;
    // Folds the words into two (changing seeds[0] and seeds[1]); no words (null or count below 1)
    // seed as initialise(0u).
    void initialise(unsigned* seeds, int count) override;
    void initialise(int ij, int kl);

    double getFloat() override;

private:
    double u[98]; // used from index 1 to 97
    double c;
    double cd;
    double cm;
    int i97;
    int j97;
};
} // namespace RNG
