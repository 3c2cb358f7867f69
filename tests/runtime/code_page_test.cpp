#include "runtime/code_page.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace flg2scn {
namespace {

TEST(CodePage, EveryByteSurvivesARoundTrip) {
    std::string bytes;
    for (int b = 0; b < 256; ++b) {
        bytes.push_back(static_cast<char>(b));
    }
    const std::u16string text = DecodeText(bytes);
    EXPECT_EQ(std::set<char16_t>(text.begin(), text.end()).size(), 256u);
    EXPECT_EQ(EncodeText(text), bytes);
}

TEST(CodePage, Samples) {
    const struct {
        unsigned char byte;
        char16_t character;
    } samples[] = {
        {0x41, u'A'},      {0x80, u'\u20AC'}, {0x81, u'\u0081'}, {0x8D, u'\u008D'},
        {0x8F, u'\u008F'}, {0x90, u'\u0090'}, {0x92, u'\u2019'}, {0x9D, u'\u009D'},
        {0x9F, u'\u0178'}, {0xA0, u'\u00A0'}, {0xE9, u'\u00E9'}, {0xFF, u'\u00FF'},
    };
    for (const auto& sample : samples) {
        EXPECT_EQ(DecodeByte(sample.byte), sample.character) << int{sample.byte};
    }
}

TEST(CodePage, AnUnencodableCharacterIsFoundByLineAndColumn) {
    const struct {
        std::u16string text;
        std::size_t line;
        std::size_t column;
    } samples[] = {
        {u"\u4E2D", 1, 1},
        {u"ab\u0100", 1, 3},
        {u"ab\r\ncd\r\nx\u0152y\u0153\u2028", 3, 5},  // U+0152/U+0153 are in the code page
        {u"a\rb\nc\u20AD", 1, 6},                     // lone CR and LF do not end a line
        {u"\r\n\r\n\U0001F600", 3, 1},                // a surrogate pair
    };
    for (const auto& sample : samples) {
        try {
            EncodeText(sample.text);
            ADD_FAILURE() << "no failure for line " << sample.line;
        } catch (const UnencodableCharacter& error) {
            EXPECT_EQ(error.line, sample.line);
            EXPECT_EQ(error.column, sample.column);
        }
    }
}

}  // namespace
}  // namespace flg2scn
