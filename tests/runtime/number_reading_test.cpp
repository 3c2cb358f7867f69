#include "runtime/number_reading.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <string>

#include "runtime/failure.h"

namespace flg2scn {
namespace {

TEST(NumberReading, Samples) {
    const struct {
        std::u16string text;
        double value;
    } samples[] = {
        {u"", 0},
        {u"abc", 0},
        {u"42", 42},
        {u"12.5", 12.5},
        {u"-29.5", -29.5},
        {u"+5", 5},
        {u"007", 7},
        {u"4 0", 40},
        {u"1 2 3", 123},
        {u" \t\n-\t7 .\n5", -7.5},
        {u"1.2.3", 1.2},
        {u".", 0},
        {u"-.", 0},
        {u"5.", 5},
        {u".25", 0.25},
        {u"--5", 0},
        {u"5-3", 5},
        {u"1e2", 100},
        {u"1E2", 100},
        {u"1D2", 100},
        {u"1d-2", 0.01},
        {u"2e-3", 0.002},
        {u"3e", 3},
        {u"4e+", 4},
        {u"4e+x7", 4},
        {u"1e 2", 100},
        {u"0x10", 0},
        {u"12abc", 12},
        {u"&H10", 16},
        {u"&h1f", 31},
        {u"&HFFFF", 65535},
        {u"&HFFFFFFFFFFFF", 281474976710655},
        {u"&O17", 15},
        {u"&o78", 7},
        {u"&H", 0},
        {u"&", 0},
        {u"&X1", 0},
        {u"1e-400", 0},
        {u"0e99999", 0},
        {u"0.000000000000000000001", 1e-21},
        {u"1.7976931348623157e308", DBL_MAX},
        {u"4.9406564584124654e-324", 4.9406564584124654e-324},
        {u"123456789012345678901234567890", 1.2345678901234568e29},
        {u"\u0661", 0},  // only ASCII digits count
    };
    for (const auto& sample : samples) {
        EXPECT_EQ(ReadNumber(sample.text), sample.value)
            << std::string(sample.text.begin(), sample.text.end());
    }
}

TEST(NumberReading, TooLargeForADoubleIsAFailure) {
    const std::u16string too_large[] = {
        u"1e400",
        u"-1e400",
        u"1.8e308",
        u"1e99999999999999999999",
        u"1" + std::u16string(400, u'0'),
        u"&H" + std::u16string(300, u'F'),
    };
    for (const auto& text : too_large) {
        EXPECT_THROW(ReadNumber(text), RuntimeFailure) << text.size();
    }
    // Long texts that are no overflow.
    EXPECT_EQ(ReadNumber(u"." + std::u16string(500, u'0') + u"1"), 0);
    EXPECT_EQ(ReadNumber(u"1" + std::u16string(300, u'0') + u"e-300"), 1);
}

}  // namespace
}  // namespace flg2scn
