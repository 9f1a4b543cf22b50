#include <gtest/gtest.h>

#include "core/common/utf8.h"

namespace p3::core {
namespace {

TEST(Utf8, CountsCharactersNotBytes) {
    EXPECT_EQ(characterCount(""), 0u);
    EXPECT_EQ(characterCount("123"), 3u);
    EXPECT_EQ(characterCount("1二3"), 3u);     // 二 is three bytes
    EXPECT_EQ(characterCount("\x80\x80"), 0u); // stray continuation bytes start nothing
}

TEST(Utf8, QuotingNeverSplitsACharacter) {
    EXPECT_EQ(quotedStart("2026001", 24), "2026001");
    EXPECT_EQ(quotedStart("abcdef", 6), "abcdef");
    EXPECT_EQ(quotedStart("abcdefg", 6), "abcdef…");
    // "ab期号" is 2 + 3 + 3 bytes; 4 bytes would end inside 期, so only "ab" is kept.
    EXPECT_EQ(quotedStart("ab期号", 4), "ab…");
    EXPECT_EQ(quotedStart("ab期号", 5), "ab期…");
    EXPECT_EQ(characterPrefix("期号", 2), "");
    EXPECT_EQ(characterPrefix("期号", 100), "期号");
}

} // namespace
} // namespace p3::core
