#include "conversion/flag_reader.h"

#include <gtest/gtest.h>

#include "vb6/failure.h"

namespace flg2scn {
namespace {

TEST(ReadFlagText, HeadersAndFlagLines) {
    const std::u16string a(32763, u'a');
    const std::u16string z(40000, u'z');
    const FlagLocation none;
    // A lone LF or CR is no line break; the blanks at 32765 and 32766 are the last
    // that read; a line after the last CR LF is not read, and a text without any
    // CR LF is one line.
    // clang-format off
    using Sample = std::tuple<std::u16string, std::u16string, Int16, FlagLocation, FlagLocation>;
    const Sample samples[] = {
        {u"#Harbour\r\n<10 20 30>\r\n<40 50 60>\r\n", u"Harbour", 2, {u"10", u"20", u"30"},
         {u"40", u"50", u"60"}},
        {u"# Harbour\r\n", u" Harbour", 0, none, none}, {u"#A\r\n#B\r\n", u"B", 0, none, none},
        {u"#A\r\n#\r\n", u"", 0, none, none},
        {u"<10 20 30 40>\r\n", u"", 1, {u"10", u"20", u"30 40"}, none},
        {u"<10 20 30\r\n", u"", 1, {u"10", u"20", u"3"}, none},
        {u"< 10 20 30>\r\n", u"", 1, {u"", u"10", u"20 30"}, none},
        {u"<1  3>\r\n", u"", 1, {u"1", u"", u"3"}, none},
        {u"<1\t2 3 4>\r\n", u"", 1, {u"1\t2", u"3", u"4"}, none},
        {u"\r\n #A\r\n\t<1 2 3>\r\nx<1 2 3>\r\n<1 2 3>\r\n", u"", 1, {u"1", u"2", u"3"}, none},
        {u"#A\n<1 2 3>\r\n", u"A\n<1 2 3>", 0, none, none},
        {u"#A\r<1 2 3>\r\n", u"A\r<1 2 3>", 0, none, none},
        {u"<" + a + u"  3>\r\n", u"", 1, {a, u"", u"3"}, none},
        {u"<1 2 " + z + u">\r\n", u"", 1, {u"1", u"2", z}, none},
        {u"#A\r\n#B", u"A", 0, none, none}, {u"#A", u"A", 0, none, none}};
    // clang-format on
    for (const auto& [text, header, count, first, second] : samples) {
        const FlagSet flags = ReadFlagText(text);
        const std::string start = ::testing::PrintToString(text.substr(0, 40));
        EXPECT_EQ(flags.header, header) << start;
        EXPECT_EQ(flags.count, count) << start;
        EXPECT_TRUE(flags.locations[0] == first && flags.locations[1] == second) << start;
    }
}

// No blank, one blank, nothing after the second, a fourth flag line; the 16-bit
// limits: a second blank at 32767, a first at 32767, a first or second past it.
TEST(ReadFlagText, MalformedFlagLinesFail) {
    const std::u16string a(32764, u'a');
    // clang-format off
    const std::u16string failures[] = {
        u"<10>\r\n", u"<\r\n", u"<10 20>\r\n", u"<10 20 \r\n",
        u"#A\r\n<1 2 3>\r\n<1 2 3>\r\n<1 2 3>\r\n<1 2 3>\r\n", u"<" + a + u"  3>\r\n",
        u"<a" + a + u" 2 3>\r\n", u"<" + a + a + u" 2 3>\r\n", u"<1 " + a + a + u" 3>\r\n"};
    // clang-format on
    for (const auto& text : failures) {
        EXPECT_THROW(ReadFlagText(text), RuntimeFailure)
            << ::testing::PrintToString(text.substr(0, 40));
    }
}

}  // namespace
}  // namespace flg2scn
