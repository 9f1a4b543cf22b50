// The marks each main-grid chart writes for one draw; columns as the chart layouts number them.
#include "core/attributes/attribute_tables.h"
#include "core/attributes/get_fun_class.h"
#include "core/charts/chart_layout.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace p3::core::charts {

void RowWriter::mark(int column) {
    if (m_grid.hasText(m_row, column)) {
        m_grid.setRepeated(m_row, column);
        return;
    }
    m_grid.setHeaderText(m_row, column);
}

void RowWriter::put(int column, std::string text) {
    m_grid.setText(m_row, column, std::move(text));
}

namespace {

using Classes = std::array<int, 10>; ///< class 0..2 of every digit

std::array<int, 3> digitsOf(int number) {
    return {number / 100, number / 10 % 10, number % 10};
}

/// The digits 0..9 of a class, ascending.
std::string classDigits(const Classes& classes, int cls) {
    std::string text;
    for (int d = 0; d < 10; ++d)
        if (classes[static_cast<std::size_t>(d)] == cls) text += static_cast<char>('0' + d);
    return text;
}

/// 复 (0) in the last draw, 隔 (1) in the draw before it, else 中 (2); a missing draw holds nothing.
Classes repeatGapMiddle(int last, int beforeLast) {
    Classes c;
    c.fill(2);
    if (beforeLast >= 0)
        for (int d : digitsOf(beforeLast))
            c[static_cast<std::size_t>(d)] = 1;
    if (last >= 0)
        for (int d : digitsOf(last))
            c[static_cast<std::size_t>(d)] = 0;
    return c;
}

/// 传 (2) in the last draw, else 邻 (0) next to one of its digits (0 and 9 neighbours), else 孤 (1).
Classes adjacentIsolatedTransmitted(int last) {
    Classes c;
    c.fill(1);
    if (last < 0) return c;
    for (int d : digitsOf(last)) {
        c[static_cast<std::size_t>((d + 1) % 10)] = 0;
        c[static_cast<std::size_t>((d + 9) % 10)] = 0;
    }
    for (int d : digitsOf(last))
        c[static_cast<std::size_t>(d)] = 2;
    return c;
}

/// 热 (0) three or more times in the seven draws before, 温 (1) twice, 冷 (2) otherwise.
Classes hotWarmCold(const RowContext& row) {
    std::array<int, 10> count{};
    for (std::size_t k = 1; k <= 7; ++k) {
        const int number = row.before(k);
        if (number < 0) continue; // a period without a value (a track block not yet filled) brings no digit
        for (int d : digitsOf(number))
            ++count[static_cast<std::size_t>(d)];
    }
    Classes c;
    for (std::size_t d = 0; d < 10; ++d)
        c[d] = count[d] >= 3 ? 0 : (count[d] == 2 ? 1 : 2);
    return c;
}

/// The classes of a history family for the row; false when the row has too little history (热温冷 before
/// the eighth draw).
bool historyClasses(int family, const RowContext& row, Classes& classes) {
    switch (family) {
    case 0:
        classes = repeatGapMiddle(row.before(1), row.before(2));
        return true;
    case 1:
        classes = adjacentIsolatedTransmitted(row.before(1));
        return true;
    default:
        if (row.index < 7) return false;
        classes = hotWarmCold(row);
        return true;
    }
}

int shapeLetterIndex(const std::array<int, 3>& counts) {
    const auto word = countPatternShapeWord(counts[0], counts[1], counts[2]);
    return word[0] - 'a';
}

void markDistribution(const RowContext& r, RowWriter& w, int first) {
    w.mark(first + r.h);
    w.mark(first + r.t);
    w.mark(first + r.u);
}

void kind1(const RowContext& r, RowWriter& w) {
    w.mark(5 + r.h), w.mark(15 + r.t), w.mark(25 + r.u);
    w.mark(r.x == r.z ? 35 : (r.x == r.y || r.y == r.z ? 37 : 39));
    w.mark(40 + groupTypeIndex({r.h, r.t, r.u}));
}

void kind2(const RowContext& r, RowWriter& w) {
    markDistribution(r, w, 5);
    w.mark(15 + r.x), w.mark(25 + r.y), w.mark(35 + r.z);
}

/// Kinds 3..5: the true word in the first, the false word in the second marked column of each position.
template <BinaryMode Mode> void twoWay(const RowContext& r, RowWriter& w) {
    // 直选 columns in the order FFF, FFT, FTF, TFF, FTT, TFT, TTF, TTT, by the bits 百 十 个.
    constexpr std::array<int, 8> directColumn{0, 1, 2, 4, 3, 5, 6, 7};
    const std::array<int, 3> d{r.h, r.t, r.u};
    int trues = 0, bits = 0;
    for (int p = 0; p < 3; ++p) {
        const bool yes = binaryAttribute(Mode, d[static_cast<std::size_t>(p)]);
        w.mark(5 + 5 * p + (yes ? 1 : 3));
        trues += yes;
        bits = bits * 2 + yes;
    }
    w.mark(20 + trues);
    w.mark(24 + directColumn[static_cast<std::size_t>(bits)]);
}

void kind6(const RowContext& r, RowWriter& w) {
    const int s = r.h + r.t + r.u;
    w.mark(5 + s);
    w.mark(isOdd(s) ? 34 : 36);
    w.mark(39 + s % 3);
}

/// Kinds 7, 8: a value 0..9 from column 5 with its classifications.
void valueClasses7(int v, RowWriter& w) {
    w.mark(5 + v);
    w.mark(isBig(v) ? 16 : 18);
    w.mark(isOdd(v) ? 21 : 23);
    w.mark(isPrime(v) ? 26 : 28);
    w.mark(30 + static_cast<int>(sizeClassOf(v)));
    w.mark(33 + v % 3);
}

void kind7(const RowContext& r, RowWriter& w) {
    valueClasses7((r.h + r.t + r.u) % 10, w);
}
void kind8(const RowContext& r, RowWriter& w) {
    valueClasses7(r.z - r.x, w);
}

void kind9(const RowContext& r, RowWriter& w) {
    markDistribution(r, w, 5);
    w.mark(15 + orderShapeCode({r.h, r.t, r.u}));
}

void kind10(const RowContext& r, RowWriter& w) {
    markDistribution(r, w, 5);
    w.mark(15 + Get_Fun_Class::GetShapeCode({r.h, r.t, r.u}));
}

void kind11(const RowContext& r, RowWriter& w) {
    w.mark(5 + r.h % 3), w.mark(8 + r.t % 3), w.mark(11 + r.u % 3);
    std::array<int, 3> counts{};
    for (int d : {r.h, r.t, r.u})
        ++counts[static_cast<std::size_t>(d % 3)];
    w.mark(14 + counts[0]), w.mark(18 + counts[1]), w.mark(22 + counts[2]);
    w.mark(26 + shapeLetterIndex(counts));
    w.mark(29 + (Get_Fun_Class::GetRouteLetter({r.h, r.t, r.u})[0] - 'A'));
}

void kind12(const RowContext& r, RowWriter& w) {
    std::array<int, 3> counts{}; // 大, 中, 小
    const std::array<int, 3> d{r.h, r.t, r.u};
    for (int p = 0; p < 3; ++p) {
        const int cls = static_cast<int>(sizeClassOf(d[static_cast<std::size_t>(p)]));
        w.mark(5 + 3 * p + cls);
        ++counts[static_cast<std::size_t>(cls)];
    }
    w.mark(14 + counts[0]), w.mark(18 + counts[1]), w.mark(22 + counts[2]);
    w.mark(27 + shapeLetterIndex(counts));
    // The letters run from "003" (A) to "300" (J): the pattern list read backwards.
    w.mark(31 + 9 - countPatternIndex(counts[0], counts[1], counts[2]));
}

/// Kinds 13..15 (family 0, 1, 2) and, on the sum tails, kind 31.
void historyGroupMarks(const Classes& classes, const std::array<int, 3>& values, RowWriter& w, int countFirst,
                       int textFirst, int shapeFirst, int letterFirst) {
    std::array<int, 3> counts{};
    for (int v : values)
        ++counts[static_cast<std::size_t>(classes[static_cast<std::size_t>(v)])];
    for (int c = 0; c < 3; ++c)
        w.mark(countFirst + 4 * c + counts[static_cast<std::size_t>(c)]);
    for (int c = 0; c < 3; ++c)
        w.put(textFirst + c, classDigits(classes, c));
    w.mark(shapeFirst + shapeLetterIndex(counts));
    w.mark(letterFirst + countPatternIndex(counts[0], counts[1], counts[2]));
}

template <int Family> void historyGroup(const RowContext& r, RowWriter& w) {
    markDistribution(r, w, 5);
    Classes classes;
    if (!historyClasses(Family, r, classes)) return;
    historyGroupMarks(classes, {r.h, r.t, r.u}, w, 15, 27, 31, 35);
}

void kind16(const RowContext& r, RowWriter& w) {
    markDistribution(r, w, 5);
    w.mark(15 + r.h % 3), w.mark(18 + r.t % 3), w.mark(21 + r.u % 3);
    w.mark(24 + 9 * (r.h % 3) + 3 * (r.t % 3) + r.u % 3);
}

void kind17(const RowContext& r, RowWriter& w) {
    markDistribution(r, w, 5);
    // Position columns in the order 大, 中, 小; the pattern list counts 小 as 0, 中 1, 大 2.
    int code = 0;
    const std::array<int, 3> d{r.h, r.t, r.u};
    for (int p = 0; p < 3; ++p) {
        const int cls = static_cast<int>(sizeClassOf(d[static_cast<std::size_t>(p)]));
        w.mark(15 + 3 * p + cls);
        code = code * 3 + (2 - cls);
    }
    w.mark(24 + code);
}

template <int Family> void historyDirect(const RowContext& r, RowWriter& w) {
    markDistribution(r, w, 5);
    Classes classes;
    if (!historyClasses(Family, r, classes)) return;
    const std::array<int, 3> d{r.h, r.t, r.u};
    int code = 0;
    for (int p = 0; p < 3; ++p) {
        const int cls = classes[static_cast<std::size_t>(d[static_cast<std::size_t>(p)])];
        w.mark(15 + 3 * p + cls);
        code = code * 3 + cls;
    }
    for (int c = 0; c < 3; ++c)
        w.put(24 + c, classDigits(classes, c));
    w.mark(27 + code);
}

void kind21(const RowContext& r, RowWriter& w) {
    const int a = r.h + r.t, b = r.h + r.u, c = r.t + r.u;
    w.mark(5 + a), w.mark(5 + b), w.mark(5 + c);
    w.mark(24 + a), w.mark(43 + b), w.mark(62 + c);
}

template <int P, int Q> void pairSum(const RowContext& r, RowWriter& w) {
    const std::array<int, 3> d{r.h, r.t, r.u};
    const int s = d[P] + d[Q];
    w.mark(5 + s);
    w.mark(isOdd(s) ? 25 : 27);
    w.mark(29 + s % 3);
}

std::array<int, 3> tails(const RowContext& r) {
    return {(r.h + r.t) % 10, (r.h + r.u) % 10, (r.t + r.u) % 10};
}

void kind25(const RowContext& r, RowWriter& w) {
    const auto v = tails(r);
    for (int x : v)
        w.mark(5 + x);
    w.mark(15 + v[0]), w.mark(25 + v[1]), w.mark(35 + v[2]);
}

/// Kinds 26..28 and 34..36: a value 0..9 from column 5 with five classifications.
void valueClasses26(int v, RowWriter& w) {
    w.mark(5 + v);
    w.mark(isOdd(v) ? 16 : 18);
    w.mark(isBig(v) ? 21 : 23);
    w.mark(isPrime(v) ? 26 : 28);
    w.mark(31 + static_cast<int>(sizeClassOf(v)));
    w.mark(36 + v % 3);
}

template <int I> void tailClasses(const RowContext& r, RowWriter& w) {
    valueClasses26(tails(r)[I], w);
}

std::string tailText(const std::array<int, 3>& v) {
    return {static_cast<char>('0' + v[0]), static_cast<char>('0' + v[1]), static_cast<char>('0' + v[2])};
}

/// The column of the pair (a, b), a < b, among the 45 pair columns from 26.
int tailPairColumn(int a, int b) {
    static const std::array<int, 100> columns = [] {
        std::array<int, 100> out{};
        out.fill(-1);
        constexpr std::string_view pairs =
            "O2O4O6O8242628464868O1O3O5O7O9212325272941434547496163656769818385878913151719353739575979";
        for (std::size_t i = 0; i * 2 < pairs.size(); ++i) {
            const int p = pairs[2 * i] == 'O' ? 0 : pairs[2 * i] - '0';
            const int q = pairs[2 * i + 1] - '0';
            out[static_cast<std::size_t>(std::min(p, q) * 10 + std::max(p, q))] = 26 + static_cast<int>(i);
        }
        return out;
    }();
    return columns[static_cast<std::size_t>(a * 10 + b)];
}

void kind30(const RowContext& r, RowWriter& w) {
    auto v = tails(r);
    w.put(5, tailText(v));
    for (int x : v) {
        w.mark(6 + x);
        w.mark(isOdd(x) ? 21 + x / 2 : 16 + x / 2);
    }
    std::sort(v.begin(), v.end());
    for (auto [i, j] : {std::pair{0, 1}, std::pair{0, 2}, std::pair{1, 2}}) {
        const int a = v[static_cast<std::size_t>(i)], b = v[static_cast<std::size_t>(j)];
        if (a != b) w.mark(tailPairColumn(a, b));
    }
}

void kind31(const RowContext& r, RowWriter& w) {
    const auto v = tails(r);
    w.put(5, tailText(v));
    for (int x : v)
        w.mark(6 + x);
    // 复隔中 of the tails against the tails of the two draws before.
    auto tailsOf = [](int number) {
        if (number < 0) return -1;
        const int h = number / 100, t = number / 10 % 10, u = number % 10;
        return (h + t) % 10 * 100 + (h + u) % 10 * 10 + (t + u) % 10;
    };
    const Classes classes = repeatGapMiddle(tailsOf(r.before(1)), tailsOf(r.before(2)));
    historyGroupMarks(classes, v, w, 16, 28, 32, 36);
}

void kind32(const RowContext& r, RowWriter& w) {
    w.mark(5 + r.h - r.t + 9), w.mark(24 + r.h - r.u + 9), w.mark(43 + r.t - r.u + 9);
}

std::array<int, 3> absDifferences(const RowContext& r) {
    return {std::abs(r.h - r.t), std::abs(r.h - r.u), std::abs(r.t - r.u)};
}

void kind33(const RowContext& r, RowWriter& w) {
    const auto v = absDifferences(r);
    for (int x : v)
        w.mark(5 + x);
    w.mark(15 + v[0]), w.mark(25 + v[1]), w.mark(35 + v[2]);
}

template <int I> void differenceClasses(const RowContext& r, RowWriter& w) {
    valueClasses26(absDifferences(r)[I], w);
}

} // namespace

MarkFunction markFunction(int kind) {
    static constexpr std::array<MarkFunction, 37> functions{nullptr,
                                                            kind1,
                                                            kind2,
                                                            twoWay<BinaryMode::Big>,
                                                            twoWay<BinaryMode::Odd>,
                                                            twoWay<BinaryMode::Prime>,
                                                            kind6,
                                                            kind7,
                                                            kind8,
                                                            kind9,
                                                            kind10,
                                                            kind11,
                                                            kind12,
                                                            historyGroup<0>,
                                                            historyGroup<1>,
                                                            historyGroup<2>,
                                                            kind16,
                                                            kind17,
                                                            historyDirect<0>,
                                                            historyDirect<1>,
                                                            historyDirect<2>,
                                                            kind21,
                                                            pairSum<0, 1>,
                                                            pairSum<0, 2>,
                                                            pairSum<1, 2>,
                                                            kind25,
                                                            tailClasses<0>,
                                                            tailClasses<1>,
                                                            tailClasses<2>,
                                                            nullptr,
                                                            kind30,
                                                            kind31,
                                                            kind32,
                                                            kind33,
                                                            differenceClasses<0>,
                                                            differenceClasses<1>,
                                                            differenceClasses<2>};
    return kind >= 0 && kind < static_cast<int>(functions.size()) ? functions[static_cast<std::size_t>(kind)]
                                                                  : nullptr;
}

} // namespace p3::core::charts
