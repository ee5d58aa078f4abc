#include "text/gbk.h"

#include <gtest/gtest.h>

using namespace holvane::text;

namespace {

struct GbkCase {
    const char *utf8;
    const char *gbk; // expected bytes
    size_t length;
};

class GbkRoundTrip : public testing::TestWithParam<GbkCase> {};

TEST_P(GbkRoundTrip, EncodesCountsAndDecodes)
{
    const GbkCase &c = GetParam();
    EXPECT_EQ(toGbk(c.utf8), c.gbk);
    EXPECT_EQ(gbkLength(c.utf8), c.length);
    EXPECT_EQ(fromGbk(c.gbk), c.utf8);
}

INSTANTIATE_TEST_SUITE_P(Texts, GbkRoundTrip,
                         testing::Values(GbkCase{"", "", 0}, GbkCase{"abc 12.5", "abc 12.5", 8},
                                         GbkCase{"机床夹具", "\xBB\xFA\xB4\xB2\xBC\xD0\xBE\xDF", 8},
                                         GbkCase{"γ", "\xA6\xC3", 2}, GbkCase{"Δ", "\xA6\xA4", 2},
                                         GbkCase{"夹紧力W0", "\xBC\xD0\xBD\xF4\xC1\xA6W0", 8},
                                         GbkCase{"！", "\xA3\xA1", 2}));

TEST(Gbk, CharacterOutsideGbkBecomesOneQuestionMark)
{
    // U+1F600 and U+20AC's neighbour U+20BF are not in GBK.
    EXPECT_EQ(toGbk("a\xF0\x9F\x98\x80" "b"), "a?b");
    EXPECT_EQ(gbkLength("a\xF0\x9F\x98\x80" "b"), 3u);
    EXPECT_EQ(toGbk("夹\xE2\x82\xBF"), "\xBC\xD0?");
}

TEST(Gbk, MalformedUtf8BytesBecomeQuestionMarks)
{
    EXPECT_EQ(toGbk("a\xFF\xFE" "b"), "a??b");
    EXPECT_EQ(toGbk("夹\xE5\xA4"), "\xBC\xD0??"); // truncated at the end: each byte
}

TEST(Gbk, BrokenGbkDecodesWithQuestionMarks)
{
    // A lead byte with no trail byte, and a lead byte followed by an ASCII '['.
    EXPECT_EQ(fromGbk("\xBC\xD0\xBD"), "夹?");
    EXPECT_EQ(fromGbk("x\xBC"), "x?");
    EXPECT_EQ(fromGbk("\xFF" "a"), "?a");
}

TEST(Gbk, Utf8Validity)
{
    EXPECT_TRUE(isValidUtf8("机床 abc"));
    EXPECT_FALSE(isValidUtf8("\xBB\xFA\xB4\xB2"));
    EXPECT_FALSE(isValidUtf8("\xC0\x80"));     // overlong
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80")); // surrogate
}

TEST(Gbk, TextFileIsUtf8OrElseGbk)
{
    EXPECT_EQ(decodeTextFile("机床"), "机床");
    EXPECT_EQ(decodeTextFile("\xBB\xFA\xB4\xB2"), "机床");
}

} // namespace
