#include "runtime/text_search.h"

#include <gtest/gtest.h>

#include "runtime/failure.h"
#include "runtime/int16.h"

namespace flg2scn {
namespace {

TEST(TextSearch, PositionsAreOneBased) {
    const std::u16string_view text = u"<10 20 30>";
    EXPECT_EQ(InStr(1, text, u' '), 4u);
    EXPECT_EQ(InStr(4, text, u' '), 4u);
    EXPECT_EQ(InStr(5, text, u' '), 7u);
    EXPECT_EQ(InStr(8, text, u' '), 0u);
    EXPECT_EQ(InStr(11, text, u' '), 0u);
    EXPECT_EQ(InStr(99, text, u' '), 0u);
    EXPECT_EQ(Mid(text, 2, 2), u"10");
    EXPECT_EQ(Mid(text, 8, 99), u"30>");
    EXPECT_EQ(Mid(text, 11, 1), u"");
    EXPECT_EQ(Mid(text, 5, 0), u"");
    EXPECT_EQ(Mid(text, 8), u"30>");
    EXPECT_EQ(Mid(text, 12), u"");
    EXPECT_EQ(Left(text, 3), u"<10");
    EXPECT_EQ(Left(text, 30), text);
}

TEST(TextSearch, NegativeLengthsAndStartsBelowOneFail) {
    EXPECT_THROW(Mid(u"abc", 1, -1), RuntimeFailure);
    EXPECT_THROW(Mid(u"abc", 0, 1), RuntimeFailure);
    EXPECT_THROW(Mid(u"abc", 0), RuntimeFailure);
    EXPECT_THROW(Left(u"abc", -1), RuntimeFailure);
    EXPECT_THROW(InStr(0, u"abc", u'a'), RuntimeFailure);
}

TEST(Int16, OverflowIsAFailure) {
    EXPECT_EQ(ToInt16(32767), 32767);
    EXPECT_EQ(ToInt16(-32768), -32768);
    EXPECT_THROW(ToInt16(32768), RuntimeFailure);
    EXPECT_THROW(ToInt16(-32769), RuntimeFailure);
    EXPECT_EQ(Add16(32766, 1), 32767);
    EXPECT_THROW(Add16(32767, 1), RuntimeFailure);
    EXPECT_EQ(Sub16(-32767, 1), -32768);
    EXPECT_THROW(Sub16(-32768, 1), RuntimeFailure);
    EXPECT_THROW(Sub16(32767, -1), RuntimeFailure);
}

}  // namespace
}  // namespace flg2scn
