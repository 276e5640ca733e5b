#pragma once

#include "model/numeric.h"

#include <cstdint>

namespace vkt::rules {

// Nearest whole number, an exact half going to the even neighbour. Works on
// the full 64-bit significand and does not depend on the FPU rounding mode.
Amount roundHalfEven(Amount x);

// The products of rows 923 and sheet "E", formed at the working precision
// (the factors 0.02, 0.2 and 0.8 are the nearest long doubles, 0.5 is exact)
// and rounded half to even.
Amount twoPercent(Amount x);    // row 923: 922 x 0.02
Amount fifthOf(Amount x);       // sheet "E" part I: x 0.2
Amount fourFifthsOf(Amount x);  // sheet "E" part II: x 0.8
Amount halfOf(Amount x);        // sheet "E" part III: x 0.5

// Row 926 from n = T(923) - (T(924) + T(925)): 0 below 50, 100 from 50 to
// 100, above that the nearest multiple of 100 with an exact 50 going to the
// even count of hundreds.
std::int64_t payableTax(std::int64_t n);

// n of row 926 with saturation instead of overflow: a - (b + c).
std::int64_t payableBase(std::int64_t a, std::int64_t b, std::int64_t c);

} // namespace vkt::rules
