#include "runtime/number_reading.h"

#include <gtest/gtest.h>

#include <cfloat>

#include "runtime/failure.h"

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
        {u"1e 2", 100}, {u"0x10", 0}, {u"12abc", 12}, {u"&H10", 16}, {u"&h1f", 31},
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

}  // namespace
}  // namespace flg2scn
