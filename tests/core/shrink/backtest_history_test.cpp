// The backtest over the real 福彩3D history against an independent per-period check: the history lines
// made again by the editor's own flow from the draws before the period, and the plain per-number walk.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>

#include "core/catalogue/condition_editor.h"
#include "core/history/draw_text_file.h"
#include "core/shrink/backtest.h"
#include "core/shrink/base_list.h"
#include "core/shrink/evaluate_line.h"
#include "core/shrink/history_panel.h"
#include "random_lines.h"
#include "reference_walk.h"

using namespace p3::core;

namespace {

struct RealHistory {
    DrawList draws;
    TrackTable table;
    RealHistory() {
        auto parsed = readDrawTextFile(std::string(P3_SAMPLES_DIR) + "/fc3d.txt", 3);
        draws = parsed->draws;
        table = TrackTable::ComputeTrackTable(draws, {"135", "246", "975", "864", "019"}, 3);
    }
};

const RealHistory& real() {
    static const RealHistory h;
    return h;
}

/// One line of every kind; the history lines read `series`.
ConditionList everyKind(int series, const std::string& level) {
    const std::string s = std::to_string(series);
    const std::vector<std::pair<std::string, std::string>> lines{
        {"组选类型", "组选类型~组三_连 组三_不连 半顺 杂六~1~0&"},
        {"顺序排序", "最小号~0 1 2 3~1~1&最大号~6 7 8 9~1~1&"},
        {"大小参数", "组选大小~2小1大 2大1小~1~1&直选大小~小小小 大大大~0~1&"},
        {"奇偶参数", "组选奇偶~3奇 3偶~0~1&"},
        {"质合参数", "直选质合~质质质~0~1&"},
        {"和值", "和值~8 9 10 11 12 13 14 15 16 17 18 19~1~0&"},
        {"定位号码", "百位~0 1 2 3 4 5 6 7~1~1&"},
        {"定位复式", "按位复式~1^0123/456/789^123~1~1&"},
        {"号码组", "号码组~1^0257^12^1~1~1&"},
        {"合值", "合值~0 1 2 3 4 5 6 7~1~1&合值大小~大数~1~1&"},
        {"跨度", "跨度~2 3 4 5 6 7~1~1&跨度012路~0路 1路~1~1&"},
        {"群号", "群号~0号 1号 2号 3号 4号 5号 6号 7号~1~0&"},
        {"连号", "连号~豹子~0~0&"},
        {"012路", "组选排列~300 030 003~0~1&直选排列~012 120 201~1~1&"},
        {"大中小", "大数个数~0 1 2~1~1&形态~b c~1~1&"},
        {"复隔中", "组选排列~2复1隔 1复2隔 1复1隔1中 2隔1中~1~1&形态~b c~1~1&035^128^4679%" + s},
        {"邻孤传", "邻码个数~0 1~1~1&孤码个数~1 2 3~1~1&18^234567^09%" + s},
        {"热温冷", "热码个数~0 1 2~1~1&冷码个数~1 2~1~0&124^356^0789%" + s},
        {"位和", "百+十~3 4 5 6 7 8 9 10 11 12 13 14~1~1&任意两码和~7 8 9 10^1 2 ^1~1~1&"},
        {"位合", "百+十(位合)~0 1 2 3 4 5 6~1~1&"},
        {"任意位合", "任意位合~1 3 5^1 2 ^1~1~1&复隔中~2复1隔 1复1隔1中~0~1&358^09^12467%" + s},
        {"位差", "任意位差~1 2 3^1 2 ^0~1~1&百-十(绝对值)~9~0~1&"},
        {"偏态", "三细分~偏态 真正~1~1&"},
        {"二码过滤", "任意二码~00 11 22 33~0~1&"},
        {"已出号码", "已出号码~30^" + s + "~0~0&%" + s},
    };
    ConditionList list;
    for (const auto& [keyword, content] : lines)
        list.push_back({"1", keyword, "2|2|" + level, "1", "1", content});
    return list;
}

/// The list as the editor would have made it on the day before period t: every history line loaded into
/// its panel (which runs the series preset on that history) and written again.
ConditionList remadeBefore(const ConditionList& list, const SeriesHistory& before) {
    ConditionList out = list;
    for (std::size_t i = 0; i < list.size(); ++i) {
        const ConditionKind kind = KindOfKeyword(list[i].keyword);
        if (!hasReferenceElement(kind)) continue;
        auto line = BuildConditionLine(LoadPanelState(list[i], before), list, static_cast<int>(i));
        EXPECT_TRUE(line) << list[i].keyword << ": " << (line ? "" : line.error().message);
        if (line) out[i].content = line->content;
    }
    return out;
}

std::string sortedDigits(std::string n) {
    std::ranges::sort(n);
    return n;
}

/// Compares the backtest's periods with the independent check on a spread of periods.
void checkAgainstPlainRuns(const ConditionList& list, const BacktestSettings& settings, std::size_t last,
                           std::size_t stride) {
    const auto& h = real();
    const auto range = lastPeriodsRange(h.draws, last);
    auto report = Backtest(list, h.draws, h.table, range, settings);
    ASSERT_TRUE(report) << report.error().message;
    ASSERT_EQ(report->periods.size(), last);
    const auto base = *BuildBaseList(settings.pick, settings.betType);
    std::size_t hits = 0;
    for (const auto& p : report->periods)
        hits += p.survived;
    EXPECT_EQ(report->hits, hits);
    for (std::size_t i = 0; i < last; i += stride) {
        const std::size_t t = range.first + i;
        const SeriesHistory before{&h.draws, &h.table, t};
        const ConditionList remade = remadeBefore(list, before);
        const auto kept = p3::test::referenceFilterWalk(base, remade, settings.tolerance, before);
        const auto& period = report->periods[i];
        const std::string draw = h.draws[t].digits.substr(0, 3);
        ASSERT_EQ(period.draw, draw);
        const CandidateDigits d{draw[0] - '0', draw[1] - '0', draw[2] - '0'};
        std::vector<int> failedRows;
        for (std::size_t r = 0; r < remade.size(); ++r) {
            const auto& line = remade[r];
            const bool result =
                EvaluateLine(KindOfKeyword(line.keyword), d, line.levelTolerance(), line.content, before);
            if (result != (line.keep == "1")) failedRows.push_back(static_cast<int>(r) + 1);
        }
        if (settings.betType == BetType::All) {
            EXPECT_EQ(periodBets(*report, i), kept) << "period " << period.period;
            EXPECT_EQ(period.count, kept.size());
            EXPECT_EQ(period.survived, std::ranges::find(kept, draw) != kept.end()) << period.period;
            EXPECT_EQ(period.failedRows, failedRows) << period.period;
        } else {
            std::set<std::string> forms;
            for (const auto& n : kept)
                forms.insert(sortedDigits(n));
            EXPECT_EQ(periodBets(*report, i), std::vector<std::string>(forms.begin(), forms.end()));
            EXPECT_EQ(period.count, forms.size());
            EXPECT_EQ(period.survived, forms.contains(sortedDigits(draw))) << period.period;
        }
    }
}

} // namespace

TEST(BacktestOverRealHistory, EveryKindOnTheDrawnNumbersWithoutTolerance) {
    checkAgainstPlainRuns(everyKind(0, "无设置"), {}, real().draws.size(), 97);
}

TEST(BacktestOverRealHistory, TrackSeriesWithLevelAndTotalTolerance) {
    BacktestSettings settings;
    settings.tolerance = {true, 0, 3};
    checkAgainstPlainRuns(everyKind(2, "0-1"), settings, 1500, 31);
    settings.tolerance = {true, 2, 5};
    checkAgainstPlainRuns(everyKind(5, "1-1"), settings, 400, 17);
}

TEST(BacktestOverRealHistory, GroupBetsOnPickedDigits) {
    BacktestSettings settings;
    settings.pick = *parsePickGrid("0123456789/0123456789/0123456789");
    settings.betType = BetType::Group6;
    settings.tolerance = {true, 0, 4};
    checkAgainstPlainRuns(everyKind(0, "0-1"), settings, 600, 23);
    settings.pick = *parsePickGrid("01234567/1234589/0123456789");
    settings.betType = BetType::Group3;
    checkAgainstPlainRuns(everyKind(1, "无设置"), settings, 600, 23);
}

TEST(BacktestOverRealHistory, RecomputedHistoryLineEqualsTheLineEvaluatedFromItsText) {
    // Random history lines (hand-edited oddities, overlapping or missing lists included) with random
    // code lists: the compiled line must equal the text evaluated with those lists.
    p3::test::RandomLines random(41);
    const SeriesHistory none;
    for (int round = 0; round < 400; ++round) {
        const ConditionKind kind =
            std::array<ConditionKind, 4>{16, 17, 18, 21}[static_cast<std::size_t>(round % 4)];
        const ConditionLine line = random.line(kind);
        const ReferenceLine compiled(kind, line.levelTolerance(), line.content);
        for (int k = 0; k < 3; ++k) {
            const ReferenceElement sets{random.digitSet(), random.digitSet(), random.digitSet(), 0};
            auto pieces = splitPieces(line.content, '&');
            if (pieces.empty()) continue;
            pieces.back() = sets.text();
            std::string content;
            for (const auto& p : pieces)
                content += p + "&";
            ASSERT_EQ(compiled.satisfied(sets), evaluateLineTable(kind, line.levelTolerance(), content, none))
                << "kind " << kind << " content " << content << " level " << line.levelTolerance();
        }
    }
}
