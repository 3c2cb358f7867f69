#include "conversion/flag_conversion.h"

#include <gtest/gtest.h>

#include "conversion/flag_stream.h"
#include "support/harbour.h"
#include "system/text_file.h"

namespace flg2scn {
namespace {

const Conversion kHarbour{std::u16string(test::HarbourScenario())};
constexpr Problem kNothing = Problem::kNothingToConvert;
constexpr Problem kNoHeader = Problem::kNoHeader;
constexpr Problem kCount = Problem::kWrongFlagCount;
constexpr Problem kFailure = Problem::kFailure;

// The checks in their order: something to convert, no failure while reading, a
// header, then exactly two flag lines; a number too large in either corner fails.
TEST(ConvertFlagText, ScenarioOrProblem) {
    // clang-format off
    const std::pair<std::u16string, Conversion> samples[] = {
        {u"", kNothing}, {u"x\r\n", kNoHeader}, {u"<1 2 3>\r\n<4 5 6>\r\n", kNoHeader},
        {u"<1 2 3>\r\n", kNoHeader}, {u"#\r\n<1 2 3>\r\n<4 5 6>\r\n", kNoHeader},
        {u"#H\r\n#\r\n<1 2 3>\r\n<4 5 6>\r\n", kNoHeader}, {u"#H\r\n", kCount},
        {u"#H\r\n<1 2 3>\r\n", kCount}, {u"#H\r\n<1 2 3>\r\n<1 2 3>\r\n<1 2 3>\r\n", kCount},
        {u"#A\n<1 2 3>\r\n<4 5 6>\r\n", kCount}, {u"#H\r\n<10>\r\n<1 2 3>\r\n", kFailure},
        {u"<1 2 3>\r\n<1 2 3>\r\n<1 2 3>\r\n<1 2 3>\r\n", kFailure},
        {u"#H\r\n<1e400 2 3>\r\n<1 2 3>\r\n", kFailure},
        {u"#H\r\n<1 2 3>\r\n<1 2 -1e999>\r\n", kFailure},
        {std::u16string(test::HarbourScenario()), kNoHeader},
        {std::u16string(test::kHarbourFlags), kHarbour},
        {u"#Old\r\nnotes\r\n<100 200 40>\r\n\r\n #x\r\n<1024 512 96>\r\n#Harbour\r\n", kHarbour}};
    // clang-format on
    for (const auto& [text, result] : samples) {
        EXPECT_EQ(ConvertFlagText(text), result) << ::testing::PrintToString(text);
    }
}

// The scenario file that saving a conversion's text writes.
FileConversion Saved(const Conversion& conversion) {
    if (const auto* problem = std::get_if<Problem>(&conversion)) {
        return *problem;
    }
    return TextFileBytes(std::get<std::u16string>(conversion));
}

// A file's bytes a byte at a time: its lines end at CR too, lines that are not
// read are not decoded, a header that spans many pieces is held whole (the last
// one), and a failure is told however much follows it.
TEST(FlagStreamConverter, ConvertsAFilesBytesInPieces) {
    // Over a megabyte: a header held in more than one chunk.
    const std::string h(600000, 'h');
    // clang-format off
    const std::pair<std::string, Conversion> samples[] = {
        {"#Harbour\r<100 200 40>\r\nnotes \xFF\r<1024 512 96>", kHarbour}, {"", kNothing},
        {"\r", kNoHeader}, {"#\xE9\r\n<1>\r\n#H\r\n<1 2 3>\r\n<4 5 6>", kFailure},
        {"#old\r\n#" + h + "\x80" + h + "\r\n<1 2 3>\r\n<4 5 6>",
         ConvertFlagText(u"#" + std::u16string(h.begin(), h.end()) + u"\u20AC" +
                         std::u16string(h.begin(), h.end()) + u"\r\n<1 2 3>\r\n<4 5 6>\r\n")}};
    // clang-format on
    for (const auto& [bytes, result] : samples) {
        FlagStreamConverter converter;
        for (const char byte : bytes) {
            converter.Feed(std::string_view(&byte, 1));
        }
        EXPECT_EQ(converter.Finish(), Saved(result))
            << ::testing::PrintToString(bytes.substr(0, 40));
    }
}

}  // namespace
}  // namespace flg2scn
