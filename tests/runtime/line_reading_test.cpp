#include "runtime/line_reading.h"

#include <gtest/gtest.h>

#include <string>

namespace flg2scn {
namespace {

TEST(LineReading, LineBreaks) {
    const struct {
        std::string bytes;
        std::u16string text;
    } samples[] = {
        {"", u""},
        {"a", u"a\r\n"},
        {"a\r\nb\r\n", u"a\r\nb\r\n"},
        {"a\r\nb", u"a\r\nb\r\n"},
        {"a\rb\r", u"a\r\nb\r\n"},
        {"a\rb", u"a\r\nb\r\n"},
        {"a\nb\n", u"a\nb\n\r\n"},
        {"\n", u"\n\r\n"},
        {"\r", u"\r\n"},
        {"\r\n", u"\r\n"},
        {"\r\r\n", u"\r\n\r\n"},
        {"\n\r", u"\n\r\n"},
        {"a\r\n\r\n", u"a\r\n\r\n"},
        {"\x80\xFF", u"\u20AC\u00FF\r\n"},
        {std::string("a\0b", 3), std::u16string(u"a\0b\r\n", 5)},
    };
    for (const auto& sample : samples) {
        EXPECT_EQ(DecodeLines(sample.bytes), sample.text) << sample.bytes;
    }
}

}  // namespace
}  // namespace flg2scn
