#pragma once

#include <cstdint>
#include <limits>

#include "vb6/failure.h"

namespace flg2scn {

// Visual Basic 6's 16-bit signed Integer: every conversion into it and every sum or
// difference of two of them fails on overflow instead of wrapping.
using Int16 = std::int16_t;

constexpr Int16 ToInt16(long long value) {
    if (value < std::numeric_limits<Int16>::min() || value > std::numeric_limits<Int16>::max()) {
        throw RuntimeFailure("overflow");
    }
    return static_cast<Int16>(value);
}

constexpr Int16 Add16(Int16 a, Int16 b) {
    return ToInt16(static_cast<long long>(a) + b);
}

constexpr Int16 Sub16(Int16 a, Int16 b) {
    return ToInt16(static_cast<long long>(a) - b);
}

}  // namespace flg2scn
