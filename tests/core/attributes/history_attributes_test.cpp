#include "core/attributes/get_fun_class.h"

#include <gtest/gtest.h>

namespace p3::core {
namespace {

using F = Get_Fun_Class;

TEST(AttributesRepeatGapMiddle, LastDrawBeforeDrawBeforeLast) {
    EXPECT_EQ(F::GetRepeatGapMiddle("112", "125", "378", false), "复复复");
    EXPECT_EQ(F::GetRepeatGapMiddle("112", "125", "378", true), "3复");
    EXPECT_EQ(F::GetRepeatGapMiddle("390", "125", "378", false), "隔中中");
    EXPECT_EQ(F::GetRepeatGapMiddle("390", "125", "378", true), "1隔2中");
    // A digit in both earlier draws is 复, not 隔.
    EXPECT_EQ(F::GetRepeatGapMiddle("381", "381", "381", false), "复复复");
    EXPECT_EQ(F::GetRepeatGapMiddle("301", "305", "128", false), "复复隔");
    EXPECT_EQ(F::GetRepeatGapMiddle("301", "305", "128", true), "2复1隔");
    // The first charted period has no draws before it.
    EXPECT_EQ(F::GetRepeatGapMiddle("456", "", "", false), "中中中");
    EXPECT_EQ(F::GetRepeatGapMiddle("456", "", "", true), "3中");
}

TEST(AttributesNeighbourDigits, WrapsZeroAndNineAndKeepsRepeats) {
    EXPECT_EQ(F::GetNeighbourDigits("090"), "190819");
    EXPECT_EQ(F::GetNeighbourDigits("158"), "024679");
    EXPECT_EQ(F::GetNeighbourDigits("55"), "4646");
    EXPECT_EQ(F::GetNeighbourDigits(""), "");
}

TEST(AttributesAdjacentIsolatedTransmitted, TransmittedWinsOverAdjacent) {
    EXPECT_EQ(F::GetAdjacentIsolatedTransmitted("456", "457", false), "传传邻");
    EXPECT_EQ(F::GetAdjacentIsolatedTransmitted("456", "457", true), "1邻2传");
    EXPECT_EQ(F::GetAdjacentIsolatedTransmitted("193", "090", false), "邻传孤");
    EXPECT_EQ(F::GetAdjacentIsolatedTransmitted("812", "090", true), "2邻1孤");
    EXPECT_EQ(F::GetAdjacentIsolatedTransmitted("234", "", false), "孤孤孤");
    EXPECT_EQ(F::GetAdjacentIsolatedTransmitted("234", "", true), "3孤");
}

TEST(AttributesHotWarmCold, CountsEveryOccurrenceInRecentDraws) {
    const std::vector<std::string> seven{"111", "222", "345", "678", "900", "456", "789"};
    EXPECT_EQ(F::GetHotWarmCold("123", seven, false), "热热冷");
    EXPECT_EQ(F::GetHotWarmCold("123", seven, true), "2热1冷");
    EXPECT_EQ(F::GetHotWarmCold("900", seven, false), "温温温"); // 9 twice, 0 twice
    EXPECT_EQ(F::GetHotWarmCold("900", seven, true), "3温");
    const std::vector<std::string> none;
    EXPECT_EQ(F::GetHotWarmCold("123", none, false), "冷冷冷");
    EXPECT_EQ(F::GetHotWarmCold("123", none, true), "3冷");
    // A digit drawn twice in one period counts twice.
    EXPECT_EQ(F::GetHotWarmCold("5", std::vector<std::string>{"556"}, false), "温");
}

TEST(AttributesHistoryPatterns, ReadFirstThreeDigitsOnly) {
    EXPECT_EQ(F::GetRepeatGapMiddle("1125", "125", "", false), "复复复复");
    EXPECT_EQ(F::GetRepeatGapMiddle("1199", "125", "", true), "2复1中");
    EXPECT_EQ(F::GetRepeatGapMiddle("12", "125", "", true), "");
    EXPECT_EQ(F::GetAdjacentIsolatedTransmitted("1", "125", true), "");
    EXPECT_EQ(F::GetHotWarmCold("", std::vector<std::string>{"123"}, true), "");
}

// Forming the 复/隔/中 digit sets the way the condition editors do, from the two latest draws.
TEST(AttributesHistorySets, DigitSetsFromLatestDraws) {
    const std::string latest = "305", before = "128";
    const std::string fu = F::KeepDigitsInSet(latest, kAllDigits);
    const std::string ge = F::KeepDigitsInSet(F::KeepDigitsNotInSet(latest, before), kAllDigits);
    const std::string zh = F::KeepDigitsNotInSet(fu + ge, kAllDigits);
    EXPECT_EQ(fu, "035");
    EXPECT_EQ(ge, "128");
    EXPECT_EQ(zh, "4679");
    EXPECT_EQ(F::KeepDigitsInSet(F::KeepDigitsNotInSet("305", "530"), kAllDigits), "");
}

} // namespace
} // namespace p3::core
