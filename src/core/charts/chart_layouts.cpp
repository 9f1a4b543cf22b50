// The main-grid charts 1..36 as chart groups over the attribute table, groups in column order from column 5,
// and how a chart is laid out from them: headers, columns and line and choice groups.
#include "core/attributes/get_fun_class.h"
#include "core/charts/chart_layout.h"

#include <algorithm>

namespace p3::core::charts {

namespace {

using A = AttributeId;

/// A group of the values of one attribute.
GroupSpec values(std::string_view title, A id, std::string_view image, int band,
                 Headers headers = Headers::Words, Spacers spacers = Spacers::None) {
    GroupSpec group;
    group.title = title;
    group.attributes = {id};
    group.headers = headers;
    group.spacers = spacers;
    group.image = image;
    group.band = band;
    return group;
}

/// A group of the classes of an attribute's value (a digit, a sum, a tail ...).
GroupSpec classes(std::string_view title, ValueClass valueClass, A of, std::string_view image, int band,
                  Headers headers, Spacers spacers = Spacers::None) {
    GroupSpec group = values(title, of, image, band, headers, spacers);
    group.valueClass = valueClass;
    return group;
}

/// A distribution: the values of three attributes in one group, freely chosen in the prediction row.
GroupSpec distribution(std::string_view title, std::array<A, 3> ids, std::string_view image, int band) {
    GroupSpec group = values(title, ids[0], image, band);
    group.attributes = ids;
    group.attributeCount = 3;
    group.multiChoice = true;
    return group;
}

/// The digit sets of the chart's history family as text.
GroupSpec historySets(std::string_view title, std::string_view widths, int band) {
    GroupSpec group;
    group.title = title;
    group.band = band;
    group.text = GroupText::HistorySets;
    group.widths = widths;
    return group;
}

/// A slice of an attribute's values: `count` values from `first`.
GroupSpec slice(std::string_view title, A id, int first, int count, std::string_view image, int band) {
    GroupSpec group = values(title, id, image, band, Headers::Index);
    group.firstValue = first;
    group.valueCount = count;
    return group;
}

const GroupSpec kDistribution =
    distribution("(0-9)组选分布图", {A::Hundreds, A::Tens, A::Units}, "Red_/BlueD_", 0);

constexpr std::array<A, 3> kPairTails{A::PairTailHT, A::PairTailHU, A::PairTailTU};

/// Kinds 2, 25, 33: the three values in one group, then each in its own.
std::vector<GroupSpec> fourDistributions(std::array<std::string_view, 4> titles, std::array<A, 3> all,
                                         std::array<A, 3> each) {
    return {distribution(titles[0], all, "Red_/BlueD_", 0), values(titles[1], each[0], "BlueD_", 1),
            values(titles[2], each[1], "Green_", 2), values(titles[3], each[2], "Qin_", 3)};
}

/// Kinds 3..5: per position the two-way class, then the 组选 and 直选 patterns.
std::vector<GroupSpec> twoWayLayout(ValueClass valueClass, std::string_view images, A group, A direct,
                                    std::string_view directTitle) {
    constexpr auto words = Headers::FirstCharacter;
    constexpr auto spaced = Spacers::AroundAndBetween;
    return {classes("百位号", valueClass, A::Hundreds, images, 0, words, spaced),
            classes("十位号", valueClass, A::Tens, images, 0, words, spaced),
            classes("个位号", valueClass, A::Units, images, 0, words, spaced),
            values("组选细分", group, "Qinx_", 1, Headers::SmallLetters),
            values(directTitle, direct, "BlueD_", 2, Headers::Ordinals)};
}

/// Kinds 7, 8: the sum tail or the span with its classes, from the table's rows for them.
std::vector<GroupSpec> tailLayout(bool tail) {
    constexpr auto words = Headers::FirstCharacter;
    constexpr auto spaced = Spacers::AroundAndBetween;
    return {values(tail ? "合值" : "跨度", tail ? A::SumTail : A::Span, "BlueD_", 0),
            values(tail ? "合值大小" : "跨度大小", tail ? A::SumTailSize : A::SpanSize, "qin_d/qin_x", 1,
                   words, spaced),
            values(tail ? "合值奇偶" : "跨度奇偶", tail ? A::SumTailParity : A::SpanParity, "qin_Dm/qin_S", 2,
                   words, spaced),
            values(tail ? "合值质合" : "跨度质合", tail ? A::SumTailPrime : A::SpanPrime, "Qin_Z/Qin_H", 3,
                   words, spaced),
            values(tail ? "合值" : "跨度", tail ? A::SumTailBigMidSmall : A::SpanBigMidSmall,
                   "qin_d/qin_zh/qin_x", 0),
            values(tail ? "合值" : "跨度", tail ? A::SumTailRoute : A::SpanRoute, "Qin_", 1, words)};
}

/// Kinds 13..15: the digits, the counts of the family's classes, their digit sets and the pattern.
std::vector<GroupSpec> historyLayout(std::array<std::string_view, 3> countTitles, std::string_view codes,
                                     std::string_view widths, std::string_view shape,
                                     std::string_view pattern) {
    return {kDistribution,
            values(countTitles[0], A::ClassCount0, "B_GreenD_", 1),
            values(countTitles[1], A::ClassCount1, "BlueD_", 1),
            values(countTitles[2], A::ClassCount2, "Green_", 1),
            historySets(codes, widths, 2),
            values(shape, A::ClassShape, "LanSe_", 3, Headers::Words, Spacers::Around),
            values(pattern, A::ClassPattern, "Qinx_", 0, Headers::Letters)};
}

/// Kinds 18..20: per position the family's class, the digit sets and the 27 direct patterns.
std::vector<GroupSpec> historyDirectLayout(std::string_view images, std::string_view codes,
                                           std::string_view widths, std::string_view title) {
    return {kDistribution,
            classes("百位数", ValueClass::History, A::Hundreds, images, 1, Headers::Words),
            classes("十位数", ValueClass::History, A::Tens, images, 1, Headers::Words),
            classes("个位数", ValueClass::History, A::Units, images, 1, Headers::Words),
            historySets(codes, widths, 2),
            values(title, A::ClassDirect, "LanSe_", 3, Headers::Letters)};
}

/// Kinds 26..28 and 34..36: a value 0..9 and five classifications of it.
std::vector<GroupSpec> valueClassLayout(std::string_view title, A value) {
    constexpr auto words = Headers::FirstCharacter;
    return {
        values(title, value, "BlueD_", 0),
        classes("奇偶类型", ValueClass::Parity, value, "qin_Dm/qin_S", 1, words, Spacers::AroundAndBetween),
        classes("大小类型", ValueClass::Size, value, "qin_d/qin_x", 2, words, Spacers::AroundAndBetween),
        classes("质合类型", ValueClass::Prime, value, "Qin_Z/Qin_H", 3, words, Spacers::AroundAndBetween),
        classes("大中小类型", ValueClass::BigMidSmall, value, "qin_d/qin_zh/qin_x", 0, Headers::Words,
                Spacers::Around),
        classes("012路类型", ValueClass::Route, value, "BlueD_", 1, words, Spacers::Around)};
}

/// Kinds 22..24: a position pair's sum with its parity and route.
std::vector<GroupSpec> pairSumLayout(std::string_view title, A sum) {
    constexpr auto words = Headers::FirstCharacter;
    return {values(title, sum, "B_GreenD_", 0),
            classes("奇偶类型", ValueClass::Parity, sum, "qin_Dm/qin_S", 1, words, Spacers::AroundAndBetween),
            classes("012路", ValueClass::Route, sum, "BlueD_", 2, words)};
}

/// Kind 30's tails by parity: the even tails 0..8, then the odd 1..9.
constexpr std::string_view kTailsByParity = "0,2,4,6,8,1,3,5,7,9";

int tailByParityPosition(int tail) {
    return tail % 2 ? 5 + tail / 2 : tail / 2;
}

/// Kind 30's 45 pairs of different tails, each in either order, "O" standing for 0.
constexpr std::string_view kTailPairs =
    "O2,O4,O6,O8,24,26,28,46,48,68,"
    "O1,O3,O5,O7,O9,21,23,25,27,29,41,43,45,47,49,61,63,65,67,69,81,83,85,87,89,"
    "13,15,17,19,35,37,39,57,59,79";

/// The position of a sorted pair of tails (its two-digit value) among kTailPairs; -1 for a pair of equal
/// tails.
int tailPairPosition(int pair) {
    static const std::array<int, 100> positions = [] {
        std::array<int, 100> out{};
        out.fill(-1);
        const auto headers = Get_Fun_Class::SplitText(",", kTailPairs, false);
        for (std::size_t i = 0; i < headers.size(); ++i) {
            const int p = headers[i][0] == 'O' ? 0 : headers[i][0] - '0';
            const int q = headers[i][1] - '0';
            out[static_cast<std::size_t>(std::min(p, q) * 10 + std::max(p, q))] = static_cast<int>(i);
        }
        return out;
    }();
    return pair >= 0 && pair < 100 ? positions[static_cast<std::size_t>(pair)] : -1;
}

std::vector<GroupSpec> anyPairTailsLayout() {
    GroupSpec tails = distribution("任意位合组选分布", kPairTails, "Red_/BlueD_", 0);
    tails.text = GroupText::TailsText;
    tails.widths = "60";
    GroupSpec byParity = distribution("位合奇偶分布", kPairTails, "Red_/BlueD_", 1);
    byParity.ownHeaders = kTailsByParity;
    byParity.position = tailByParityPosition;
    GroupSpec pairs = distribution("任意位合（二码组合）分布图",
                                   {A::SortedPairLM, A::SortedPairLH, A::SortedPairMH}, "Red_/BlueD_", 2);
    pairs.ofTails = true;
    pairs.ownHeaders = kTailPairs;
    pairs.position = tailPairPosition;
    return {tails, byParity, pairs};
}

std::vector<GroupSpec> anyPairTailsHistoryLayout() {
    GroupSpec tails = distribution("任意位合组选分布图", kPairTails, "Red_/BlueD_", 0);
    tails.text = GroupText::TailsText;
    tails.widths = "60";
    return {tails,
            values("复码个数", A::TailsClassCount0, "B_GreenD_", 1),
            values("隔码个数", A::TailsClassCount1, "BlueD_", 1),
            values("中码个数", A::TailsClassCount2, "Green_", 1),
            historySets("复隔中号码", "32,32,60", 2),
            values("复隔中形态", A::TailsClassShape, "Qinx_", 3, Headers::Words, Spacers::Around),
            values("复隔中组选形态", A::TailsClassPattern, "LanSe_", 0, Headers::Letters)};
}

std::vector<MainChartSpec> makeSpecs() {
    std::vector<MainChartSpec> specs;
    auto add = [&](int kind, std::vector<GroupSpec> groups, History history = History::None,
                   std::string_view choices = {}) {
        MainChartSpec spec;
        spec.kind = kind;
        spec.groups = std::move(groups);
        spec.history = history;
        spec.choiceGroups = choices;
        specs.push_back(std::move(spec));
    };
    add(1, {values("百位号分布图", A::Hundreds, "B_GreenD_", 0), values("十位号分布图", A::Tens, "BlueD_", 1),
            values("个位号分布图", A::Units, "Green_", 2),
            values("类型(三)细分", A::GroupForm, "LanSe_", 3, Headers::Letters, Spacers::Between),
            values("类型(五)细分", A::GroupType, "LanSe_", 3, Headers::Letters)});
    add(2,
        fourDistributions({"(0-9)组选分布图", "最小号分布图", "中间号分布图", "最大号分布图"},
                          {A::Hundreds, A::Tens, A::Units}, {A::SortedLow, A::SortedMiddle, A::SortedHigh}));
    add(3, twoWayLayout(ValueClass::Size, "qin_d/qin_x", A::SizeGroup, A::SizeDirect, "大小直选细分"));
    add(4, twoWayLayout(ValueClass::Parity, "qin_Dm/qin_S", A::ParityGroup, A::ParityDirect, "奇偶直选细分"));
    add(5, twoWayLayout(ValueClass::Prime, "Qin_Z/Qin_H", A::PrimeGroup, A::PrimeDirect, "质合直选细分"));
    add(6, {values("和数值", A::Sum, "B_GreenD_", 0),
            classes("和值奇偶", ValueClass::Parity, A::Sum, "qin_Dm/qin_S", 1, Headers::FirstCharacter,
                    Spacers::AroundAndBetween),
            classes("和值012路", ValueClass::Route, A::Sum, "BlueD_", 2, Headers::FirstCharacter,
                    Spacers::Around)});
    add(7, tailLayout(true));
    add(8, tailLayout(false));
    add(9, {kDistribution, slice("豹", A::OrderShape, 0, 1, "Qin_", 1),
            slice("组六细分", A::OrderShape, 1, 6, "Qin_", 2),
            slice("组三细分", A::OrderShape, 7, 3, "Qin_", 3)});
    add(10, {kDistribution, values("连号细分图", A::ShapeCode, "Qin_", 1, Headers::Index)});
    constexpr auto digitWords = Headers::FirstCharacter;
    // Unlike its line groups, the last choice group runs from 形态 over the 组选 letters A..G.
    add(11,
        {classes("百位号", ValueClass::Route, A::Hundreds, "B_GreenD_", 0, digitWords),
         classes("十位号", ValueClass::Route, A::Tens, "BlueD_", 0, digitWords),
         classes("个位号", ValueClass::Route, A::Units, "Green_", 0, digitWords),
         values("0路个数", A::Route0Count, "LanSe_", 1), values("1路个数", A::Route1Count, "LanSe_", 1),
         values("2路个数", A::Route2Count, "LanSe_", 1), values("形态细分", A::RouteShape, "Qinx_", 2),
         values("012路组选细分图", A::RoutePattern, "Qinx_", 3, Headers::Letters)},
        History::None, "5 7,8 10,11 13,14 17,18 21,22 25,26 35");
    constexpr std::string_view sizeImages = "qin_d/qin_zh/qin_x";
    add(12, {classes("百位号", ValueClass::BigMidSmall, A::Hundreds, sizeImages, 0, Headers::Words),
             classes("十位号", ValueClass::BigMidSmall, A::Tens, sizeImages, 0, Headers::Words),
             classes("个位号", ValueClass::BigMidSmall, A::Units, sizeImages, 0, Headers::Words),
             values("大号个数", A::BigCount, "B_GreenD_", 1), values("中号个数", A::MiddleCount, "BlueD_", 1),
             values("小号个数", A::SmallCount, "Green_", 1),
             values("分类形态", A::SizeClassShape, "LanSe_", 2, Headers::Words, Spacers::Around),
             values("大中小组选形态", A::SizeClassPattern, "Qinx_", 3, Headers::Letters)});
    add(13,
        historyLayout({"复码个数", "隔码个数", "中码个数"}, "复隔中号码", "32,32,60", "复隔中形态",
                      "复隔中组选形态"),
        History::RepeatGapMiddle);
    add(14,
        historyLayout({"邻码个数", "孤码个数", "传码个数"}, "邻孤传号码", "50,50,32", "邻孤传形态",
                      "邻孤传组选形态"),
        History::AdjacentIsolatedTransmitted);
    add(15,
        historyLayout({"热码个数", "温码个数", "冷码个数"}, "热温冷号码", "50,50,50", "热温冷形态",
                      "热温冷组选形态"),
        History::HotWarmCold);
    add(16, {kDistribution, classes("百位数", ValueClass::Route, A::Hundreds, "B_GreenD_", 1, digitWords),
             classes("十位数", ValueClass::Route, A::Tens, "BlueD_", 1, digitWords),
             classes("个位数", ValueClass::Route, A::Units, "Green_", 1, digitWords),
             values("012直选细分图", A::RouteDirect, "LanSe_", 2, Headers::Letters)});
    add(17, {kDistribution,
             classes("百位数", ValueClass::BigMidSmall, A::Hundreds, sizeImages, 1, Headers::Words),
             classes("十位数", ValueClass::BigMidSmall, A::Tens, sizeImages, 1, Headers::Words),
             classes("个位数", ValueClass::BigMidSmall, A::Units, sizeImages, 1, Headers::Words),
             values("大中小直选细分图", A::SizeClassDirect, "LanSe_", 2, Headers::Letters)});
    add(18, historyDirectLayout("Qin_fu/qin_ge/qin_zh", "复隔中号码", "32,32,60", "复隔中直选细分图"),
        History::RepeatGapMiddle);
    add(19, historyDirectLayout("Qin_Lin/Qin_Gu/Qin_Chuan", "邻孤传号码", "50,50,32", "邻孤传直选细分图"),
        History::AdjacentIsolatedTransmitted);
    add(20, historyDirectLayout("Qin_Re/qin_Weng/Qin_Leng", "热温冷号码", "50,50,50", "热温冷直选细分图"),
        History::HotWarmCold);
    add(21, {distribution("位和分布图", {A::PairSumHT, A::PairSumHU, A::PairSumTU}, "B_GreenD_", 0),
             values("（百位＋十位）位和分布图", A::PairSumHT, "B_GreenD_", 1),
             values("（百位＋个位）位和分布图", A::PairSumHU, "B_GreenD_", 2),
             values("（十位＋个位）位和分布图", A::PairSumTU, "B_GreenD_", 3)});
    add(22, pairSumLayout("（百位＋十位）位和分布图", A::PairSumHT));
    add(23, pairSumLayout("（百位＋个位）位和分布图", A::PairSumHU));
    add(24, pairSumLayout("（十位＋个位）位和分布图", A::PairSumTU));
    add(25, fourDistributions(
                {"位合分布图", "（百＋十）位合分布图", "（百＋个）位合分布图", "（十＋个）位合分布图"},
                kPairTails, kPairTails));
    add(26, valueClassLayout("（百＋十）位合", A::PairTailHT));
    add(27, valueClassLayout("（百＋个）位合", A::PairTailHU));
    add(28, valueClassLayout("（十＋个）位合", A::PairTailTU));
    add(30, anyPairTailsLayout());
    add(31, anyPairTailsHistoryLayout(), History::TailsRepeatGapMiddle);
    add(32, {values("百位减十位分布图", A::DiffHT, "qin_wz", 0),
             values("百位减个位分布图", A::DiffHU, "qin_wz", 1),
             values("十位减个位分布图", A::DiffTU, "qin_wz", 2)});
    constexpr std::array<A, 3> absDifferences{A::AbsDiffHT, A::AbsDiffHU, A::AbsDiffTU};
    add(33, fourDistributions({"位差绝对值分布图", "百位减十位绝对值分布图", "百位减个位绝对值分布图",
                               "十位减个位绝对值分布图"},
                              absDifferences, absDifferences));
    add(34, valueClassLayout("（百－十）位差", A::AbsDiffHT));
    add(35, valueClassLayout("（百－个）位差", A::AbsDiffHU));
    add(36, valueClassLayout("（十－个）位差", A::AbsDiffTU));
    return specs;
}

/// The class words of a history family (复 隔 中 ...).
const PatternFamily& familyOf(History history) {
    switch (history) {
    case History::AdjacentIsolatedTransmitted:
        return kAdjacentIsolatedTransmittedFamily;
    case History::HotWarmCold:
        return kHotWarmColdFamily;
    default:
        return kRepeatGapMiddleFamily;
    }
}

/// The first character of a value name (one Chinese character or one ASCII character).
std::string firstCharacter(const std::string& word) {
    if (word.empty()) return {};
    const auto lead = static_cast<unsigned char>(word[0]);
    const std::size_t length = lead < 0x80 ? 1 : (lead >= 0xF0 ? 4 : (lead >= 0xE0 ? 3 : 2));
    return word.substr(0, length);
}

std::string headerOf(Headers headers, const std::string& word, int index) {
    switch (headers) {
    case Headers::Words:
        return word;
    case Headers::FirstCharacter:
        return firstCharacter(word);
    case Headers::Index:
        return std::to_string(index);
    case Headers::Ordinals:
        return std::to_string(index + 1);
    case Headers::SmallLetters:
        return std::string(1, static_cast<char>('a' + index));
    case Headers::Letters:
        return index < 26 ? std::string(1, static_cast<char>('A' + index)) : std::string("#");
    }
    return word;
}

/// Places a group from `column` on: its headers, spacers and first value column.
void layOut(GroupSpec& group, History history, int column) {
    group.first = column;
    group.columns.clear();
    group.readsReference =
        group.text != GroupText::HistorySets && attributeRow(group.attributes[0]).readsReference;
    group.readsHistory = group.readsReference || group.text == GroupText::HistorySets ||
                         group.valueClass == ValueClass::History;
    if (group.text == GroupText::HistorySets) {
        for (auto word : familyOf(history).classWords)
            group.columns.push_back(std::string(word) + "码");
        return;
    }
    if (group.text == GroupText::TailsText) group.columns.emplace_back("任意位合");
    std::vector<std::string> headers;
    if (group.position) {
        headers = Get_Fun_Class::SplitText(",", group.ownHeaders, false);
    } else {
        const auto vocabulary = groupVocabulary(group, history);
        const int last = group.valueCount < 0 ? static_cast<int>(vocabulary.size())
                                              : std::min(static_cast<int>(vocabulary.size()),
                                                         group.firstValue + group.valueCount);
        for (int i = group.firstValue; i < last; ++i)
            headers.push_back(headerOf(group.headers, vocabulary[static_cast<std::size_t>(i)], i));
    }
    const bool around = group.spacers == Spacers::Around || group.spacers == Spacers::AroundAndBetween;
    const bool between = group.spacers == Spacers::Between || group.spacers == Spacers::AroundAndBetween;
    if (around) group.columns.emplace_back();
    group.firstValueColumn = column + static_cast<int>(group.columns.size());
    for (std::size_t i = 0; i < headers.size(); ++i) {
        if (between && i > 0) group.columns.emplace_back();
        group.columns.push_back(headers[i]);
    }
    if (around) group.columns.emplace_back();
    group.valueCount = static_cast<int>(headers.size());
}

/// Lays out a chart: every group's columns from column 5, the line groups (each group's value columns, the
/// slices of one attribute taken together; a freely chosen group has none) and the choice groups.
void layOut(MainChartSpec& spec) {
    int column = 5;
    const AttributeId* previous = nullptr;
    for (GroupSpec& group : spec.groups) {
        layOut(group, spec.history, column);
        column += static_cast<int>(group.columns.size());
        const bool hasValues = group.text != GroupText::HistorySets && group.valueCount > 0;
        if (!hasValues || group.multiChoice) {
            previous = nullptr;
            continue;
        }
        const ColumnRange range{valueColumn(group, 0), valueColumn(group, group.valueCount - 1)};
        if (previous && *previous == group.attributes[0] && group.firstValue > 0)
            spec.lineRanges.back().last = range.last;
        else
            spec.lineRanges.push_back(range);
        previous = &group.attributes[0];
    }
    spec.choiceRanges = spec.choiceGroups.empty() ? spec.lineRanges : parseColumnRanges(spec.choiceGroups);
}

} // namespace

std::vector<std::string> groupVocabulary(const GroupSpec& group, History history) {
    switch (group.valueClass) {
    case ValueClass::None:
        return attributeRow(group.attributes[0]).vocabulary;
    case ValueClass::History: {
        const auto& words = familyOf(history).classWords;
        return {words.begin(), words.end()};
    }
    default:
        return attributeRow(valueClassRow(group.valueClass)).vocabulary;
    }
}

const MainChartSpec* mainChartSpec(int kind) {
    static const std::vector<MainChartSpec> specs = [] {
        auto all = makeSpecs();
        for (auto& spec : all)
            layOut(spec);
        return all;
    }();
    for (const auto& spec : specs)
        if (spec.kind == kind) return &spec;
    return nullptr;
}

} // namespace p3::core::charts
