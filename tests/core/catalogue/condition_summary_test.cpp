// The readable account of a condition line shown over the condition list: every record in words, the
// stored line untouched. Expectations are written out by hand from the line grammar.
#include <gtest/gtest.h>

#include "core/catalogue/condition_summary.h"

using namespace p3::core;

namespace {

ConditionLine line(std::string keyword, std::string counts, std::string content, std::string keep = "1",
                   std::string tolerant = "0") {
    ConditionLine l;
    l.keyword = std::move(keyword);
    l.counts = std::move(counts);
    l.content = std::move(content);
    l.keep = std::move(keep);
    l.tolerant = std::move(tolerant);
    return l;
}

} // namespace

TEST(ConditionSummary, PlainRecordsWithTheirFlags) {
    const auto sum = line("和值", "1|0|无设置", "和值~1 3 5~1~0&");
    EXPECT_EQ(describeConditionLine(sum),
              "和值（使用，保留，条件数 1，容错数 0，本级容错 无设置）\n和值：1 3 5（保留）");
    auto two = line("顺序排序", "2|2|1-1", "最小号~0 1 2~1~1&最大号~7 8 9~0~1&", "0", "1");
    two.use = "0";
    EXPECT_EQ(describeConditionLine(two), "顺序排序（不使用，排除，容错，条件数 2，容错数 2，本级容错 1-1）\n"
                                          "最小号：0 1 2（保留，容错）\n"
                                          "最大号：7 8 9（排除，容错）");
}

TEST(ConditionSummary, CaretListsSpeltOut) {
    EXPECT_EQ(describeConditionLine(line("定位复式", "1|0|无设置", "按位复式~1^0123/456/789^23~1~0&")),
              "定位复式（使用，保留，条件数 1，容错数 0，本级容错 无设置）\n"
              "按位复式：百位 0123 十位 456 个位 789，中出位置数 2、3（保留）");
    EXPECT_EQ(describeConditionLine(line("号码组", "1|0|无设置", "号码组~0^0257^12^1~1~0&")),
              "号码组（使用，保留，条件数 1，容错数 0，本级容错 无设置）\n"
              "号码组：（此行不用）0257，中出个数 1、2，重复数字算1个（保留）");
    EXPECT_EQ(describeConditionLine(line("位和", "1|0|无设置", "任意两码和~3 4^1^0~1~0&")),
              "位和（使用，保留，条件数 1，容错数 0，本级容错 无设置）\n"
              "任意两码和：3 4，出现个数 1，重复数字算多个（保留）");
    // 已出号码 repeats its series after the record; it is shown once, in words.
    EXPECT_EQ(describeConditionLine(line("已出号码", "1|0", "已出号码~30^2~0~0&%2", "0")),
              "已出号码（使用，排除，条件数 1，容错数 0，本级容错 无设置）\n"
              "已出号码：近30期 星轨2 的号码（排除）");
}

TEST(ConditionSummary, HistoryReferenceInWords) {
    EXPECT_EQ(describeConditionLine(line("复隔中", "1|0|无设置", "复码个数~1~1~0&12^^034567%3")),
              "复隔中（使用，保留，条件数 1，容错数 0，本级容错 无设置）\n"
              "复码个数：1（保留）\n"
              "参照：复码 12 隔码 无 中码 034567（星轨3）");
}

TEST(ConditionSummary, TheLineItselfIsNotChanged) {
    const auto before = line("和值", "1|0|无设置", "和值~1 3 5~1~0&");
    const auto copy = before;
    (void)describeConditionLine(copy);
    EXPECT_EQ(copy, before);
    // A line this build does not know still reads as its records.
    EXPECT_EQ(describeConditionLine(line("别的", "", "甲~1~1~0&")),
              "别的（使用，保留，本级容错 无设置）\n甲：1（保留）");
}
