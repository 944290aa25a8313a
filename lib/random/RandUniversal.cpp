#include "random/RandUniversal.h"

#include <cstdint>

namespace RNG
{
namespace
{
std::uint32_t rotateLeft(std::uint32_t word, unsigned bits)
{
    bits %= 32;
    return bits == 0 ? word : (word << bits) | (word >> (32 - bits));
}
} // namespace

RandUniversal::RandUniversal()
{
    initialise(0u);
}

void RandUniversal::initialise(unsigned s)
{
    const std::uint32_t word = s;
    initialise(static_cast<int>(word % 31329u), static_cast<int>((word ^ (word >> 13)) % 31329u));
}

void RandUniversal::initialise(unsigned* seeds, int count)
{
    if (seeds == nullptr || count < 1)
    {
        initialise(0u);
        return;
    }
    if (count < 2)
    {
        initialise(seeds[0]);
        return;
    }
    for (int i = 2; i < count; ++i)
    {
        seeds[i % 2] ^= rotateLeft(seeds[i], static_cast<unsigned>(i));
    }
    if (count % 2 == 1)
    {
        seeds[0] ^= seeds[count - 1];
        seeds[1] ^= seeds[count - 1];
    }
    initialise(static_cast<int>(seeds[0] % 31329u), static_cast<int>(seeds[1] % 30082u));
}

void RandUniversal::initialise(int ij, int kl)
{
    int i = (ij / 177) % 177 + 2;
    int j = ij % 177 + 2;
    int k = (kl / 169) % 178 + 1;
    int l = kl % 169;
    for (int n = 1; n <= 97; ++n)
    {
        double s = 0.0;
        double t = 0.5;
        for (int bit = 0; bit < 24; ++bit)
        {
            const int m = (((i * j) % 179) * k) % 179;
            i = j;
            j = k;
            k = m;
            l = (53 * l + 1) % 169;
            if ((l * m) % 64 >= 32)
            {
                s += t;
            }
            t *= 0.5;
        }
        u[n] = s;
    }
    u[0] = 0.0;
    c = 362436.0 / 16777216.0;
    cd = 7654321.0 / 16777216.0;
    cm = 16777213.0 / 16777216.0;
    i97 = 97;
    j97 = 33;
}

double RandUniversal::getFloat()
{
    double uni = u[i97] - u[j97];
    if (uni < 0.0)
    {
        uni += 1.0;
    }
    u[i97] = uni;
    if (--i97 == 0)
    {
        i97 = 97;
    }
    if (--j97 == 0)
    {
        j97 = 97;
    }
    c -= cd;
    if (c < 0.0)
    {
        c += cm;
    }
    uni -= c;
    if (uni < 0.0)
    {
        uni += 1.0;
    }
    return uni;
}
} // namespace RNG
