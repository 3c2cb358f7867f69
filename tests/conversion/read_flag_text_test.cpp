#include "conversion/read_flag_text.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "runtime/failure.h"

namespace flg2scn {
namespace {

// The lines, each followed by CR LF.
std::u16string Lines(std::initializer_list<std::u16string> lines) {
    std::u16string text;
    for (const auto& line : lines) {
        text += line + u"\r\n";
    }
    return text;
}

std::u16string Repeat(char16_t c, std::size_t n) {
    return std::u16string(n, c);
}

TEST(ReadFlagText, HeadersAndFlagLines) {
    const struct {
        std::u16string text;
        std::u16string header;
        Int16 count;
        FlagLocation first;
        FlagLocation second;
    } samples[] = {
        {Lines({u"#Harbour", u"<10 20 30>", u"<40 50 60>"}),
         u"Harbour",
         2,
         {u"10", u"20", u"30"},
         {u"40", u"50", u"60"}},
        {Lines({u"# Harbour"}), u" Harbour", 0, {}, {}},
        {Lines({u"#A", u"#B"}), u"B", 0, {}, {}},
        {Lines({u"#A", u"#"}), u"", 0, {}, {}},
        {Lines({u"<10 20 30 40>"}), u"", 1, {u"10", u"20", u"30 40"}, {}},
        {Lines({u"<10 20 30"}), u"", 1, {u"10", u"20", u"3"}, {}},
        {Lines({u"< 10 20 30>"}), u"", 1, {u"", u"10", u"20 30"}, {}},
        {Lines({u"<1  3>"}), u"", 1, {u"1", u"", u"3"}, {}},
        {Lines({u"<1 2 4 0>"}), u"", 1, {u"1", u"2", u"4 0"}, {}},
        {Lines({u"<1\t2 3 4>"}), u"", 1, {u"1\t2", u"3", u"4"}, {}},
        {Lines({u"", u" #A", u"\t<1 2 3>", u"x<1 2 3>", u"<1 2 3>"}),
         u"",
         1,
         {u"1", u"2", u"3"},
         {}},
        // A lone LF or CR is no line break.
        {Lines({u"#A\n<1 2 3>"}), u"A\n<1 2 3>", 0, {}, {}},
        {Lines({u"#A\r<1 2 3>"}), u"A\r<1 2 3>", 0, {}, {}},
        // The 16-bit limits: the blanks at 32765 and 32766 are the last that read.
        {Lines({u"<" + Repeat(u'a', 32763) + u"  3>"}),
         u"",
         1,
         {Repeat(u'a', 32763), u"", u"3"},
         {}},
        {Lines({u"<1 2 " + Repeat(u'z', 40000) + u">"}),
         u"",
         1,
         {u"1", u"2", Repeat(u'z', 40000)},
         {}},
        // A line after the last CR LF is not read; a text without CR LF is one line.
        {u"#A\r\n#B", u"A", 0, {}, {}},
        {u"#A", u"A", 0, {}, {}},
    };
    for (const auto& sample : samples) {
        const FlagSet flags = ReadFlagText(sample.text);
        EXPECT_EQ(flags.header, sample.header)
            << ::testing::PrintToString(sample.text.substr(0, 40));
        EXPECT_EQ(flags.count, sample.count) << ::testing::PrintToString(sample.text.substr(0, 40));
        EXPECT_EQ(flags.locations[0], sample.first)
            << ::testing::PrintToString(sample.text.substr(0, 40));
        EXPECT_EQ(flags.locations[1], sample.second)
            << ::testing::PrintToString(sample.text.substr(0, 40));
    }
}

TEST(ReadFlagText, MalformedFlagLinesFail) {
    const std::u16string failures[] = {
        Lines({u"<10>"}),
        Lines({u"<"}),
        Lines({u"<10 20>"}),
        Lines({u"<10 20 "}),
        Lines({u"#A", u"<1 2 3>", u"<1 2 3>", u"<1 2 3>", u"<1 2 3>"}),
        // Beyond the 16-bit limits: second blank at 32767, first at 32767, first past it.
        Lines({u"<" + Repeat(u'a', 32764) + u"  3>"}),
        Lines({u"<" + Repeat(u'a', 32765) + u" 2 3>"}),
        Lines({u"<" + Repeat(u'a', 40000) + u" 2 3>"}),
        Lines({u"<1 " + Repeat(u'a', 40000) + u" 3>"}),
    };
    for (const auto& text : failures) {
        EXPECT_THROW(ReadFlagText(text), RuntimeFailure)
            << ::testing::PrintToString(text.substr(0, 40));
    }
}

}  // namespace
}  // namespace flg2scn
