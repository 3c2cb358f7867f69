#include "vb6/line_reading.h"

#include <gtest/gtest.h>

#include "vb6/code_page.h"
#include "vb6/line_splitter.h"

namespace flg2scn {
namespace {

std::string Long(char byte, std::size_t count) {
    return std::string(count, byte);
}

std::u16string Wide(const std::string& ascii) {
    return {ascii.begin(), ascii.end()};
}

// A file's bytes and the text of its lines, each followed by CR LF.
// clang-format off
const std::pair<std::string, std::u16string> kSamples[] = {
    {"", u""}, {"a", u"a\r\n"}, {"a\r\nb\r\n", u"a\r\nb\r\n"}, {"a\r\nb", u"a\r\nb\r\n"},
    {"a\rb\r", u"a\r\nb\r\n"}, {"a\rb", u"a\r\nb\r\n"}, {"a\nb\n", u"a\nb\n\r\n"},
    {"\n", u"\n\r\n"},
    {"\r", u"\r\n"}, {"\r\n", u"\r\n"}, {"\r\r\n", u"\r\n\r\n"}, {"\n\r\r\n", u"\n\r\n\r\n"},
    {"a\r\n\r\n\r", u"a\r\n\r\n\r\n"}, {"\x80\r\xFF", u"\u20AC\r\n\u00FF\r\n"},
    {"#a\n<b\n", u"#a\n<b\n\r\n"}, {"#a\r\n;\nb\r\n\r\n<", u"#a\r\n;\nb\r\n\r\n<\r\n"},
    {std::string("a\0b", 3), std::u16string(u"a\0b\r\n", 5)},
    {Long('a', 17) + "\n" + Long('b', 15) + "\r\n" + Long('c', 20) + "\r" + Long('d', 16) + "\n",
     Wide(Long('a', 17) + "\n" + Long('b', 15) + "\r\n" + Long('c', 20) + "\r\n" + Long('d', 16) +
          "\n\r\n")},
    {Long('x', 40) + "\r\n" + Long('y', 31) + "\r",
     Wide(Long('x', 40) + "\r\n" + Long('y', 31) + "\r\n")}};
// clang-format on

// Whether `bytes` hold an LF that no CR comes right before and a '#' or '<' after.
bool HasHiddenLine(const std::string& bytes) {
    for (std::size_t at = 0; at + 1 < bytes.size(); ++at) {
        if (bytes[at] == '\n' && (at == 0 || bytes[at - 1] != '\r') &&
            (bytes[at + 1] == '#' || bytes[at + 1] == '<')) {
            return true;
        }
    }
    return false;
}

// However the bytes are cut into pieces, the splitter gives the same lines, and
// tells whether a lone LF hid a header or flag line.
TEST(LineReading, LineBreaksInPiecesOfEverySize) {
    for (const auto& [bytes, expected] : kSamples) {
        EXPECT_EQ(DecodeLines(bytes), expected) << ::testing::PrintToString(bytes);
        for (std::size_t piece = 1; piece <= bytes.size(); ++piece) {
            std::u16string text;
            LineSplitter splitter([&](std::string_view part, bool line_ends) {
                // Only the end of a line may come as an empty part.
                EXPECT_TRUE(line_ends || !part.empty());
                text += DecodeText(part) + (line_ends ? u"\r\n" : u"");
            });
            for (std::size_t at = 0; at < bytes.size(); at += piece) {
                splitter.Feed(std::string_view(bytes).substr(at, piece));
            }
            splitter.Finish();
            EXPECT_EQ(text, expected) << ::testing::PrintToString(bytes) << piece;
            EXPECT_EQ(splitter.saw_hidden_line(), HasHiddenLine(bytes))
                << ::testing::PrintToString(bytes);
        }
    }
}

}  // namespace
}  // namespace flg2scn
