#include "core/catalogue/condition_catalogue.h"

#include <array>

#include "core/attributes/bias_classes.h"

namespace p3::core {
namespace {

using Options = std::vector<std::string>;
using A = AttributeId;
using E = RecordEngine;
using In = RecordInput;

/// The allowed counts of a count list: how many of its three items are among the chosen values.
const Options kCountListCounts{"0", "1", "2", "3"};

/// The keywords of kinds 1..25 in kind order.
constexpr std::array<std::string_view, kConditionKindCount> kKeywords{
    "组选类型", "顺序排序", "大小参数", "奇偶参数", "质合参数", "和值",     "定位号码", "定位复式", "号码组",
    "合值",     "跨度",     "群号",     "连号",     "012路",    "大中小",   "复隔中",   "邻孤传",   "热温冷",
    "位和",     "位合",     "任意位合", "位差",     "偏态",     "二码过滤", "已出号码"};

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

/// How an option caption puts a mark before its value name.
enum class Mark : std::uint8_t {
    None,     ///< the value name alone ("0路", "a")
    Capital,  ///< "A.", "B.", ...
    Small,    ///< "a." ... "z.", then "＆."
    FromOne,  ///< "1.", "2.", ...
    FromZero, ///< "0.", "1.", ...
};

std::string markOf(Mark mark, std::size_t i) {
    switch (mark) {
    case Mark::None:
        return {};
    case Mark::Capital:
        return std::string(1, static_cast<char>('A' + i)) + ".";
    case Mark::Small:
        return i < 26 ? std::string(1, static_cast<char>('a' + i)) + "." : std::string("＆.");
    case Mark::FromOne:
        return std::to_string(i + 1) + ".";
    case Mark::FromZero:
        return std::to_string(i) + ".";
    }
    return {};
}

/// The option captions of an attribute row: its value names in value order, each after its mark, in the
/// words of `family` for the family-worded rows. The options are the row's values, so a ticked option is
/// always a value the filter computes.
Options optionsOf(AttributeId id, Mark mark = Mark::None,
                  const PatternFamily& family = kRepeatGapMiddleFamily) {
    Options out;
    const std::size_t count = attributeRow(id).vocabulary.size();
    for (std::size_t i = 0; i < count; ++i)
        out.push_back(markOf(mark, i) + attributeWord(id, static_cast<int>(i), family));
    return out;
}

RecordSpec rec(std::string name, RecordTest test, In input, Options options = {}, std::string defaults = {}) {
    RecordSpec r;
    r.caption = name;
    r.name = std::move(name);
    r.test = test;
    r.input = input;
    r.options = std::move(options);
    r.defaultOptions = std::move(defaults);
    return r;
}

/// A value grid offers the values 0..max of its attribute row, whose value names are those numerals.
RecordSpec grid(std::string name, AttributeId id, std::string gridName) {
    RecordSpec r = rec(std::move(name), id, In::ValueGrid);
    r.gridName = std::move(gridName);
    r.gridMax = static_cast<int>(attributeRow(id).vocabulary.size()) - 1;
    return r;
}

RecordSpec picker(std::string name, RecordTest test, In input, int low, int high, std::string words = {},
                  bool twoDigit = false, std::string defaults = {}) {
    RecordSpec r = rec(std::move(name), test, input, input == In::CountList ? kCountListCounts : Options{},
                       std::move(defaults));
    r.picker = {low, high, std::move(words), twoDigit};
    return r;
}

/// The six records of a value 0..9 (合值, 跨度): the value, then its size, parity, prime, 大中小 and route,
/// named and worded by the attribute rows that follow `first`.
std::vector<RecordSpec> valueClassRecords(AttributeId first, std::string gridName) {
    const auto id = [&](int k) { return static_cast<A>(static_cast<int>(first) + k); };
    const auto name = [&](int k) { return std::string(attributeRow(id(k)).name); };
    const auto radio = [&](int k) {
        const Options options = optionsOf(id(k));
        return rec(name(k), id(k), In::RadioPair, options, options.front());
    };
    return {grid(name(0), first, std::move(gridName)),
            radio(1),
            radio(2),
            radio(3),
            rec(name(4), id(4), In::Options, optionsOf(id(4))),
            rec(name(5), id(5), In::Options, optionsOf(id(5)))};
}

std::vector<RecordSpec> referenceRecords(const PatternFamily& family) {
    const auto count = [&](std::size_t k, AttributeId id) {
        return rec(std::string(family.classWords[k]) + "码个数", id, In::Options, optionsOf(id));
    };
    return {count(0, A::ClassCount0),
            count(1, A::ClassCount1),
            count(2, A::ClassCount2),
            rec("形态", A::ClassShape, In::Options, optionsOf(A::ClassShape)),
            rec("组选排列", A::ClassPattern, In::Options, optionsOf(A::ClassPattern, Mark::Capital, family)),
            rec("直选排列", A::ClassDirect, In::Options, optionsOf(A::ClassDirect, Mark::Small, family))};
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
    using EW = EditorWindow;
    std::vector<KindSpec> c;
    c.push_back(
        kind(1, EW::Common, "常用参数", "PCTj_Cmd_1_01", false,
             {rec("组选类型", A::GroupTypeFine, In::GroupType,
                  {"(A)豹子号", "(B)组三", "带连号", "不带连号", "组六", "(C)顺子", "(D)半顺", "(E)杂六"},
                  "带连号 不带连号 顺子 半顺 杂六")}));
    c.back().records[0].boxName = "Tz_L_Baozj";
    c.back().singleRecord = true;
    c.push_back(
        kind(2, EW::Common, "常用参数", "PCTj_Cmd_1_02", true,
             {grid("最小号", A::SortedLow, "Tj_02_Grid_1"), grid("中间号", A::SortedMiddle, "Tj_02_Grid_2"),
              grid("最大号", A::SortedHigh, "Tj_02_Grid_3")}));
    struct Binary {
        std::string word;
        AttributeId group, direct;
    };
    const std::array<Binary, 3> binary{{{"大小", A::SizeGroup, A::SizeDirect},
                                        {"奇偶", A::ParityGroup, A::ParityDirect},
                                        {"质合", A::PrimeGroup, A::PrimeDirect}}};
    for (int i = 0; i < 3; ++i) {
        const Binary& b = binary[static_cast<std::size_t>(i)];
        c.push_back(kind(3 + i, EW::Common, "常用参数", "PCTj_Cmd_1_0" + std::to_string(3 + i), true,
                         {rec("组选" + b.word, b.group, In::Options, optionsOf(b.group, Mark::Capital)),
                          rec("直选" + b.word, b.direct, In::Options, optionsOf(b.direct, Mark::FromOne))}));
    }
    c.push_back(
        kind(6, EW::Common, "常用参数", "PCTj_Cmd_1_06", false, {grid("和值", A::Sum, "Tj_06_Grid_1")}));
    c.back().singleRecord = true;
    c.push_back(kind(7, EW::Common, "常用参数", "PCTj_Cmd_1_07", true,
                     {grid("百位", A::Hundreds, "Tj_07_Grid_1"), grid("十位", A::Tens, "Tj_07_Grid_2"),
                      grid("个位", A::Units, "Tj_07_Grid_3")}));
    c.push_back(kind(8, EW::Common, "常用参数", "PCTj_Cmd_1_08", true,
                     {rec("按位复式", E::PositionSets, In::PositionRows)}));
    c.push_back(kind(9, EW::Common, "常用参数", "PCTj_Cmd_1_09", true,
                     {rec("号码组", E::DigitGroup, In::GroupRows)}));
    c.push_back(kind(10, EW::TenSubdivision, "十细分参数", "P_Cmd_2_01", true,
                     valueClassRecords(A::SumTail, "Tj_01_Grid_1")));
    c.push_back(kind(11, EW::TenSubdivision, "十细分参数", "P_Cmd_2_02", true,
                     valueClassRecords(A::Span, "Tj_02_Grid_1")));
    c.push_back(kind(12, EW::TenSubdivision, "十细分参数", "P_Cmd_2_03", false,
                     {rec("群号", A::OrderShape, In::Options, optionsOf(A::OrderShape))}));
    c.back().singleRecord = true;
    c.back().fixedRecord = true;
    c.push_back(kind(13, EW::TenSubdivision, "十细分参数", "P_Cmd_2_04", false,
                     {rec("连号", A::ShapeCode, In::Options, optionsOf(A::ShapeCode, Mark::FromZero))}));
    c.back().singleRecord = true;
    c.back().fixedRecord = true;
    c.push_back(
        kind(14, EW::TenSubdivision, "十细分参数", "P_Cmd_2_05", true,
             {rec("0路个数", A::Route0Count, In::Options, optionsOf(A::Route0Count)),
              rec("1路个数", A::Route1Count, In::Options, optionsOf(A::Route1Count)),
              rec("2路个数", A::Route2Count, In::Options, optionsOf(A::Route2Count)),
              rec("组选排列", A::RoutePattern, In::Options, optionsOf(A::RoutePattern, Mark::Capital)),
              rec("直选排列", A::RouteDirect, In::Options, optionsOf(A::RouteDirect, Mark::Small)),
              rec("形态", A::RouteShape, In::Options, optionsOf(A::RouteShape))}));
    c.push_back(kind(
        15, EW::TenSubdivision, "十细分参数", "P_Cmd_2_06", true,
        {rec("大数个数", A::BigCount, In::Options, optionsOf(A::BigCount), "0"),
         rec("中数个数", A::MiddleCount, In::Options, optionsOf(A::MiddleCount)),
         rec("小数个数", A::SmallCount, In::Options, optionsOf(A::SmallCount)),
         rec("形态", A::SizeClassShape, In::Options, optionsOf(A::SizeClassShape)),
         rec("组选排列", A::SizeClassPattern, In::Options, optionsOf(A::SizeClassPattern, Mark::Capital)),
         rec("直选排列", A::SizeClassSorted, In::Options, optionsOf(A::SizeClassSorted, Mark::Small))}));
    const std::array<const PatternFamily*, 3> families{
        &kRepeatGapMiddleFamily, &kAdjacentIsolatedTransmittedFamily, &kHotWarmColdFamily};
    const std::array<ReferencePreset, 3> presets{ReferencePreset::RepeatGapMiddle,
                                                 ReferencePreset::AdjacentIsolatedTransmitted,
                                                 ReferencePreset::HotWarmCold};
    const std::array<std::string, 3> historyPanels{"P_Cmd_2_07", "P_Cmd_2_08", "P_Cmd_2_10"};
    const std::array<std::string, 3> selectors{"XingGui_FuGeZhong", "XingGui_LinGuChuan", "XingGui_RWL"};
    for (std::size_t i = 0; i < 3; ++i) {
        auto spec = kind(16 + static_cast<int>(i), EW::TenSubdivision, "十细分参数", historyPanels[i], true,
                         referenceRecords(*families[i]));
        setReference(spec, ReferenceUse::Always, *families[i], presets[i], selectors[i]);
        c.push_back(std::move(spec));
    }
    c.push_back(kind(19, EW::TwoPosition, "两位参数", "P_Cmd_3_01", true,
                     {picker("百+十", A::PairSumHT, In::PickerEdit, 0, 18),
                      picker("百+个", A::PairSumHU, In::PickerEdit, 0, 18),
                      picker("十+个", A::PairSumTU, In::PickerEdit, 0, 18),
                      picker("任意两码和", {E::CountList, {A::PairSumHT, A::PairSumHU, A::PairSumTU}},
                             In::CountList, 0, 18, {}, false, "1")}));
    c.push_back(kind(20, EW::TwoPosition, "两位参数", "P_Cmd_3_02", true,
                     {picker("百+十(位合)", A::PairTailHT, In::PickerEdit, 0, 9),
                      picker("百+个(位合)", A::PairTailHU, In::PickerEdit, 0, 9),
                      picker("十+个(位合)", A::PairTailTU, In::PickerEdit, 0, 9)}));
    {
        auto spec = kind(
            21, EW::TwoPosition, "两位参数", "P_Cmd_3_03", true,
            // The count reads the tails as a set, so their order does not matter.
            {picker("任意位合", {E::CountList, {A::PairTailHT, A::PairTailHU, A::PairTailTU}}, In::CountList,
                    0, 9),
             picker("任意位合二码",
                    {E::AnyPair,
                     {A::SortedPairLM, A::SortedPairLH, A::SortedPairMH},
                     DigitSource::SortedPairTails},
                    In::PickerEdit, 0, 0, kDistinctPairWords),
             rec("复隔中", A::TailsClassPattern, In::Options, optionsOf(A::TailsClassPattern, Mark::Capital)),
             rec("复码个数", A::TailsClassCount0, In::Options, optionsOf(A::TailsClassCount0)),
             rec("隔码个数", A::TailsClassCount1, In::Options, optionsOf(A::TailsClassCount1)),
             rec("中码个数", A::TailsClassCount2, In::Options, optionsOf(A::TailsClassCount2)),
             rec("形态", A::TailsClassShape, In::Options, optionsOf(A::TailsClassShape))});
        setReference(spec, ReferenceUse::WhenReferenceRecords, kRepeatGapMiddleFamily,
                     ReferencePreset::PairTails, "XingGui_FuGeZhong");
        spec.hint = "提示：只要号码的任意位合中含有一个组合在其中，便符合条件";
        c.push_back(std::move(spec));
    }
    c.push_back(kind(
        22, EW::TwoPosition, "两位参数", "P_Cmd_3_04", true,
        {picker("任意位差", {E::CountList, {A::AbsDiffHT, A::AbsDiffHU, A::AbsDiffTU}}, In::CountList, 0, 9),
         picker("百-十", A::DiffHT, In::PickerEdit, -9, 9), picker("百-个", A::DiffHU, In::PickerEdit, -9, 9),
         picker("十-个", A::DiffTU, In::PickerEdit, -9, 9),
         picker("百-十(绝对值)", A::AbsDiffHT, In::PickerEdit, 0, 9),
         picker("百-个(绝对值)", A::AbsDiffHU, In::PickerEdit, 0, 9),
         picker("十-个(绝对值)", A::AbsDiffTU, In::PickerEdit, 0, 9)}));
    c.push_back(kind(23, EW::TwoPosition, "高级参数", "P_Cmd_3_05", true,
                     {rec("二细分", A::BiasTwoWay, In::RadioPair, markedOptions(kBiasTwoWayValues),
                          std::string(kBiasTwoWayValues[0].word)),
                      rec("三细分", A::BiasThreeWay, In::Options, markedOptions(kBiasThreeWayValues)),
                      rec("偏态细分", A::BiasClass, In::Options, biasClassOptions())}));
    c.push_back(kind(24, EW::Common, "常用参数", "PCTj_Cmd_1_10", true,
                     {picker("百十", A::TwoHT, In::PickerEdit, 0, 99, {}, true),
                      picker("百个", A::TwoHU, In::PickerEdit, 0, 99, {}, true),
                      picker("十个", A::TwoTU, In::PickerEdit, 0, 99, {}, true),
                      picker("任意二码", {E::AnyPair, {A::SortedPairLM, A::SortedPairLH, A::SortedPairMH}},
                             In::PickerEdit, 0, 0, kTwoPairWords)}));
    c.back().hint = "提示：只要号码的任意一组二码组合在限定范围内就符合条件。";
    {
        auto drawn = picker("已出号码", E::DrawnBefore, In::PeriodSeries, 0, 0,
                            "10 20 30 40 50 60 70 80 90 100 110 120 130 140 150 200");
        drawn.excludeByDefault = true;
        auto spec = kind(25, EW::Common, "常用参数", "PCTj_Cmd_1_11", false, {drawn});
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
    return r ? r->test : RecordTest{};
}

std::string OptionToken(std::string_view caption) {
    if (const auto p = caption.find(')'); p != std::string_view::npos)
        return std::string(caption.substr(p + 1));
    if (const auto p = caption.find('.'); p != std::string_view::npos)
        return std::string(caption.substr(p + 1));
    return std::string(caption);
}

bool RecordTest::readsReference() const noexcept {
    return engine == RecordEngine::Attribute && attributeRow(attributes[0]).readsReference;
}

} // namespace p3::core
