#include "conversion/build_scenario_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/failure.h"
#include "support/harbour.h"

namespace flg2scn {
namespace {

FlagSet Flags(FlagLocation blue, FlagLocation red, std::u16string header = u"H") {
    FlagSet flags;
    flags.header = std::move(header);
    flags.count = 2;
    flags.locations[0] = std::move(blue);
    flags.locations[1] = std::move(red);
    return flags;
}

std::vector<std::u16string> SplitLines(const std::u16string& text) {
    std::vector<std::u16string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find(u"\r\n", start)) != std::u16string::npos;
         start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    EXPECT_EQ(start, text.size()) << "the text does not end with CR LF";
    return lines;
}

TEST(BuildScenarioText, Harbour) {
    const FlagSet flags = Flags({u"100", u"200", u"40"}, {u"1024", u"512", u"96"}, u"Harbour");
    EXPECT_EQ(BuildScenarioText(flags), test::kHarbourScenario);
}

TEST(BuildScenarioText, HeaderGoesInUnchanged) {
    const auto lines = SplitLines(
        BuildScenarioText(Flags({u"1", u"2", u"3"}, {u"4", u"5", u"6"}, u" Harbour \"x\" \u00E9")));
    ASSERT_EQ(lines.size(), 31u);
    EXPECT_EQ(lines[0], u"SCENARIO \" Harbour \"x\" \u00E9 (CTB)\"");
}

TEST(BuildScenarioText, TargetAreas) {
    const std::u16string kBlue = u"  TARGET_AREA \"Blue Base\" ( ";
    const std::u16string kRed = u"  TARGET_AREA \"Red Base\" ( ";
    const std::u16string kModel = u" ) MODEL \"models/objects/dmspot/tris.md2\"";
    const struct {
        FlagLocation location;
        std::u16string blue_line;  // line 6, the location as slot 0
        std::u16string red_line;   // line 7, the location as slot 1
    } samples[] = {
        {{u"12.5", u"-29.5", u"35"},
         kBlue + u"12.5 -29.5 35 ) ( 42.5  .5 0" + kModel,
         kRed + u"12.5 -29.5 35 ) (  42.5 .5 0" + kModel},
        {{u"1e2", u"0x10", u"4 0"},
         kBlue + u"1e2 0x10 4 0 ) ( 130  30 5" + kModel,
         kRed + u"1e2 0x10 4 0 ) (  130 30 5" + kModel},
        {{u"&H10", u"abc", u"007"},
         kBlue + u"&H10 abc 007 ) ( 46  30 -28" + kModel,
         kRed + u"&H10 abc 007 ) (  46 30 -28" + kModel},
        {{u"-124", u"-35", u""},
         kBlue + u"-124 -35  ) ( -94  -5 -35" + kModel,
         kRed + u"-124 -35  ) (  -94 -5 -35" + kModel},
        {{u"1e15", u"0.00001", u"-1e300"},
         kBlue + u"1e15 0.00001 -1e300 ) ( 1.00000000000003E+15  30.00001 -1E+300" + kModel,
         kRed + u"1e15 0.00001 -1e300 ) (  1.00000000000003E+15 30.00001 -1E+300" + kModel},
    };
    const FlagLocation other{u"0", u"0", u"0"};
    for (const auto& sample : samples) {
        const auto as_blue = SplitLines(BuildScenarioText(Flags(sample.location, other)));
        const auto as_red = SplitLines(BuildScenarioText(Flags(other, sample.location)));
        ASSERT_EQ(as_blue.size(), 31u);
        ASSERT_EQ(as_red.size(), 31u);
        EXPECT_EQ(as_blue[5], sample.blue_line);
        EXPECT_EQ(as_red[6], sample.red_line);
    }
}

TEST(BuildScenarioText, ANumberTooLargeIsAFailure) {
    const FlagLocation fine{u"1", u"2", u"3"};
    EXPECT_THROW(BuildScenarioText(Flags({u"1e400", u"2", u"3"}, fine)), RuntimeFailure);
    EXPECT_THROW(BuildScenarioText(Flags(fine, {u"1", u"2", u"-1e999"})), RuntimeFailure);
}

}  // namespace
}  // namespace flg2scn
