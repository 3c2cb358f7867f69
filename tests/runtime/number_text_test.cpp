#include "runtime/number_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

#include "runtime/failure.h"

namespace flg2scn {
namespace {

TEST(NumberText, Samples) {
    // clang-format off
    const std::pair<double, std::u16string> samples[] = {
        {0, u" 0"}, {-0.0, u" 0"}, {130, u" 130"}, {42.5, u" 42.5"}, {0.5, u" .5"},
        {0.1 + 0.2, u" .3"}, {2.0 / 3, u" .666666666666667"}, {30.00012, u" 30.00012"},
        {0.0001, u" .0001"}, {0.00012345, u" .00012345"}, {1e-5, u" 1E-05"},
        {9.99999999997669e-05, u" 9.99999999997669E-05"}, {999999999999965, u" 999999999999965"},
        {999999999999999.5, u" 1E+15"}, {1.00000000000003e15, u" 1.00000000000003E+15"},
        {123456789012345678.0, u" 1.23456789012346E+17"}, {1e100, u" 1E+100"},
        {DBL_MAX, u" 1.79769313486232E+308"}, {4.9406564584124654e-324, u" 4.94065645841247E-324"},
        {100000, u" 100000"}, {-94, u" -94"}, {-0.5, u" -.5"}, {-1.5e-7, u" -1.5E-07"},
        {-2e20, u" -2E+20"}};
    // clang-format on
    for (const auto& [value, text] : samples) {
        EXPECT_EQ(NumberText(value), text) << value;
    }
    for (const double not_finite : {INFINITY, -INFINITY, NAN}) {
        EXPECT_THROW(NumberText(not_finite), RuntimeFailure);
    }
}

}  // namespace
}  // namespace flg2scn
