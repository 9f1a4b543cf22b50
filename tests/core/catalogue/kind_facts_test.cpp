// What the kinds' facts mean for a line, checked through the engine and the editor rules rather than by
// reading the table back: the examples follow the description of the condition kinds.
#include <gtest/gtest.h>

#include "core/attributes/get_fun_class.h"
#include "core/catalogue/condition_editor.h"
#include "core/shrink/compiled_filter.h"
#include "core/shrink/condition_file.h"
#include "core/shrink/evaluate_line.h"

using namespace p3::core;

namespace {

/// The line's verdict for a candidate, by the per-number walk and by the compiled table; both must agree.
bool passes(ConditionKind kind, const CandidateDigits& d, std::string_view level, std::string_view content,
            const SeriesHistory& history = {}) {
    const bool walked = EvaluateLine(kind, d, level, content, history);
    const bool tabled = evaluateLineTable(kind, level, content,
                                          history)[static_cast<std::size_t>(d[0] * 100 + d[1] * 10 + d[2])];
    EXPECT_EQ(walked, tabled) << kind << " " << content;
    return walked;
}

} // namespace

TEST(KindFacts, SingleRecordKindsIgnoreTheirRecordsToleranceAndTheLevelTolerance) {
    // 123: a straight (顺子), sum 6, shape 顺子; every value below misses it, and the record is tolerant
    // with one tolerant failure allowed. A single-record kind still fails the number.
    const CandidateDigits d{1, 2, 3};
    const std::string otherShape = Get_Fun_Class::GetOrderShapeText({1, 2, 3}) == "0号" ? "1号" : "0号";
    EXPECT_FALSE(passes(1, d, "0-1", "组选类型~豹子号 ~1~1&"));
    EXPECT_FALSE(passes(6, d, "0-1", "和值~0 1 2~1~1&"));
    EXPECT_FALSE(passes(12, d, "0-1", "群号~" + otherShape + "~1~1&"));
    EXPECT_FALSE(passes(13, d, "0-1", "连号~豹子~1~1&"));
    const DrawList draws{{"2024001", "456"}};
    EXPECT_FALSE(passes(25, d, "0-1", "已出号码~10^0~1~1&%0", SeriesHistory{&draws, nullptr}));
    EXPECT_TRUE(passes(25, {4, 5, 6}, "0-1", "已出号码~10^0~1~1&%0", SeriesHistory{&draws, nullptr}));
    // A multi-record kind lets the same tolerant failure through the level tolerance, and only then.
    EXPECT_TRUE(passes(10, d, "0-1", "合值~0 1~1~1&"));
    EXPECT_FALSE(passes(10, d, "无设置", "合值~0 1~1~1&"));
}

TEST(KindFacts, OnlyTheHistoryKindsEndInAReferenceElement) {
    // 复隔中, 邻孤传, 热温冷 and 任意位合 carry the three code lists (and the series) after their records.
    for (ConditionKind k = 1; k <= kConditionKindCount; ++k) {
        const ParsedContent parsed = parseContent(k, "形态~a~1~0&1^2^3%0");
        const bool history = k == 16 || k == 17 || k == 18 || k == 21;
        EXPECT_EQ(parsed.reference.has_value(), history) << k;
        EXPECT_EQ(parsed.records.size(), history ? 1u : 2u) << k;
    }
}

TEST(KindFacts, EachHistoryKindWritesItsPatternsInItsOwnWords) {
    // 123 against the lists 123 / 4 / 5: all three digits are in the first list.
    const CandidateDigits d{1, 2, 3};
    const std::string lists = "&123^4^5%0";
    EXPECT_TRUE(passes(16, d, "无设置", "组选排列~3复~1~0" + lists));
    EXPECT_TRUE(passes(17, d, "无设置", "组选排列~3邻~1~0" + lists));
    EXPECT_TRUE(passes(18, d, "无设置", "组选排列~3热~1~0" + lists));
    EXPECT_TRUE(passes(17, d, "无设置", "直选排列~邻邻邻~1~0" + lists));
    EXPECT_FALSE(passes(17, d, "无设置", "组选排列~3复~1~0" + lists));
    EXPECT_FALSE(passes(18, d, "无设置", "组选排列~3邻~1~0" + lists));
    // 任意位合 counts its pair tails (3, 4, 5 for 123) in 复/隔/中 words whatever its lists are.
    EXPECT_TRUE(passes(21, d, "无设置", "复隔中~3中~1~0&12^67^345%0"));
}

TEST(KindFacts, RowListRowsNotInUseTakeNoPart) {
    const CandidateDigits d{1, 2, 3};
    // A row with use "0" is skipped: the line has no record left to fail.
    EXPECT_TRUE(passes(8, d, "无设置", "按位复式~0^4/5/6^3~1~0&"));
    EXPECT_TRUE(passes(9, d, "无设置", "号码组~0^789^3^1~1~0&"));
    EXPECT_FALSE(passes(8, d, "无设置", "按位复式~1^4/5/6^3~1~0&"));
    EXPECT_FALSE(passes(9, d, "无设置", "号码组~1^789^3^1~1~0&"));
    // The editor counts used rows only.
    const PanelState rows =
        LoadPanelState({"1", "号码组", "2|0|无设置", "1", "0", "号码组~1^01^1^1~1~0&号码组~0^23^1^1~1~0&"});
    ASSERT_EQ(rows.records.size(), 2u);
    EXPECT_EQ(UpdateConditionCount(rows).conditions, 1);
}

TEST(KindFacts, GroupShapeAndConnectedShapeHaveTheirOneRecordAlwaysTicked) {
    for (ConditionKind k : {12, 13}) {
        const PanelState fresh = defaultPanelState(k);
        ASSERT_EQ(fresh.records.size(), 1u);
        EXPECT_TRUE(fresh.records[0].ticked) << k;
    }
    EXPECT_FALSE(defaultPanelState(6).records[0].ticked);
    EXPECT_FALSE(defaultPanelState(10).records[0].ticked);
    // Their 容错 box is the line's 容错 column; 和值 keeps its record's own flag.
    EXPECT_TRUE(LoadPanelState({"1", "群号", "1|0|无设置", "1", "1", "群号~0号~1~0&"}).records[0].tolerant);
    EXPECT_FALSE(LoadPanelState({"1", "和值", "1|0|无设置", "1", "1", "和值~6~1~0&"}).records[0].tolerant);
}

TEST(KindFacts, DrawnNumbersCarryPeriodsAndSeriesInTheirRecord) {
    PanelState panel = defaultPanelState(25);
    panel.records[0] = {true, "30", false, false};
    panel.series = 2;
    const auto line = BuildConditionLine(panel, {}, -1);
    ASSERT_TRUE(line);
    EXPECT_EQ(line->content, "已出号码~30^2~0~0&%2");
    panel.records[0].value = "3O";
    EXPECT_EQ(BuildConditionLine(panel, {}, -1).error().message, "请输入正确的期数");
    // The series fixes the list's series like a history kind's does.
    const ConditionList list{*line};
    EXPECT_EQ(FindListSeries(list, -1).series, 2);
    EXPECT_TRUE(checkListSeries(list, -1, 3).has_value());
    // Read back, and checked on reading a file.
    const PanelState back = LoadPanelState(*line);
    EXPECT_EQ(back.records[0].value, "30");
    EXPECT_EQ(back.series, 2);
    ConditionLine broken = *line;
    broken.content = "已出号码~30^x~0~0&%2";
    EXPECT_EQ(conditionLineProblem(broken), "已出号码的期数和星轨参数必须是数字");
}
