#include "conversion/build_scenario_text.h"

#include <gtest/gtest.h>

#include "support/harbour.h"

namespace flg2scn {
namespace {

FlagSet Flags(std::u16string header, FlagLocation blue, FlagLocation red) {
    return {std::move(header), 2, {std::move(blue), std::move(red), {}}};
}

// Line `n`, counted from 1, of a text whose lines end in CR LF.
std::u16string Line(const std::u16string& text, int n) {
    std::size_t start = 0;
    for (int i = 1; i < n; ++i) {
        start = text.find(u"\r\n", start) + 2;
    }
    return text.substr(start, text.find(u"\r\n", start) - start);
}

TEST(BuildScenarioText, TheHarbourAndAHeaderAsItIs) {
    EXPECT_EQ(
        BuildScenarioText(Flags(u"Harbour", {u"100", u"200", u"40"}, {u"1024", u"512", u"96"})),
        test::HarbourScenario());
    EXPECT_EQ(Line(BuildScenarioText(Flags(u" Harbour \"x\" \u00E9", {}, {})), 1),
              u"SCENARIO \" Harbour \"x\" \u00E9 (CTB)\"");
}

// The two target areas are spaced differently; the first corner is the texts as
// they stand, the second the numbers V(X) + 30, V(Y) + 30, V(Z) - 35.
TEST(BuildScenarioText, TargetAreas) {
    const FlagLocation zero{u"0", u"0", u"0"};
    const std::u16string model = u" ) MODEL \"models/objects/dmspot/tris.md2\"";
    // clang-format off
    const std::tuple<FlagLocation, std::u16string, std::u16string> samples[] = {
        {{u"12.5", u"-29.5", u"35"}, u"12.5 -29.5 35 ) ( 42.5  .5 0",
         u"12.5 -29.5 35 ) (  42.5 .5 0"},
        {{u"1e2", u"0x10", u"4 0"}, u"1e2 0x10 4 0 ) ( 130  30 5", u"1e2 0x10 4 0 ) (  130 30 5"},
        {{u"&H10", u"abc", u"007"}, u"&H10 abc 007 ) ( 46  30 -28", u"&H10 abc 007 ) (  46 30 -28"},
        {{u"-124", u"-35", u""}, u"-124 -35  ) ( -94  -5 -35", u"-124 -35  ) (  -94 -5 -35"},
        {{u"1e15", u"0.00001", u"-1e300"},
         u"1e15 0.00001 -1e300 ) ( 1.00000000000003E+15  30.00001 -1E+300",
         u"1e15 0.00001 -1e300 ) (  1.00000000000003E+15 30.00001 -1E+300"}};
    // clang-format on
    for (const auto& [location, blue, red] : samples) {
        EXPECT_EQ(Line(BuildScenarioText(Flags(u"H", location, zero)), 6),
                  std::u16string(u"  TARGET_AREA \"Blue Base\" ( ").append(blue).append(model));
        EXPECT_EQ(Line(BuildScenarioText(Flags(u"H", zero, location)), 7),
                  std::u16string(u"  TARGET_AREA \"Red Base\" ( ").append(red).append(model));
    }
}

}  // namespace
}  // namespace flg2scn
