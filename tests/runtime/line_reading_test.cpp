#include "runtime/line_reading.h"

#include <gtest/gtest.h>

#include "runtime/code_page.h"
#include "runtime/line_splitter.h"

namespace flg2scn {
namespace {

// A file's bytes and the text of its lines, each followed by CR LF.
// clang-format off
const std::pair<std::string, std::u16string> kSamples[] = {
    {"", u""}, {"a", u"a\r\n"}, {"a\r\nb\r\n", u"a\r\nb\r\n"}, {"a\r\nb", u"a\r\nb\r\n"},
    {"a\rb\r", u"a\r\nb\r\n"}, {"a\rb", u"a\r\nb\r\n"}, {"a\nb\n", u"a\nb\n\r\n"},
    {"\n", u"\n\r\n"},
    {"\r", u"\r\n"}, {"\r\n", u"\r\n"}, {"\r\r\n", u"\r\n\r\n"}, {"\n\r\r\n", u"\n\r\n\r\n"},
    {"a\r\n\r\n\r", u"a\r\n\r\n\r\n"}, {"\x80\r\xFF", u"\u20AC\r\n\u00FF\r\n"},
    {std::string("a\0b", 3), std::u16string(u"a\0b\r\n", 5)}};
// clang-format on

TEST(LineReading, LineBreaks) {
    for (const auto& [bytes, text] : kSamples) {
        EXPECT_EQ(DecodeLines(bytes), text) << ::testing::PrintToString(bytes);
    }
}

// However the bytes are cut into pieces, the splitter's lines are DecodeLines's.
TEST(LineSplitter, AgreesWithDecodeLinesForEveryPieceSize) {
    for (const auto& [bytes, expected] : kSamples) {
        for (std::size_t piece = 1; piece <= bytes.size() + 1; ++piece) {
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
        }
    }
}

}  // namespace
}  // namespace flg2scn
