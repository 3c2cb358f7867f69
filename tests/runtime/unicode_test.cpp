#include "runtime/unicode.h"

#include <gtest/gtest.h>

namespace flg2scn {
namespace {

// File names and system messages: valid text goes both ways unchanged; each unit
// or byte that does not convert becomes one U+FFFD.
TEST(Unicode, Utf8BothWays) {
    // clang-format off
    const std::pair<std::u16string, std::string> both_ways[] = {
        {u"", ""}, {u"a/b.flg", "a/b.flg"}, {u"\u007F\u0080", "\x7F\xC2\x80"},
        {u"\u07FF\u0800", "\xDF\xBF\xE0\xA0\x80"}, {u"\uFFFF", "\xEF\xBF\xBF"},
        {u"\U00010000\U0010FFFF", "\xF0\x90\x80\x80\xF4\x8F\xBF\xBF"}};
    // Lone surrogates.
    const std::pair<std::u16string, std::string> to_utf8[] = {
        {u"\xD800", "\xEF\xBF\xBD"}, {u"\xDC00\xD800", "\xEF\xBF\xBD\xEF\xBF\xBD"},
        {u"a\xD800", "a\xEF\xBF\xBD"}, {u"a\xDC00", "a\xEF\xBF\xBD"}};
    // Cut short, overlong, a surrogate, past U+10FFFF, no lead byte.
    const std::pair<std::string, std::u16string> from_utf8[] = {
        {"\x80", u"\uFFFD"}, {"\xC2", u"\uFFFD"}, {"\xC2x", u"\uFFFDx"},
        {"\xE2\x82", u"\uFFFD\uFFFD"},
        {"\xC0\x80", u"\uFFFD\uFFFD"}, {"\xE0\x80\x80", u"\uFFFD\uFFFD\uFFFD"},
        {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"}, {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},
        {"\xF8\x88", u"\uFFFD\uFFFD"}};
    // clang-format on
    for (const auto& [text, bytes] : both_ways) {
        EXPECT_EQ(ToUtf8(text), bytes);
        EXPECT_EQ(FromUtf8(bytes), text);
    }
    for (const auto& [text, bytes] : to_utf8) {
        EXPECT_EQ(ToUtf8(text), bytes);
    }
    for (const auto& [bytes, text] : from_utf8) {
        EXPECT_EQ(FromUtf8(bytes), text) << ::testing::PrintToString(bytes);
    }
}

}  // namespace
}  // namespace flg2scn
