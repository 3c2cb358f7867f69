#include "runtime/line_reading.h"

#include <gtest/gtest.h>

#include <string>

#include "runtime/code_page.h"
#include "runtime/line_splitter.h"

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

// The lines that LineSplitter hands out, each followed by CR LF and decoded, are
// the text that DecodeLines reads, however the bytes are cut into pieces.
TEST(LineSplitter, AgreesWithDecodeLinesForEveryPieceSize) {
    const std::string samples[] = {
        "",
        "a",
        "a\r\nb\r\n",
        "a\r\nb",
        "a\rb\r",
        "\r\n\r\n\r",
        "a\nb\n",
        "\n\r\r\n",
        "\r",
        "\x80\r\xFF",
        "#A\r\n<1 2 3>\r\n<4 5 6>\r\n",
    };
    for (const std::string& bytes : samples) {
        for (std::size_t piece_size = 1; piece_size <= bytes.size() + 1; ++piece_size) {
            std::u16string text;
            LineSplitter splitter([&](std::string_view line) {
                text += DecodeText(line);
                text += u"\r\n";
            });
            for (std::size_t at = 0; at < bytes.size(); at += piece_size) {
                splitter.Feed(std::string_view(bytes).substr(at, piece_size));
            }
            splitter.Finish();
            EXPECT_EQ(text, DecodeLines(bytes)) << ::testing::PrintToString(bytes) << piece_size;
        }
    }
}

}  // namespace
}  // namespace flg2scn
