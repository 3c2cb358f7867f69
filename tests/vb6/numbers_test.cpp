#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

#include "vb6/failure.h"
#include "vb6/number_reading.h"
#include "vb6/number_text.h"

namespace flg2scn {
namespace {

TEST(NumberReading, Samples) {
    const std::u16string zeros(500, u'0');
    // clang-format off
    const std::pair<std::u16string, double> samples[] = {
        {u"", 0}, {u"abc", 0}, {u"42", 42}, {u"12.5", 12.5}, {u"-29.5", -29.5}, {u"+5", 5},
        {u"007", 7}, {u"4 0", 40}, {u" \t\n-\t7 .\n5", -7.5}, {u"1.2.3", 1.2}, {u".", 0},
        {u"-.", 0}, {u"5.", 5}, {u".25", 0.25}, {u"--5", 0}, {u"5-3", 5}, {u"1e2", 100},
        {u"1E2", 100}, {u"1D2", 100}, {u"1d-2", 0.01}, {u"3e", 3}, {u"4e+", 4}, {u"4e+x7", 4},
        {u"1e 2", 100}, {u"0x10", 0}, {u"12abc", 12}, {u"&H10", 16}, {u"&h1f", 31}, {u"&H1@", 1},
        {u"&Ha", 10}, {u"&HA", 10},
        {u"&HFFFFFFFFFFFF", 281474976710655}, {u"&O17", 15}, {u"&o78", 7}, {u"&H", 0}, {u"&", 0},
        {u"&X1", 0}, {u"1e-400", 0}, {u"0e99999", 0}, {u"0.000000000000000000001", 1e-21},
        {u"1.7976931348623157e308", DBL_MAX}, {u"4.9406564584124654e-324", 4.9406564584124654e-324},
        {u"123456789012345678901234567890", 1.2345678901234568e29}, {u"." + zeros + u"1", 0},
        {u"1" + zeros.substr(200) + u"e-300", 1}, {u"\u0661", 0}};  // only ASCII digits count
    const std::u16string too_large[] = {u"1e400", u"-1e400", u"1.8e308", u"1e99999999999999999999",
                                        u"1" + zeros, u"&H" + std::u16string(300, u'F')};
    // clang-format on
    for (const auto& [text, value] : samples) {
        EXPECT_EQ(ReadNumber(text), value) << ::testing::PrintToString(text);
    }
    for (const auto& text : too_large) {
        EXPECT_THROW(ReadNumber(text), RuntimeFailure) << text.size();
    }
}

TEST(NumberText, Samples) {
    // clang-format off
    const std::pair<double, std::u16string> samples[] = {
        {0, u" 0"}, {-0.0, u" 0"}, {130, u" 130"}, {42.5, u" 42.5"}, {0.5, u" .5"},
        {0.1 + 0.2, u" .3"}, {2.0 / 3, u" .666666666666667"}, {30.00012, u" 30.00012"},
        {0.0001, u" .0001"}, {0.00012345, u" .00012345"}, {1e-5, u" 1E-05"}, {1e-10, u" 1E-10"},
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
