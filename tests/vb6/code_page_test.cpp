#include "vb6/code_page.h"

#include <gtest/gtest.h>

#include <set>

namespace flg2scn {
namespace {

TEST(CodePage, EveryByteIsOneCharacterAndBack) {
    std::string bytes;
    for (int b = 0; b < 256; ++b) {
        bytes.push_back(static_cast<char>(b));
    }
    const std::u16string text = DecodeText(bytes);
    EXPECT_EQ(std::set<char16_t>(text.begin(), text.end()).size(), 256u);
    EXPECT_EQ(EncodeText(text), bytes);
    // clang-format off
    const char16_t samples[][2] = {
        {0x41, u'A'}, {0x80, u'\u20AC'}, {0x81, u'\u0081'}, {0x8D, u'\u008D'}, {0x8F, u'\u008F'},
        {0x90, u'\u0090'}, {0x92, u'\u2019'}, {0x9D, u'\u009D'}, {0x9F, u'\u0178'},
        {0xFF, u'\u00FF'}};
    // clang-format on
    for (const auto& [byte, character] : samples) {
        EXPECT_EQ(DecodeByte(static_cast<unsigned char>(byte)), character) << int{byte};
    }
}

// Lines end at CR LF; a lone CR or LF does not end one; columns count UTF-16 units.
TEST(CodePage, AnUnencodableCharacterIsFoundByLineAndColumn) {
    // clang-format off
    const std::tuple<std::u16string, std::size_t, std::size_t> samples[] = {
        {u"\u4E2D", 1, 1}, {u"\u0080", 1, 1}, {u"ab\u0100", 1, 3},
        {u"ab\r\ncd\r\nx\u0152y\u0153\u2028", 3, 5}, {u"a\rb\nc\u20AD", 1, 6},
        {u"\r\n\r\n\U0001F600", 3, 1}};
    // clang-format on
    for (const auto& [text, line, column] : samples) {
        try {
            EncodeText(text);
            ADD_FAILURE() << "no failure for line " << line;
        } catch (const UnencodableCharacter& error) {
            EXPECT_EQ(std::pair(error.line, error.column), std::pair(line, column));
        }
    }
}

}  // namespace
}  // namespace flg2scn
