#include <gtest/gtest.h>

#include "core/catalogue/condition_catalogue.h"
#include "core/catalogue/condition_editor.h"
#include "core/shrink/history_panel.h"

using namespace p3::core;

TEST(ConditionCatalogue, EveryKindHasItsKeywordRecordsAndTests) {
    const auto& catalogue = conditionCatalogue();
    ASSERT_EQ(catalogue.size(), 25u);
    for (int k = 1; k <= 25; ++k) {
        const KindSpec& spec = catalogue[static_cast<std::size_t>(k - 1)];
        EXPECT_EQ(spec.kind, k);
        EXPECT_EQ(KindOfKeyword(spec.keyword), k);
        ASSERT_FALSE(spec.records.empty()) << k;
        for (const auto& r : spec.records) {
            EXPECT_NE(r.test.engine, RecordEngine::None) << spec.keyword << " " << r.name;
            EXPECT_EQ(findRecordSpec(k, r.name), &r);
            if (r.input == RecordInput::Options || r.input == RecordInput::RadioPair) {
                EXPECT_FALSE(r.options.empty()) << spec.keyword << " " << r.name;
            }
        }
    }
    EXPECT_EQ(kindSpec(0), nullptr);
    EXPECT_EQ(recordTestOf(2, "最怪号").engine, RecordEngine::None);
    EXPECT_EQ(kindSpec(18)->records[2].name, "冷码个数");
    EXPECT_EQ(kindSpec(17)->records[4].options[1], "B.2邻1孤");
    EXPECT_EQ(kindSpec(5)->records[1].options[4], "5.合质质");
    EXPECT_EQ(kindSpec(25)->records[0].excludeByDefault, true);
    EXPECT_FALSE(kindSpec(6)->levelTolerance);
    EXPECT_FALSE(kindSpec(13)->levelTolerance);
    EXPECT_TRUE(kindSpec(23)->levelTolerance);
    EXPECT_EQ(kindSpec(21)->reference, ReferenceUse::WhenReferenceRecords);
}

TEST(ConditionCatalogue, OptionTokensAndPositionPatterns) {
    EXPECT_EQ(OptionToken("A.300"), "300");
    EXPECT_EQ(OptionToken("0.豹子"), "豹子");
    EXPECT_EQ(OptionToken("＆.222"), "222");
    EXPECT_EQ(OptionToken("W.偏假"), "偏假");
    EXPECT_EQ(OptionToken("(C)顺子"), "顺子");
    EXPECT_EQ(OptionToken("0号"), "0号");
    EXPECT_EQ(OptionToken("大"), "大");
    const auto& patterns = kindSpec(15)->records[5].options;
    ASSERT_EQ(patterns.size(), 27u);
    EXPECT_EQ(patterns[0], "a.小小小");
    EXPECT_EQ(patterns[3], "d.小中小");
    EXPECT_EQ(patterns[25], "z.大大中");
    EXPECT_EQ(patterns[26], "＆.大大大");
    EXPECT_EQ(OptionToken(kindSpec(14)->records[4].options[5]), "012");
}

/// The captions of one record, by kind and record name.
static std::vector<std::string> optionsOf(ConditionKind kind, std::string_view record) {
    const RecordSpec* spec = findRecordSpec(kind, record);
    return spec ? spec->options : std::vector<std::string>{"no such record"};
}

// The option boxes are read from the attribute rows; these are the windows' own captions, typed here.
TEST(ConditionCatalogue, OptionCaptionsAreTheWindowsTexts) {
    using V = std::vector<std::string>;
    EXPECT_EQ(optionsOf(3, "组选大小"), (V{"A.3小", "B.2小1大", "C.2大1小", "D.3大"}));
    EXPECT_EQ(optionsOf(4, "直选奇偶"), (V{"1.偶偶偶", "2.偶偶奇", "3.偶奇偶", "4.奇偶偶", "5.偶奇奇",
                                           "6.奇偶奇", "7.奇奇偶", "8.奇奇奇"}));
    EXPECT_EQ(optionsOf(5, "组选质合"), (V{"A.3合", "B.2合1质", "C.2质1合", "D.3质"}));
    EXPECT_EQ(optionsOf(12, "群号"),
              (V{"0号", "1号", "2号", "3号", "4号", "5号", "6号", "7号", "8号", "9号"}));
    EXPECT_EQ(optionsOf(13, "连号"),
              (V{"0.豹子", "1.顺子", "2.偶点半顺组六", "3.奇点半顺组六", "4.偶点杂六", "5.奇点杂六",
                 "6.偶点连号组三", "7.奇点连号组三", "8.偶点不连组三", "9.奇点不连组三"}));
    EXPECT_EQ(optionsOf(14, "0路个数"), (V{"0", "1", "2", "3"}));
    EXPECT_EQ(optionsOf(14, "组选排列"),
              (V{"A.300", "B.210", "C.201", "D.120", "E.111", "F.102", "G.030", "H.021", "I.012", "J.003"}));
    EXPECT_EQ(optionsOf(14, "形态"), (V{"a", "b", "c"}));
    EXPECT_EQ(optionsOf(15, "组选排列"), (V{"A.3小", "B.1中2小", "C.2中1小", "D.3中", "E.1大2小",
                                            "F.1大1中1小", "G.1大2中", "H.2大1小", "I.2大1中", "J.3大"}));
    EXPECT_EQ(optionsOf(16, "组选排列"), (V{"A.3复", "B.2复1隔", "C.2复1中", "D.1复2隔", "E.1复1隔1中",
                                            "F.1复2中", "G.3隔", "H.2隔1中", "I.1隔2中", "J.3中"}));
    EXPECT_EQ(optionsOf(18, "组选排列"), (V{"A.3热", "B.2热1温", "C.2热1冷", "D.1热2温", "E.1热1温1冷",
                                            "F.1热2冷", "G.3温", "H.2温1冷", "I.1温2冷", "J.3冷"}));
    const V hotDirect = optionsOf(18, "直选排列");
    ASSERT_EQ(hotDirect.size(), 27u);
    EXPECT_EQ(hotDirect[1], "b.热热温");
    EXPECT_EQ(hotDirect[17], "r.温冷冷");
    EXPECT_EQ(hotDirect[26], "＆.冷冷冷");
    EXPECT_EQ(optionsOf(21, "复隔中")[4], "E.1复1隔1中");
    EXPECT_EQ(optionsOf(21, "中码个数"), (V{"0", "1", "2", "3"}));
    // 合值 and 跨度: the class records are named after their rows, the radio pairs start on the first word.
    for (const auto& [kind, word] :
         {std::pair{10, std::string("合值")}, std::pair{11, std::string("跨度")}}) {
        SCOPED_TRACE(word);
        const KindSpec& spec = *kindSpec(kind);
        ASSERT_EQ(spec.records.size(), 6u);
        const V names{word, word + "大小", word + "奇偶", word + "质合", word + "大中小", word + "012路"};
        for (std::size_t i = 0; i < names.size(); ++i)
            EXPECT_EQ(spec.records[i].name, names[i]);
        EXPECT_EQ(spec.records[0].gridMax, 9);
        EXPECT_EQ(spec.records[1].options, (V{"大数", "小数"}));
        EXPECT_EQ(spec.records[1].defaultOptions, "大数");
        EXPECT_EQ(spec.records[2].options, (V{"奇数", "偶数"}));
        EXPECT_EQ(spec.records[3].defaultOptions, "质数");
        EXPECT_EQ(spec.records[4].options, (V{"大", "中", "小"}));
        EXPECT_EQ(spec.records[5].options, (V{"0路", "1路", "2路"}));
    }
    EXPECT_EQ(findRecordSpec(6, "和值")->gridMax, 27);
    EXPECT_EQ(findRecordSpec(7, "个位")->gridMax, 9);
}

TEST(ConditionEditor, AddFlowRefusalsInOrder) {
    PanelState panel = defaultPanelState(2);
    EXPECT_EQ(BuildConditionLine(panel, {}, -1).error().message, "请选择条件");
    panel.records[0] = {true, "0 1 ", true, true};
    panel.records[2] = {true, "", true, true};
    panel.levelTolerance = true;
    panel.levelEnd = 3;
    EXPECT_EQ(BuildConditionLine(panel, {}, -1).error().message,
              "请检查您设置的本级容错,容错最大值为: 3个  允许容错的条件为：2 个");
    panel.levelEnd = 2;
    EXPECT_EQ(BuildConditionLine(panel, {}, -1).error().message, "请限定 最大号 条件值");
    panel.records[2].value = "9 ";
    const auto line = BuildConditionLine(panel, {}, -1);
    ASSERT_TRUE(line);
    EXPECT_EQ(line->counts, "2|2|0-2");
    EXPECT_EQ(line->content, "最小号~0 1~1~1&最大号~9~1~1&");
    EXPECT_EQ(line->keyword, "顺序排序");
    EXPECT_EQ(line->tolerant, "0");
    // Count lists need both values and counts.
    PanelState k19 = defaultPanelState(19);
    k19.records[3] = {true, "7 11^^1", true, false};
    EXPECT_EQ(BuildConditionLine(k19, {}, -1).error().message, "条件 任意两码和 限定不合法");
    k19.records[3].value = "7 11^1 2 ^1";
    EXPECT_EQ(BuildConditionLine(k19, {}, -1)->content, "任意两码和~7 11^1 2 ^1~1~0&");
}

TEST(ConditionEditor, SeriesKindsAndSingleRecordColumns) {
    const ConditionList list{{"1", "已出号码", "1|0|无设置", "1", "0", "已出号码~30^0~0~0&%0"}};
    PanelState hot = defaultPanelState(18);
    hot.records[3] = {true, "a b ", true, false};
    hot.series = 2;
    hot.sets = {"124", "356", "0789", std::nullopt};
    EXPECT_EQ(BuildConditionLine(hot, list, -1).error().message,
              "您的过滤条件区已经存在其它星轨参数  条件序号1 为正常号码");
    hot.series = 0;
    EXPECT_EQ(BuildConditionLine(hot, list, -1)->content, "形态~a b~1~0&124^356^0789%0");
    hot.series = 9;
    EXPECT_EQ(BuildConditionLine(hot, {}, -1).error().message, "星轨参数只支持 星轨1..星轨6");
    // 任意位合 without a 复隔中 record carries no series and is not checked.
    PanelState k21 = defaultPanelState(21);
    k21.records[1] = {true, "12 ", true, false};
    k21.series = 3;
    k21.sets = {"035", "128", "4679", std::nullopt};
    EXPECT_EQ(BuildConditionLine(k21, list, -1)->content, "任意位合二码~12~1~0&035^128^4679");
    // Each of its five records that read the code lists puts the series on; the pair picker does not.
    for (std::size_t record = 1; record < k21.records.size(); ++record) {
        PanelState one = defaultPanelState(21);
        const std::array<std::string, 7> values{"", "12 ", "3复 ", "1 ", "2 ", "0 ", "a "};
        one.records[record] = {true, values[record], true, false};
        one.series = 3;
        one.sets = k21.sets;
        const auto built = BuildConditionLine(one, {}, -1);
        ASSERT_TRUE(built) << record;
        EXPECT_EQ(built->content.ends_with("%3"), record >= 2) << built->content;
    }
    // 已出号码: excluded by default, the series after the record, the 容错 box into the column.
    PanelState drawn = defaultPanelState(25);
    drawn.records[0].ticked = true;
    drawn.records[0].value = "3x";
    EXPECT_EQ(BuildConditionLine(drawn, {}, -1).error().message, "请输入正确的期数");
    drawn.records[0].value = "30";
    drawn.records[0].tolerant = true;
    const auto line = BuildConditionLine(drawn, {}, -1);
    ASSERT_TRUE(line);
    EXPECT_EQ(line->content, "已出号码~30^0~0~1&%0");
    EXPECT_EQ(line->counts, "1|0|无设置");
    EXPECT_EQ(line->tolerant, "1");
}

TEST(ConditionEditor, LoadLineRestoresThePanel) {
    const ConditionLine k14{"0", "012路", "2|1|1-1", "0", "0", "组选排列~300 111~1~0&2路个数~1 2~0~1"};
    const PanelState panel = LoadPanelState(k14);
    EXPECT_TRUE(panel.records[3].ticked);
    EXPECT_EQ(MarkOptions(kindSpec(14)->records[3], panel.records[3].value),
              (std::vector<bool>{true, false, false, false, true, false, false, false, false, false}));
    EXPECT_TRUE(panel.records[2].ticked);
    EXPECT_FALSE(panel.records[2].keep);
    EXPECT_TRUE(panel.records[2].tolerant);
    EXPECT_FALSE(panel.records[0].ticked);
    EXPECT_TRUE(panel.levelTolerance);
    EXPECT_EQ(panel.levelBegin, 1);
    EXPECT_EQ(panel.levelEnd, 1);
    // Saving again rewrites 使用 and 保留 as "1".
    const auto again = BuildConditionLine(panel, {}, 0);
    ASSERT_TRUE(again);
    EXPECT_EQ(again->use, "1");
    EXPECT_EQ(again->keep, "1");
    EXPECT_EQ(again->content, "2路个数~1 2~0~1&组选排列~300 111~1~0&");
    // 连号 takes its 容错 from the column; history kinds their series and lists.
    const PanelState k13 = LoadPanelState({"1", "连号", "1|0|无设置", "1", "1", "连号~豹子~0~0&"});
    EXPECT_TRUE(k13.records[0].tolerant);
    EXPECT_FALSE(k13.records[0].keep);
    const PanelState k16 =
        LoadPanelState({"1", "复隔中", "1|0|无设置", "1", "0", "形态~a~1~0&035^128^4679%4"});
    EXPECT_EQ(k16.series, 4);
    EXPECT_EQ(k16.sets.set2, "128");
    EXPECT_TRUE(k16.records[3].ticked);
    // Opened for a change, the code lists are made again from the current history of the series.
    DrawList draws{{"2024001", "123"}, {"2024002", "777"}};
    const SeriesHistory history{&draws, nullptr};
    const PanelState fresh =
        LoadPanelState({"1", "复隔中", "1|0|无设置", "1", "0", "形态~a~1~0&035^128^4679%0"}, history);
    EXPECT_EQ(fresh.sets, (ReferenceElement{"7", "123", "045689", std::nullopt}));
    EXPECT_EQ(fresh.series, 0);
    EXPECT_TRUE(fresh.records[3].ticked);
    const PanelState tails =
        LoadPanelState({"1", "任意位合", "1|0|无设置", "1", "0", "形态~a~1~0&1^2^3%0"}, history);
    EXPECT_EQ(tails.sets.set1, "4"); // 777 gives the tails 444
    const DrawList one{{"2024001", "123"}};
    const PanelState kept = LoadPanelState({"1", "任意位合", "1|0|无设置", "1", "0", "形态~a~1~0&1^2^3%0"},
                                           SeriesHistory{&one, nullptr});
    EXPECT_EQ(kept.sets.set1, "1"); // one period: the preset does nothing
    const PanelState k25 = LoadPanelState({"1", "已出号码", "1|0|无设置", "1", "0", "已出号码~30^2~0~0&%2"});
    EXPECT_EQ(k25.records[0].value, "30");
    EXPECT_EQ(k25.series, 2);
    const PanelState k8 = LoadPanelState(
        {"1", "定位复式", "2|0|无设置", "1", "0", "按位复式~1^0/1/2^3~1~0&按位复式~0^3/4/5^1~1~0"});
    ASSERT_EQ(k8.records.size(), 2u);
    EXPECT_EQ(UpdateConditionCount(k8).conditions, 1);
}

TEST(ConditionEditor, CollectedValues) {
    EXPECT_EQ(groupTypeValue(false, true, true, false, false, true, true, true), "组三_连 ");
    EXPECT_EQ(groupTypeValue(true, false, true, true, true, true, false, true), "豹子号 顺子 杂六 ");
    const RecordSpec& arrangement = kindSpec(14)->records[3];
    std::vector<bool> ticked(10, false);
    ticked[0] = ticked[1] = ticked[4] = true;
    EXPECT_EQ(CollectOptions(arrangement, ticked), "300 210 111 ");
}

TEST(ConditionEditor, PresetsRowsAndPickerChoices) {
    EXPECT_EQ(sumPresetValues("0路"), (std::vector<int>{0, 3, 6, 9, 12, 15, 18, 21, 24, 27}));
    EXPECT_EQ(sumPresetValues("奇数").size(), 14u);
    EXPECT_TRUE(sumPresetValues("选号").empty());
    EXPECT_EQ(*positionRowValue(true, {"3210", "654", "987"}, "32"), "1^0123/456/789^23");
    EXPECT_EQ(positionRowValue(true, {"0", "", "9"}, "3").error().message, "复式输入格式不正确!");
    EXPECT_EQ(positionRowValue(true, {"0", "1", "9"}, "").error().message, "请设置中出位置!");
    EXPECT_EQ(*groupRowValue(true, "7520", "21", true), "1^0257^12^1");
    EXPECT_EQ(groupRowValue(true, "", "1", true).error().message, "号码组输入格式不正确!");
    const auto signedChoices = SetupChoices({-9, 9, {}, false}, "-3 0 5");
    ASSERT_EQ(signedChoices.size(), 19u);
    EXPECT_EQ(signedChoices.front().text, "-9");
    int ticked = 0;
    for (const auto& c : signedChoices)
        ticked += c.ticked;
    EXPECT_EQ(ticked, 3);
    EXPECT_TRUE(signedChoices[6].ticked); // -3
    const auto twoDigit = SetupChoices(kindSpec(24)->records[0].picker, "05");
    ASSERT_EQ(twoDigit.size(), 100u);
    EXPECT_EQ(twoDigit[5].text, "05");
    EXPECT_TRUE(twoDigit[5].ticked);
    EXPECT_EQ(SetupChoices(kindSpec(24)->records[3].picker, "").size(), 55u);
    EXPECT_EQ(SetupChoices(kindSpec(21)->records[1].picker, "").size(), 45u);
}
