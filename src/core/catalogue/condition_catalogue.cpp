#include "core/catalogue/condition_catalogue.h"

#include <array>

#include "core/attributes/bias_classes.h"

namespace p3::core {
namespace {

using Options = std::vector<std::string>;
using T = RecordTest;
using In = RecordInput;

const Options kCountOptions{"0", "1", "2", "3"};
const Options kShapeOptions{"a", "b", "c"};
const Options kRouteOptions{"0路", "1路", "2路"};
const Options kBigMidSmallOptions{"大", "中", "小"};

/// The keywords of kinds 1..25 in kind order.
constexpr std::array<std::string_view, kConditionKindCount> kKeywords{
    "组选类型", "顺序排序", "大小参数", "奇偶参数", "质合参数", "和值",     "定位号码", "定位复式", "号码组",
    "合值",     "跨度",     "群号",     "连号",     "012路",    "大中小",   "复隔中",   "邻孤传",   "热温冷",
    "位和",     "位合",     "任意位合", "位差",     "偏态",     "二码过滤", "已出号码"};

const std::array<std::string_view, 10> kRoutePatterns{"300", "210", "201", "120", "111",
                                                      "102", "030", "021", "012", "003"};

/// Makes a kind a reference kind: its content ends in the three code lists of `family`, filled by the
/// series selector `selector` as `preset` says.
void setReference(KindSpec& spec, ReferenceUse use, const PatternFamily& family, ReferencePreset preset,
                  std::string selector) {
    spec.reference = use;
    spec.family = &family;
    spec.preset = preset;
    spec.seriesSelector = std::move(selector);
    spec.classWords.assign(family.classWords.begin(), family.classWords.end());
}

Options familyPatterns(const std::string& a, const std::string& b, const std::string& c) {
    const std::array<std::string, 10> words{"3" + a,
                                            "2" + a + "1" + b,
                                            "2" + a + "1" + c,
                                            "1" + a + "2" + b,
                                            "1" + a + "1" + b + "1" + c,
                                            "1" + a + "2" + c,
                                            "3" + b,
                                            "2" + b + "1" + c,
                                            "1" + b + "2" + c,
                                            "3" + c};
    Options out;
    const std::string_view letters = "ABCDEFGHIJ";
    for (std::size_t i = 0; i < words.size(); ++i)
        out.push_back(std::string(1, letters[i]) + "." + words[i]);
    return out;
}

RecordSpec rec(std::string name, T test, In input, Options options = {}, std::string defaults = {}) {
    RecordSpec r;
    r.caption = name;
    r.name = std::move(name);
    r.test = test;
    r.input = input;
    r.options = std::move(options);
    r.defaultOptions = std::move(defaults);
    return r;
}

RecordSpec grid(std::string name, T test, std::string gridName, int max) {
    RecordSpec r = rec(std::move(name), test, In::ValueGrid);
    r.gridName = std::move(gridName);
    r.gridMax = max;
    return r;
}

RecordSpec picker(std::string name, T test, In input, int low, int high, std::string words = {},
                  bool twoDigit = false, std::string defaults = {}) {
    RecordSpec r = rec(std::move(name), test, input, input == In::CountList ? kCountOptions : Options{},
                       std::move(defaults));
    r.picker = {low, high, std::move(words), twoDigit};
    return r;
}

Options binaryGroupOptions(const std::string& small, const std::string& big) {
    return {"A.3" + small, "B.2" + small + "1" + big, "C.2" + big + "1" + small, "D.3" + big};
}

Options binaryDirectOptions(const std::string& no, const std::string& yes) {
    Options out;
    // 小小小, 小小大, 小大小, 大小小, 小大大, 大小大, 大大小, 大大大 — the order of the forms.
    const std::array<std::array<int, 3>, 8> order{
        {{0, 0, 0}, {0, 0, 1}, {0, 1, 0}, {1, 0, 0}, {0, 1, 1}, {1, 0, 1}, {1, 1, 0}, {1, 1, 1}}};
    for (std::size_t i = 0; i < order.size(); ++i) {
        std::string caption = std::to_string(i + 1) + ".";
        for (int bit : order[i])
            caption += bit ? yes : no;
        out.push_back(caption);
    }
    return out;
}

std::vector<RecordSpec> tailOrSpanRecords(const std::string& word, std::array<T, 6> tests,
                                          std::string gridName) {
    return {grid(word, tests[0], std::move(gridName), 9),
            rec(word + "大小", tests[1], In::RadioPair, {"大数", "小数"}, "大数"),
            rec(word + "奇偶", tests[2], In::RadioPair, {"奇数", "偶数"}, "奇数"),
            rec(word + "质合", tests[3], In::RadioPair, {"质数", "合数"}, "质数"),
            rec(word + "大中小", tests[4], In::Options, kBigMidSmallOptions),
            rec(word + "012路", tests[5], In::Options, kRouteOptions)};
}

std::vector<RecordSpec> referenceRecords(const PatternFamily& family) {
    const std::array<std::string, 3> w{std::string(family.classWords[0]), std::string(family.classWords[1]),
                                       std::string(family.classWords[2])};
    return {rec(w[0] + "码个数", T::RefCount1, In::Options, kCountOptions),
            rec(w[1] + "码个数", T::RefCount2, In::Options, kCountOptions),
            rec(w[2] + "码个数", T::RefCount3, In::Options, kCountOptions),
            rec("形态", T::RefShape, In::Options, kShapeOptions),
            rec("组选排列", T::RefPattern, In::Options, familyPatterns(w[0], w[1], w[2])),
            rec("直选排列", T::RefDirect, In::Options, positionPatternOptions(w[0], w[1], w[2]))};
}

KindSpec kind(ConditionKind k, EditorWindow editor, std::string tab, std::string panel, bool levelTolerance,
              std::vector<RecordSpec> records) {
    KindSpec spec;
    spec.kind = k;
    spec.keyword = std::string(kKeywords[static_cast<std::size_t>(k - 1)]);
    spec.editor = editor;
    spec.editorClass = editor == EditorWindow::Common           ? "TF_GuoL_FuZhu"
                       : editor == EditorWindow::TenSubdivision ? "TF_GuoL_FuZhu_2"
                                                                : "TF_GuoL_FuZhu_3";
    spec.tab = std::move(tab);
    spec.panel = std::move(panel);
    spec.levelTolerance = levelTolerance;
    spec.records = std::move(records);
    return spec;
}

/// Bias options captioned with the chart's mark: "W.偏假", "P.偏态" ...
template <std::size_t N> Options markedOptions(const std::array<BiasSummaryValue, N>& values) {
    Options out;
    for (const auto& v : values)
        out.push_back(std::string(1, v.mark) + "." + std::string(v.word));
    return out;
}

/// The sixteen classes in the order the chart shows them: "E.三重偏" ... "V.真正".
Options biasClassOptions() {
    Options out;
    for (int c : kBiasDisplayOrder) {
        const BiasClass& bias = kBiasClasses[static_cast<std::size_t>(c)];
        out.push_back(std::string(1, bias.chartMark) + "." + std::string(bias.name));
    }
    return out;
}

const std::string kTwoPairWords =
    "00 01 02 03 04 05 06 07 08 09 11 12 13 14 15 16 17 18 19 22 23 24 25 26 27 28 29 33 "
    "34 35 36 37 38 39 44 45 46 47 48 49 55 56 57 58 59 66 67 68 69 77 78 79 88 89 99";
const std::string kDistinctPairWords =
    "01 02 03 04 05 06 07 08 09 12 13 14 15 16 17 18 19 23 24 25 26 27 28 29 34 35 "
    "36 37 38 39 45 46 47 48 49 56 57 58 59 67 68 69 78 79 89";

std::vector<KindSpec> buildCatalogue() {
    using E = EditorWindow;
    std::vector<KindSpec> c;
    c.push_back(
        kind(1, E::Common, "常用参数", "PCTj_Cmd_1_01", false,
             {rec("组选类型", T::GroupType, In::GroupType,
                  {"(A)豹子号", "(B)组三", "带连号", "不带连号", "组六", "(C)顺子", "(D)半顺", "(E)杂六"},
                  "带连号 不带连号 顺子 半顺 杂六")}));
    c.back().records[0].boxName = "Tz_L_Baozj";
    c.back().singleRecord = true;
    c.push_back(kind(2, E::Common, "常用参数", "PCTj_Cmd_1_02", true,
                     {grid("最小号", T::SortedLow, "Tj_02_Grid_1", 9),
                      grid("中间号", T::SortedMiddle, "Tj_02_Grid_2", 9),
                      grid("最大号", T::SortedHigh, "Tj_02_Grid_3", 9)}));
    const std::array<std::array<std::string, 4>, 3> binary{
        {{"大小", "小", "大", "Size"}, {"奇偶", "偶", "奇", "Parity"}, {"质合", "合", "质", "Prime"}}};
    const std::array<std::array<T, 2>, 3> binaryTests{
        {{T::GroupSize, T::DirectSize}, {T::GroupParity, T::DirectParity}, {T::GroupPrime, T::DirectPrime}}};
    for (int i = 0; i < 3; ++i) {
        const auto& b = binary[static_cast<std::size_t>(i)];
        const auto& t = binaryTests[static_cast<std::size_t>(i)];
        c.push_back(kind(3 + i, E::Common, "常用参数", "PCTj_Cmd_1_0" + std::to_string(3 + i), true,
                         {rec("组选" + b[0], t[0], In::Options, binaryGroupOptions(b[1], b[2])),
                          rec("直选" + b[0], t[1], In::Options, binaryDirectOptions(b[1], b[2]))}));
    }
    c.push_back(
        kind(6, E::Common, "常用参数", "PCTj_Cmd_1_06", false, {grid("和值", T::Sum, "Tj_06_Grid_1", 27)}));
    c.back().singleRecord = true;
    c.push_back(kind(7, E::Common, "常用参数", "PCTj_Cmd_1_07", true,
                     {grid("百位", T::Hundreds, "Tj_07_Grid_1", 9), grid("十位", T::Tens, "Tj_07_Grid_2", 9),
                      grid("个位", T::Units, "Tj_07_Grid_3", 9)}));
    c.push_back(kind(8, E::Common, "常用参数", "PCTj_Cmd_1_08", true,
                     {rec("按位复式", T::PositionSets, In::PositionRows)}));
    c.push_back(
        kind(9, E::Common, "常用参数", "PCTj_Cmd_1_09", true, {rec("号码组", T::DigitGroup, In::GroupRows)}));
    c.push_back(kind(10, E::TenSubdivision, "十细分参数", "P_Cmd_2_01", true,
                     tailOrSpanRecords("合值",
                                       {T::Tail, T::TailSize, T::TailParity, T::TailPrime, T::TailBigMidSmall,
                                        T::TailRoute},
                                       "Tj_01_Grid_1")));
    c.push_back(kind(11, E::TenSubdivision, "十细分参数", "P_Cmd_2_02", true,
                     tailOrSpanRecords("跨度",
                                       {T::Span, T::SpanSize, T::SpanParity, T::SpanPrime, T::SpanBigMidSmall,
                                        T::SpanRoute},
                                       "Tj_02_Grid_1")));
    Options orderShapes;
    for (int i = 0; i < 10; ++i)
        orderShapes.push_back(std::to_string(i) + "号");
    c.push_back(kind(12, E::TenSubdivision, "十细分参数", "P_Cmd_2_03", false,
                     {rec("群号", T::OrderShape, In::Options, orderShapes)}));
    c.back().singleRecord = true;
    c.back().fixedRecord = true;
    c.push_back(kind(13, E::TenSubdivision, "十细分参数", "P_Cmd_2_04", false,
                     {rec("连号", T::ShapeCode, In::Options,
                          {"0.豹子", "1.顺子", "2.偶点半顺组六", "3.奇点半顺组六", "4.偶点杂六", "5.奇点杂六",
                           "6.偶点连号组三", "7.奇点连号组三", "8.偶点不连组三", "9.奇点不连组三"})}));
    c.back().singleRecord = true;
    c.back().fixedRecord = true;
    Options routeGroup;
    for (std::size_t i = 0; i < kRoutePatterns.size(); ++i)
        routeGroup.push_back(std::string(1, static_cast<char>('A' + i)) + "." +
                             std::string(kRoutePatterns[i]));
    c.push_back(kind(14, E::TenSubdivision, "十细分参数", "P_Cmd_2_05", true,
                     {rec("0路个数", T::Route0Count, In::Options, kCountOptions),
                      rec("1路个数", T::Route1Count, In::Options, kCountOptions),
                      rec("2路个数", T::Route2Count, In::Options, kCountOptions),
                      rec("组选排列", T::RoutePattern, In::Options, routeGroup),
                      rec("直选排列", T::RouteDirect, In::Options, positionPatternOptions("0", "1", "2")),
                      rec("形态", T::RouteShape, In::Options, kShapeOptions)}));
    c.push_back(
        kind(15, E::TenSubdivision, "十细分参数", "P_Cmd_2_06", true,
             {rec("大数个数", T::BigCount, In::Options, kCountOptions, "0"),
              rec("中数个数", T::MiddleCount, In::Options, kCountOptions),
              rec("小数个数", T::SmallCount, In::Options, kCountOptions),
              rec("形态", T::SizeShape, In::Options, kShapeOptions),
              rec("组选排列", T::SizePattern, In::Options,
                  {"A.3小", "B.1中2小", "C.2中1小", "D.3中", "E.1大2小", "F.1大1中1小", "G.1大2中",
                   "H.2大1小", "I.2大1中", "J.3大"}),
              rec("直选排列", T::SizeDirect, In::Options, positionPatternOptions("小", "中", "大"))}));
    const std::array<const PatternFamily*, 3> families{
        &kRepeatGapMiddleFamily, &kAdjacentIsolatedTransmittedFamily, &kHotWarmColdFamily};
    const std::array<ReferencePreset, 3> presets{ReferencePreset::RepeatGapMiddle,
                                                 ReferencePreset::AdjacentIsolatedTransmitted,
                                                 ReferencePreset::HotWarmCold};
    const std::array<std::string, 3> historyPanels{"P_Cmd_2_07", "P_Cmd_2_08", "P_Cmd_2_10"};
    const std::array<std::string, 3> selectors{"XingGui_FuGeZhong", "XingGui_LinGuChuan", "XingGui_RWL"};
    for (std::size_t i = 0; i < 3; ++i) {
        auto spec = kind(16 + static_cast<int>(i), E::TenSubdivision, "十细分参数", historyPanels[i], true,
                         referenceRecords(*families[i]));
        setReference(spec, ReferenceUse::Always, *families[i], presets[i], selectors[i]);
        c.push_back(std::move(spec));
    }
    c.push_back(kind(19, E::TwoPosition, "两位参数", "P_Cmd_3_01", true,
                     {picker("百+十", T::PairSumHT, In::PickerEdit, 0, 18),
                      picker("百+个", T::PairSumHU, In::PickerEdit, 0, 18),
                      picker("十+个", T::PairSumTU, In::PickerEdit, 0, 18),
                      picker("任意两码和", T::PairSumCount, In::CountList, 0, 18, {}, false, "1")}));
    c.push_back(kind(20, E::TwoPosition, "两位参数", "P_Cmd_3_02", true,
                     {picker("百+十(位合)", T::PairTailHT, In::PickerEdit, 0, 9),
                      picker("百+个(位合)", T::PairTailHU, In::PickerEdit, 0, 9),
                      picker("十+个(位合)", T::PairTailTU, In::PickerEdit, 0, 9)}));
    {
        auto spec = kind(21, E::TwoPosition, "两位参数", "P_Cmd_3_03", true,
                         {picker("任意位合", T::TailsCount, In::CountList, 0, 9),
                          picker("任意位合二码", T::TailsPairs, In::PickerEdit, 0, 0, kDistinctPairWords),
                          rec("复隔中", T::TailsRefPattern, In::Options, familyPatterns("复", "隔", "中")),
                          rec("复码个数", T::TailsRefCount1, In::Options, kCountOptions),
                          rec("隔码个数", T::TailsRefCount2, In::Options, kCountOptions),
                          rec("中码个数", T::TailsRefCount3, In::Options, kCountOptions),
                          rec("形态", T::TailsRefShape, In::Options, kShapeOptions)});
        setReference(spec, ReferenceUse::WhenReferenceRecords, kRepeatGapMiddleFamily,
                     ReferencePreset::PairTails, "XingGui_FuGeZhong");
        spec.hint = "提示：只要号码的任意位合中含有一个组合在其中，便符合条件";
        c.push_back(std::move(spec));
    }
    c.push_back(kind(22, E::TwoPosition, "两位参数", "P_Cmd_3_04", true,
                     {picker("任意位差", T::AbsDiffCount, In::CountList, 0, 9),
                      picker("百-十", T::DiffHT, In::PickerEdit, -9, 9),
                      picker("百-个", T::DiffHU, In::PickerEdit, -9, 9),
                      picker("十-个", T::DiffTU, In::PickerEdit, -9, 9),
                      picker("百-十(绝对值)", T::AbsDiffHT, In::PickerEdit, 0, 9),
                      picker("百-个(绝对值)", T::AbsDiffHU, In::PickerEdit, 0, 9),
                      picker("十-个(绝对值)", T::AbsDiffTU, In::PickerEdit, 0, 9)}));
    c.push_back(kind(23, E::TwoPosition, "高级参数", "P_Cmd_3_05", true,
                     {rec("二细分", T::BiasTwo, In::RadioPair, markedOptions(kBiasTwoWayValues),
                          std::string(kBiasTwoWayValues[0].word)),
                      rec("三细分", T::BiasThree, In::Options, markedOptions(kBiasThreeWayValues)),
                      rec("偏态细分", T::BiasFine, In::Options, biasClassOptions())}));
    c.push_back(kind(24, E::Common, "常用参数", "PCTj_Cmd_1_10", true,
                     {picker("百十", T::TwoHT, In::PickerEdit, 0, 99, {}, true),
                      picker("百个", T::TwoHU, In::PickerEdit, 0, 99, {}, true),
                      picker("十个", T::TwoTU, In::PickerEdit, 0, 99, {}, true),
                      picker("任意二码", T::AnyTwo, In::PickerEdit, 0, 0, kTwoPairWords)}));
    c.back().hint = "提示：只要号码的任意一组二码组合在限定范围内就符合条件。";
    {
        auto drawn = picker("已出号码", T::DrawnBefore, In::PeriodSeries, 0, 0,
                            "10 20 30 40 50 60 70 80 90 100 110 120 130 140 150 200");
        drawn.excludeByDefault = true;
        auto spec = kind(25, E::Common, "常用参数", "PCTj_Cmd_1_11", false, {drawn});
        spec.seriesSelector = "XingGui_LeiBie1";
        spec.drawnWindow = true;
        spec.singleRecord = true;
        c.push_back(std::move(spec));
    }
    return c;
}

} // namespace

const std::vector<KindSpec>& conditionCatalogue() {
    static const std::vector<KindSpec> catalogue = buildCatalogue();
    return catalogue;
}

const KindSpec* kindSpec(ConditionKind kind) {
    const auto& c = conditionCatalogue();
    return kind >= 1 && kind <= static_cast<int>(c.size()) ? &c[static_cast<std::size_t>(kind - 1)] : nullptr;
}

ConditionKind KindOfKeyword(std::string_view keyword) noexcept {
    for (const KindSpec& spec : conditionCatalogue())
        if (spec.keyword == keyword) return spec.kind;
    return 0;
}

std::string_view keywordOfKind(ConditionKind kind) noexcept {
    const KindSpec* spec = kindSpec(kind);
    return spec ? std::string_view(spec->keyword) : std::string_view{};
}

bool isSingleRecordKind(ConditionKind kind) noexcept {
    const KindSpec* spec = kindSpec(kind);
    return spec && spec->singleRecord;
}

bool hasReferenceElement(ConditionKind kind) noexcept {
    const KindSpec* spec = kindSpec(kind);
    return spec && spec->reference != ReferenceUse::None;
}

bool isDrawnWindowKind(ConditionKind kind) noexcept {
    const KindSpec* spec = kindSpec(kind);
    return spec && spec->drawnWindow;
}

bool isRowListKind(ConditionKind kind) noexcept {
    const KindSpec* spec = kindSpec(kind);
    if (!spec || spec->records.empty()) return false;
    const RecordInput input = spec->records.front().input;
    return input == RecordInput::PositionRows || input == RecordInput::GroupRows;
}

const RecordSpec* findRecordSpec(ConditionKind kind, std::string_view name) {
    const KindSpec* spec = kindSpec(kind);
    if (!spec) return nullptr;
    for (const auto& r : spec->records)
        if (r.name == name) return &r;
    return nullptr;
}

RecordTest recordTestOf(ConditionKind kind, std::string_view name) {
    const RecordSpec* r = findRecordSpec(kind, name);
    return r ? r->test : RecordTest::None;
}

std::string OptionToken(std::string_view caption) {
    if (const auto p = caption.find(')'); p != std::string_view::npos)
        return std::string(caption.substr(p + 1));
    if (const auto p = caption.find('.'); p != std::string_view::npos)
        return std::string(caption.substr(p + 1));
    return std::string(caption);
}

std::vector<std::string> positionPatternOptions(std::string_view w0, std::string_view w1,
                                                std::string_view w2) {
    const std::array<std::string_view, 3> words{w0, w1, w2};
    std::vector<std::string> out;
    for (int i = 0; i < 27; ++i) {
        std::string caption = i < 26 ? std::string(1, static_cast<char>('a' + i)) : std::string("＆");
        caption += ".";
        caption += words[static_cast<std::size_t>(i / 9)];
        caption += words[static_cast<std::size_t>(i / 3 % 3)];
        caption += words[static_cast<std::size_t>(i % 3)];
        out.push_back(std::move(caption));
    }
    return out;
}

bool isKind21ReferenceRecord(std::string_view name) {
    return name == "复隔中" || name == "复码个数" || name == "隔码个数" || name == "中码个数" ||
           name == "形态";
}

} // namespace p3::core
