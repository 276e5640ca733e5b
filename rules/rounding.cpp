#include "rules/rounding.h"

#include <cmath>
#include <limits>

namespace vkt::rules {

Amount roundHalfEven(Amount x)
{
    if (!std::isfinite(x))
        return x;
    const Amount lower = std::floor(x);
    const Amount diff = x - lower; // exact: both lie within one binade step
    if (diff > 0.5L)
        return lower + 1;
    if (diff < 0.5L)
        return lower;
    // An exact half: the even neighbour.
    return std::fmod(lower, 2.0L) == 0 ? lower : lower + 1;
}

Amount twoPercent(Amount x) { return roundHalfEven(x * 0.02L); }
Amount fifthOf(Amount x) { return roundHalfEven(x * 0.2L); }
Amount fourFifthsOf(Amount x) { return roundHalfEven(x * 0.8L); }
Amount halfOf(Amount x) { return roundHalfEven(x * 0.5L); }

std::int64_t payableTax(std::int64_t n)
{
    if (n < 50)
        return 0;
    if (n <= 100)
        return 100;
    std::int64_t hundreds = n / 100;
    const std::int64_t rest = n % 100;
    if (rest > 50 || (rest == 50 && hundreds % 2 != 0))
        ++hundreds;
    return hundreds * 100; // cannot overflow: INT64_MAX ends in 07
}

std::int64_t payableBase(std::int64_t a, std::int64_t b, std::int64_t c)
{
    constexpr auto lo = std::numeric_limits<std::int64_t>::min();
    constexpr auto hi = std::numeric_limits<std::int64_t>::max();
    const __int128 n = __int128(a) - (__int128(b) + __int128(c));
    if (n < lo)
        return lo;
    if (n > hi)
        return hi;
    return std::int64_t(n);
}

} // namespace vkt::rules
