#include "vb6/string_functions.h"

#include <gtest/gtest.h>

#include "vb6/failure.h"

namespace flg2scn {
namespace {

// Positions count from 1, and 0 is "not found"; a start beyond the end finds
// nothing, a start below 1 or a negative length fails.
TEST(TextSearch, PositionsFromOne) {
    EXPECT_EQ(InStr(1, u"a<b<", u'<'), 2u);
    EXPECT_EQ(InStr(3, u"a<b<", u'<'), 4u);
    EXPECT_EQ(InStr(5, u"a<b<", u'<'), 0u);
    EXPECT_EQ(InStr(1, u"ab", u'<'), 0u);
    const std::pair<std::u16string_view, std::u16string_view> parts[] = {
        {Mid(u"abcd", 2, 2), u"bc"}, {Mid(u"abcd", 3, 9), u"cd"}, {Mid(u"abcd", 5, 1), u""},
        {Mid(u"abcd", 4), u"d"},     {Mid(u"abcd", 5), u""},      {Left(u"abcd", 3), u"abc"},
        {Left(u"abcd", 9), u"abcd"}};
    for (const auto& [part, expected] : parts) {
        EXPECT_EQ(part, expected);
    }
    EXPECT_THROW(InStr(0, u"a<", u'<'), RuntimeFailure);
    EXPECT_THROW(Mid(u"ab", 0, 1), RuntimeFailure);
    EXPECT_THROW(Mid(u"ab", 0), RuntimeFailure);
    EXPECT_THROW(Mid(u"ab", 1, -1), RuntimeFailure);
    EXPECT_THROW(Left(u"ab", -1), RuntimeFailure);
}

}  // namespace
}  // namespace flg2scn
