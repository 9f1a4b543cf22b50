#include "core/attributes/attribute_table.h"

#include "core/attributes/bias_classes.h"
#include "core/attributes/get_fun_class.h"
#include "core/attributes/value_classes.h"

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace p3::core {

namespace {

using A = AttributeId;
using Words = std::vector<std::string>;

// ---- value functions: three digits (and the code lists, for the reference rows) to a value index ----

Digits3 sorted(Digits3 d) noexcept {
    if (d[0] > d[1]) std::swap(d[0], d[1]);
    if (d[1] > d[2]) std::swap(d[1], d[2]);
    if (d[0] > d[1]) std::swap(d[0], d[1]);
    return d;
}

/// The value index of the 直选 words by their bits 百 十 个 (true = 1): the order of the conditions' options,
/// FFF, FFT, FTF, TFF, FTT, TFT, TTF, TTT.
constexpr std::array<int, 8> kDirectOrderByBits{0, 1, 2, 4, 3, 5, 6, 7};

/// Value index of a 直选 word of a two-way class, in the order FFF, FFT, FTF, TFF, FTT, TFT, TTF, TTT.
template <BinaryMode Mode> int binaryDirect(const Digits3& d, const DigitSets&) noexcept {
    int bits = 0;
    for (int v : d)
        bits = bits * 2 + (binaryAttribute(Mode, v) ? 1 : 0);
    return kDirectOrderByBits[static_cast<std::size_t>(bits)];
}

/// Value index of a 组选 word: how many of the digits are "true" (3小, 2小1大, 2大1小, 3大).
template <BinaryMode Mode> int binaryGroup(const Digits3& d, const DigitSets&) noexcept {
    return static_cast<int>(std::ranges::count_if(d, [](int v) { return binaryAttribute(Mode, v); }));
}

/// The value of a sum tail or span: 0 the value itself, then size, parity, prime, 大中小, route.
template <int Which> int valueClass(int v) noexcept {
    if constexpr (Which == 0) return v;
    if constexpr (Which == 1) return isBig(v) ? 0 : 1;
    if constexpr (Which == 2) return isOdd(v) ? 0 : 1;
    if constexpr (Which == 3) return isPrime(v) ? 0 : 1;
    if constexpr (Which == 4) return static_cast<int>(sizeClassOf(v));
    return routeOf(v);
}

int sumTailOf(const Digits3& d) noexcept {
    return (d[0] + d[1] + d[2]) % 10;
}

int spanOf(const Digits3& d) noexcept {
    const Digits3 s = sorted(d);
    return s[2] - s[0];
}

template <int (*Of)(const Digits3&) noexcept, int Which>
int classedValue(const Digits3& d, const DigitSets&) noexcept {
    return valueClass<Which>(Of(d));
}

template <int Position> int digitAt(const Digits3& d, const DigitSets&) noexcept {
    return d[Position];
}

template <int Position> int sortedAt(const Digits3& d, const DigitSets&) noexcept {
    return sorted(d)[Position];
}

int sumValue(const Digits3& d, const DigitSets&) noexcept {
    return d[0] + d[1] + d[2];
}

int groupTypeValue(const Digits3& d, const DigitSets&) noexcept {
    return groupTypeIndex({d[0], d[1], d[2]});
}

/// 豹子, 组三_连, 组三_不连, 顺子, 半顺, 杂六: a pair is 连 when its two digits neighbour (0 and 9 too).
int groupTypeFineValue(const Digits3& d, const DigitSets&) noexcept {
    const int type = groupTypeIndex({d[0], d[1], d[2]});
    if (type == static_cast<int>(GroupType::Triple)) return 0;
    if (type != static_cast<int>(GroupType::Pair)) return type + 1;
    const Digits3 s = sorted(d);
    const int gap = s[0] == s[1] ? s[2] - s[0] : s[1] - s[0];
    return gap == 1 || gap == 9 ? 1 : 2;
}

int groupFormValue(const Digits3& d, const DigitSets&) noexcept {
    if (d[0] == d[1] && d[1] == d[2]) return 0;
    return d[0] == d[1] || d[1] == d[2] || d[0] == d[2] ? 1 : 2;
}

int orderShapeValue(const Digits3& d, const DigitSets&) noexcept {
    return orderShapeCode({d[0], d[1], d[2]});
}

int shapeCodeValue(const Digits3& d, const DigitSets&) noexcept {
    return Get_Fun_Class::GetShapeCode({d[0], d[1], d[2]});
}

/// How many of the digits fall in each of three classes.
template <typename ClassOf> std::array<int, 3> classCounts(const Digits3& d, ClassOf classOf) noexcept {
    std::array<int, 3> counts{};
    for (int v : d)
        ++counts[static_cast<std::size_t>(classOf(v))];
    return counts;
}

int shapeIndex(const std::array<int, 3>& c) noexcept {
    return countPatternShapeWord(c[0], c[1], c[2])[0] - 'a';
}

std::array<int, 3> routeCounts(const Digits3& d) noexcept {
    return classCounts(d, routeOf);
}

template <int Route> int routeCount(const Digits3& d, const DigitSets&) noexcept {
    return routeCounts(d)[Route];
}

int routePattern(const Digits3& d, const DigitSets&) noexcept {
    const auto c = routeCounts(d);
    return countPatternIndex(c[0], c[1], c[2]);
}

int routeDirect(const Digits3& d, const DigitSets&) noexcept {
    return 9 * routeOf(d[0]) + 3 * routeOf(d[1]) + routeOf(d[2]);
}

int routeShape(const Digits3& d, const DigitSets&) noexcept {
    return shapeIndex(routeCounts(d));
}

/// Counts in the class order 大, 中, 小.
std::array<int, 3> sizeCounts(const Digits3& d) noexcept {
    return classCounts(d, [](int v) { return static_cast<int>(sizeClassOf(v)); });
}

template <int Class> int sizeCount(const Digits3& d, const DigitSets&) noexcept {
    return sizeCounts(d)[Class];
}

int sizeShape(const Digits3& d, const DigitSets&) noexcept {
    return shapeIndex(sizeCounts(d));
}

/// The patterns run from 3小 to 3大: the count-pattern list (大 counted first) read backwards.
int sizePattern(const Digits3& d, const DigitSets&) noexcept {
    const auto c = sizeCounts(d);
    return 9 - countPatternIndex(c[0], c[1], c[2]);
}

/// Base 3 over the positions with 小 0, 中 1, 大 2.
int sizeDirectCode(const Digits3& d) noexcept {
    int code = 0;
    for (int v : d)
        code = code * 3 + (2 - static_cast<int>(sizeClassOf(v)));
    return code;
}

int sizeDirect(const Digits3& d, const DigitSets&) noexcept {
    return sizeDirectCode(d);
}

int sizeSorted(const Digits3& d, const DigitSets&) noexcept {
    return sizeDirectCode(sorted(d));
}

template <int First, int Second> int pairSum(const Digits3& d, const DigitSets&) noexcept {
    return d[First] + d[Second];
}

template <int First, int Second> int pairTail(const Digits3& d, const DigitSets&) noexcept {
    return (d[First] + d[Second]) % 10;
}

/// Differences -9..9 as the indexes 0..18.
template <int First, int Second> int difference(const Digits3& d, const DigitSets&) noexcept {
    return d[First] - d[Second] + 9;
}

template <int First, int Second> int absDifference(const Digits3& d, const DigitSets&) noexcept {
    return std::abs(d[First] - d[Second]);
}

template <int First, int Second> int twoDigits(const Digits3& d, const DigitSets&) noexcept {
    return d[First] * 10 + d[Second];
}

template <int First, int Second> int sortedTwoDigits(const Digits3& d, const DigitSets&) noexcept {
    const Digits3 s = sorted(d);
    return s[First] * 10 + s[Second];
}

int numberValue(const Digits3& d, const DigitSets&) noexcept {
    return d[0] * 100 + d[1] * 10 + d[2];
}

int biasTwoWay(const Digits3& d, const DigitSets&) noexcept {
    return biasTwoWayIndex(biasClassIndex(d[0], d[1], d[2]));
}

int biasThreeWay(const Digits3& d, const DigitSets&) noexcept {
    return biasThreeWayIndex(biasClassIndex(d[0], d[1], d[2]));
}

int biasClass(const Digits3& d, const DigitSets&) noexcept {
    return biasDisplayPosition(biasClassIndex(d[0], d[1], d[2]));
}

std::array<int, 3> referenceClassCounts(const Digits3& d, const DigitSets& sets) noexcept {
    return classCounts(d, [&](int v) { return classOfDigit(sets[static_cast<std::size_t>(v)]); });
}

/// How many of the three values are in code list `List` (a digit may be in more than one list).
template <int List> int listCount(const Digits3& d, const DigitSets& sets) noexcept {
    int count = 0;
    for (int v : d)
        count += sets[static_cast<std::size_t>(v)] >> List & 1u;
    return count;
}

int classShape(const Digits3& d, const DigitSets& sets) noexcept {
    return shapeIndex(referenceClassCounts(d, sets));
}

int classPattern(const Digits3& d, const DigitSets& sets) noexcept {
    const auto c = referenceClassCounts(d, sets);
    return countPatternIndex(c[0], c[1], c[2]);
}

int classDirect(const Digits3& d, const DigitSets& sets) noexcept {
    int code = 0;
    for (int v : d)
        code = code * 3 + classOfDigit(sets[static_cast<std::size_t>(v)]);
    return code;
}

// ---- vocabularies ----

Words numerals(int low, int high) {
    Words words;
    for (int v = low; v <= high; ++v)
        words.push_back(std::to_string(v));
    return words;
}

/// "00".."99" or "000".."999".
Words fixedWidthNumerals(int width) {
    Words words;
    int count = 1;
    for (int i = 0; i < width; ++i)
        count *= 10;
    for (int v = 0; v < count; ++v) {
        std::string text = std::to_string(v);
        words.push_back(std::string(static_cast<std::size_t>(width) - text.size(), '0') + text);
    }
    return words;
}

template <std::size_t N> Words wordsOf(const std::array<std::string_view, N>& list) {
    return Words(list.begin(), list.end());
}

Words binaryDirectWords(const BinaryWords& w) {
    Words words(8);
    for (int bits = 0; bits < 8; ++bits) {
        std::string word;
        for (int p = 2; p >= 0; --p)
            word += (bits >> p & 1) ? w.yes : w.no;
        words[static_cast<std::size_t>(kDirectOrderByBits[static_cast<std::size_t>(bits)])] = std::move(word);
    }
    return words;
}

Words binaryGroupWords(const BinaryWords& w) {
    const std::string yes(w.yes), no(w.no);
    return {"3" + no, "2" + no + "1" + yes, "2" + yes + "1" + no, "3" + yes};
}

/// The words of a value's two-way class: 大数 小数, 奇数 偶数, 质数 合数.
Words binaryValueWords(const BinaryWords& w) {
    return {std::string(w.yes) + "数", std::string(w.no) + "数"};
}

/// The 27 words of three class words, base 3 over the positions.
Words positionWords(std::string_view w0, std::string_view w1, std::string_view w2) {
    const std::array<std::string_view, 3> w{w0, w1, w2};
    Words words;
    for (int code = 0; code < 27; ++code)
        words.push_back(std::string(w[static_cast<std::size_t>(code / 9)]) +
                        std::string(w[static_cast<std::size_t>(code / 3 % 3)]) +
                        std::string(w[static_cast<std::size_t>(code % 3)]));
    return words;
}

/// The pattern words of a family in count-pattern order.
Words patternWords(const PatternFamily& family) {
    Words words;
    for (std::size_t i = 0; i < kCountPatterns.size(); ++i)
        words.push_back(patternWordAt(family, i));
    return words;
}

/// 3小 first: the 大中小 patterns read backwards.
Words sizePatternWords() {
    Words words = patternWords(kBigMidSmallFamily);
    std::ranges::reverse(words);
    return words;
}

Words biasClassWords() {
    Words words;
    for (int c : kBiasDisplayOrder)
        words.emplace_back(biasClassName(c));
    return words;
}

template <std::size_t N> Words summaryWords(const std::array<BiasSummaryValue, N>& values) {
    Words words;
    for (const auto& v : values)
        words.emplace_back(v.word);
    return words;
}

const Words kShapes{"a", "b", "c"};

constexpr std::array<std::string_view, 6> kSumTailNames{"合值",     "合值大小",   "合值奇偶",
                                                        "合值质合", "合值大中小", "合值012路"};
constexpr std::array<std::string_view, 6> kSpanNames{"跨度",     "跨度大小",   "跨度奇偶",
                                                     "跨度质合", "跨度大中小", "跨度012路"};

/// The six rows of a value 0..9 (合值, 跨度): the value, then its size, parity, prime, 大中小 and route, in
/// the id order that starts at `first`.
template <int (*Of)(const Digits3&) noexcept>
void addValueClassRows(std::vector<AttributeRow>& t, A first, const std::array<std::string_view, 6>& names,
                       const Words& digits) {
    const auto id = [&](int k) { return static_cast<A>(static_cast<int>(first) + k); };
    t.push_back({id(0), names[0], digits, classedValue<Of, 0>});
    t.push_back({id(1), names[1], binaryValueWords(kBigSmallWords), classedValue<Of, 1>});
    t.push_back({id(2), names[2], binaryValueWords(kOddEvenWords), classedValue<Of, 2>});
    t.push_back({id(3), names[3], binaryValueWords(kPrimeCompositeWords), classedValue<Of, 3>});
    t.push_back({id(4), names[4], wordsOf(kSizeClassWords), classedValue<Of, 4>});
    t.push_back({id(5), names[5], wordsOf(kRouteWords), classedValue<Of, 5>});
}

std::vector<AttributeRow> buildTable() {
    const Words digits = numerals(0, 9);
    const Words counts = numerals(0, 3);
    const Words twoDigitWords = fixedWidthNumerals(2);
    std::vector<AttributeRow> t{
        {A::Hundreds, "百位", digits, digitAt<0>},        {A::Tens, "十位", digits, digitAt<1>},
        {A::Units, "个位", digits, digitAt<2>},           {A::SortedLow, "最小号", digits, sortedAt<0>},
        {A::SortedMiddle, "中间号", digits, sortedAt<1>}, {A::SortedHigh, "最大号", digits, sortedAt<2>},
        {A::Sum, "和值", numerals(0, 27), sumValue},
    };
    addValueClassRows<sumTailOf>(t, A::SumTail, kSumTailNames, digits);
    addValueClassRows<spanOf>(t, A::Span, kSpanNames, digits);
    const std::vector<AttributeRow> more{
        {A::SizeDirect, "大小直选", binaryDirectWords(kBigSmallWords), binaryDirect<BinaryMode::Big>},
        {A::SizeGroup, "大小组选", binaryGroupWords(kBigSmallWords), binaryGroup<BinaryMode::Big>},
        {A::ParityDirect, "奇偶直选", binaryDirectWords(kOddEvenWords), binaryDirect<BinaryMode::Odd>},
        {A::ParityGroup, "奇偶组选", binaryGroupWords(kOddEvenWords), binaryGroup<BinaryMode::Odd>},
        {A::PrimeDirect, "质合直选", binaryDirectWords(kPrimeCompositeWords),
         binaryDirect<BinaryMode::Prime>},
        {A::PrimeGroup, "质合组选", binaryGroupWords(kPrimeCompositeWords), binaryGroup<BinaryMode::Prime>},
        {A::GroupType, "组选类型", wordsOf(kGroupTypeWords), groupTypeValue},
        {A::GroupTypeFine, "组选类型细分", Words{"豹子", "组三_连", "组三_不连", "顺子", "半顺", "杂六"},
         groupTypeFineValue, MatchRule::Substring},
        {A::GroupForm, "组选形式", Words{"豹子", "组三", "组六"}, groupFormValue},
        {A::OrderShape, "群号", wordsOf(kOrderShapeTexts), orderShapeValue, MatchRule::Substring},
        {A::ShapeCode, "连号", wordsOf(kShapeCodeLabels), shapeCodeValue, MatchRule::Substring},
        {A::Route0Count, "0路个数", counts, routeCount<0>},
        {A::Route1Count, "1路个数", counts, routeCount<1>},
        {A::Route2Count, "2路个数", counts, routeCount<2>},
        {A::RoutePattern, "012路组选", wordsOf(kCountPatterns), routePattern},
        {A::RouteDirect, "012路直选", positionWords("0", "1", "2"), routeDirect},
        {A::RouteShape, "012路形态", kShapes, routeShape},
        {A::BigCount, "大数个数", counts, sizeCount<0>},
        {A::MiddleCount, "中数个数", counts, sizeCount<1>},
        {A::SmallCount, "小数个数", counts, sizeCount<2>},
        {A::SizeClassShape, "大中小形态", kShapes, sizeShape},
        {A::SizeClassPattern, "大中小组选", sizePatternWords(), sizePattern},
        {A::SizeClassDirect, "大中小直选", positionWords("小", "中", "大"), sizeDirect},
        {A::SizeClassSorted, "大中小排列", positionWords("小", "中", "大"), sizeSorted},
        {A::PairSumHT, "百+十", numerals(0, 18), pairSum<0, 1>},
        {A::PairSumHU, "百+个", numerals(0, 18), pairSum<0, 2>},
        {A::PairSumTU, "十+个", numerals(0, 18), pairSum<1, 2>},
        {A::PairTailHT, "百+十(位合)", digits, pairTail<0, 1>},
        {A::PairTailHU, "百+个(位合)", digits, pairTail<0, 2>},
        {A::PairTailTU, "十+个(位合)", digits, pairTail<1, 2>},
        {A::DiffHT, "百-十", numerals(-9, 9), difference<0, 1>},
        {A::DiffHU, "百-个", numerals(-9, 9), difference<0, 2>},
        {A::DiffTU, "十-个", numerals(-9, 9), difference<1, 2>},
        {A::AbsDiffHT, "百-十(绝对值)", digits, absDifference<0, 1>},
        {A::AbsDiffHU, "百-个(绝对值)", digits, absDifference<0, 2>},
        {A::AbsDiffTU, "十-个(绝对值)", digits, absDifference<1, 2>},
        {A::TwoHT, "百十", twoDigitWords, twoDigits<0, 1>},
        {A::TwoHU, "百个", twoDigitWords, twoDigits<0, 2>},
        {A::TwoTU, "十个", twoDigitWords, twoDigits<1, 2>},
        {A::SortedPairLM, "小中二码", twoDigitWords, sortedTwoDigits<0, 1>},
        {A::SortedPairLH, "小大二码", twoDigitWords, sortedTwoDigits<0, 2>},
        {A::SortedPairMH, "中大二码", twoDigitWords, sortedTwoDigits<1, 2>},
        {A::Number, "直选三码", fixedWidthNumerals(3), numberValue},
        {A::BiasTwoWay, "二细分", summaryWords(kBiasTwoWayValues), biasTwoWay},
        {A::BiasThreeWay, "三细分", summaryWords(kBiasThreeWayValues), biasThreeWay},
        {A::BiasClass, "偏态细分", biasClassWords(), biasClass},
    };
    t.insert(t.end(), more.begin(), more.end());
    const auto reference = [&](A id, std::string_view name, Words words, AttributeValue f,
                               DigitSource source = DigitSource::Digits, Wording wording = Wording::Own) {
        AttributeRow row{id, name, std::move(words), f};
        row.readsReference = true;
        row.wording = wording;
        row.source = source;
        t.push_back(std::move(row));
    };
    const auto& family = kRepeatGapMiddleFamily;
    const Words patterns = patternWords(family);
    constexpr auto tails = DigitSource::SortedPairTails;
    reference(A::ClassCount0, "复码个数", counts, listCount<0>);
    reference(A::ClassCount1, "隔码个数", counts, listCount<1>);
    reference(A::ClassCount2, "中码个数", counts, listCount<2>);
    reference(A::ClassShape, "形态", kShapes, classShape);
    reference(A::ClassPattern, "组选排列", patterns, classPattern, DigitSource::Digits,
              Wording::FamilyPattern);
    reference(A::ClassDirect, "直选排列",
              positionWords(family.classWords[0], family.classWords[1], family.classWords[2]), classDirect,
              DigitSource::Digits, Wording::FamilyDirect);
    reference(A::TailsClassCount0, "位合复码个数", counts, listCount<0>, tails);
    reference(A::TailsClassCount1, "位合隔码个数", counts, listCount<1>, tails);
    reference(A::TailsClassCount2, "位合中码个数", counts, listCount<2>, tails);
    reference(A::TailsClassShape, "位合形态", kShapes, classShape, tails);
    reference(A::TailsClassPattern, "位合复隔中", patterns, classPattern, tails, Wording::FamilyPattern);
    return t;
}

const std::vector<AttributeRow>& table() {
    static const std::vector<AttributeRow> rows = buildTable();
    return rows;
}

/// The value index of every number 0..999 under every row that reads no reference element.
using IndexTable = std::array<std::array<std::uint16_t, 1000>, kAttributeCount>;

const IndexTable& indexTable() {
    static const auto indexes = [] {
        auto all = std::make_unique<IndexTable>();
        for (const auto& row : table()) {
            if (row.readsReference) continue;
            auto& column = (*all)[static_cast<std::size_t>(row.id)];
            for (int n = 0; n < 1000; ++n)
                column[static_cast<std::size_t>(n)] =
                    static_cast<std::uint16_t>(row.value({n / 100, n / 10 % 10, n % 10}, {}));
        }
        return all;
    }();
    return *indexes;
}

} // namespace

std::span<const AttributeRow> attributeTable() noexcept {
    return table();
}

const AttributeRow& attributeRow(AttributeId id) noexcept {
    return table()[static_cast<std::size_t>(id)];
}

int attributeIndex(AttributeId id, int number) noexcept {
    if (number < 0 || number > 999 || attributeRow(id).readsReference) return -1;
    return indexTable()[static_cast<std::size_t>(id)][static_cast<std::size_t>(number)];
}

std::span<const std::uint16_t> attributeIndexes(AttributeId id) noexcept {
    if (attributeRow(id).readsReference) return {};
    return indexTable()[static_cast<std::size_t>(id)];
}

int attributeIndex(AttributeId id, const Digits3& digits, const DigitSets& sets) noexcept {
    for (int v : digits)
        if (v < 0 || v > 9) return -1;
    const AttributeRow& row = attributeRow(id);
    return row.value(row.source == DigitSource::SortedPairTails ? sortedPairTails(digits) : digits, sets);
}

Digits3 sortedPairTails(const Digits3& d) noexcept {
    return sorted({(d[0] + d[1]) % 10, (d[0] + d[2]) % 10, (d[1] + d[2]) % 10});
}

std::string attributeWord(AttributeId id, int index, const PatternFamily& family) {
    const AttributeRow& row = attributeRow(id);
    if (index < 0 || index >= static_cast<int>(row.vocabulary.size())) return {};
    const auto i = static_cast<std::size_t>(index);
    switch (row.wording) {
    case Wording::FamilyPattern:
        return patternWordAt(family, i);
    case Wording::FamilyDirect:
        return std::string(family.classWords[i / 9]) + std::string(family.classWords[i / 3 % 3]) +
               std::string(family.classWords[i % 3]);
    case Wording::Own:
        break;
    }
    return row.vocabulary[i];
}

std::string_view attributeWordOf(AttributeId id, int number) noexcept {
    const int index = attributeIndex(id, number);
    if (index < 0) return {};
    return attributeRow(id).vocabulary[static_cast<std::size_t>(index)];
}

bool wordMatches(MatchRule rule, std::string_view word, std::string_view value) noexcept {
    if (rule == MatchRule::Substring) return !word.empty() && value.find(word) != std::string_view::npos;
    return Get_Fun_Class::ContainsWord(word, value);
}

std::vector<bool> acceptedValues(AttributeId id, std::string_view value, const PatternFamily& family) {
    const AttributeRow& row = attributeRow(id);
    std::vector<bool> accepted(row.vocabulary.size());
    for (std::size_t i = 0; i < accepted.size(); ++i)
        accepted[i] = wordMatches(row.match, attributeWord(id, static_cast<int>(i), family), value);
    return accepted;
}

DigitSets digitSets(std::string_view set1, std::string_view set2, std::string_view set3) noexcept {
    DigitSets sets{};
    const std::array<std::string_view, 3> lists{set1, set2, set3};
    for (std::size_t d = 0; d < 10; ++d)
        for (std::size_t k = 0; k < 3; ++k)
            if (lists[k].find(static_cast<char>('0' + d)) != std::string_view::npos)
                sets[d] |= static_cast<std::uint8_t>(1u << k);
    return sets;
}

} // namespace p3::core
