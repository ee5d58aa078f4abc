#include "calculator/resultrounding.h"

#include "formula/numberformat.h"

#include <cfenv>
#include <cmath>
#include <cstdint>

namespace holvane::calculator {

std::string RoundedText(double value, int scale)
{
    const long double scaled = static_cast<long double>(value) * scale;
    // 2^63 is the first value a signed 64-bit integer cannot hold.
    constexpr long double kLimit = 9223372036854775808.0L;
    if (!std::isfinite(scaled) || scaled >= kLimit || scaled < -kLimit)
        throw formula::ArithmeticError("result beyond the 64-bit range");
    const int saved = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const long double rounded = std::nearbyint(scaled);
    std::fesetround(saved);
    if (rounded >= kLimit)
        throw formula::ArithmeticError("result beyond the 64-bit range");
    const auto n = static_cast<std::int64_t>(rounded);
    return formula::NumberToText(static_cast<double>(n) / scale);
}

} // namespace holvane::calculator
