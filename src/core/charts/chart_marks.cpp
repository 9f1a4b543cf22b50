// The marks a main-grid chart writes for one draw: for every group the value index of each of its attributes,
// in the column at that position of the group's vocabulary.
#include "core/attributes/value_classes.h"
#include "core/charts/chart_layout.h"

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

/// The three pair tails (百+十, 百+个, 十+个, each mod 10) as one number, in that order.
int tailsOf(int number) {
    if (number < 0) return -1;
    const auto d = digitsOf(number);
    return (d[0] + d[1]) % 10 * 100 + (d[0] + d[2]) % 10 * 10 + (d[1] + d[2]) % 10;
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

std::string tailText(int tails) {
    const auto v = digitsOf(tails);
    return {static_cast<char>('0' + v[0]), static_cast<char>('0' + v[1]), static_cast<char>('0' + v[2])};
}

/// The value index of one of a group's attributes for the row, before any class or position is taken.
int attributeValue(const GroupSpec& group, AttributeId id, const RowContext& row, int tails) {
    if (group.readsReference) return attributeIndex(id, row.digits, row.sets);
    return attributeIndex(id, group.ofTails ? tails : row.number);
}

} // namespace

AttributeId valueClassRow(ValueClass valueClass) noexcept {
    switch (valueClass) {
    case ValueClass::Size:
        return AttributeId::SumTailSize;
    case ValueClass::Parity:
        return AttributeId::SumTailParity;
    case ValueClass::Prime:
        return AttributeId::SumTailPrime;
    case ValueClass::BigMidSmall:
        return AttributeId::SumTailBigMidSmall;
    default:
        return AttributeId::SumTailRoute;
    }
}

int valueClassIndex(ValueClass valueClass, int value, const RowContext& row) noexcept {
    switch (valueClass) {
    case ValueClass::None:
        return value;
    case ValueClass::History:
        return value >= 0 && value <= 9 ? row.classes[static_cast<std::size_t>(value)] : -1;
    case ValueClass::Route:
        // Sums reach 27: the route is taken of the value itself, not of its last digit.
        return routeOf(value);
    default:
        // The number v (0..9) has the sum tail v, so the table's tail classes classify it; the parity of a
        // larger sum is that of its last digit, and the other classes are only taken of values 0..9.
        return attributeIndex(valueClassRow(valueClass), value % 10);
    }
}

int valueColumn(const GroupSpec& group, int position) noexcept {
    const bool between = group.spacers == Spacers::Between || group.spacers == Spacers::AroundAndBetween;
    return group.firstValueColumn + position * (between ? 2 : 1);
}

void computeHistory(History history, RowContext& row) {
    Classes classes{};
    switch (history) {
    case History::None:
        row.hasHistory = false;
        return;
    case History::RepeatGapMiddle:
        classes = repeatGapMiddle(row.before(1), row.before(2));
        break;
    case History::AdjacentIsolatedTransmitted:
        classes = adjacentIsolatedTransmitted(row.before(1));
        break;
    case History::HotWarmCold:
        if (row.index < 7) {
            row.hasHistory = false;
            return;
        }
        classes = hotWarmCold(row);
        break;
    case History::TailsRepeatGapMiddle:
        classes = repeatGapMiddle(tailsOf(row.before(1)), tailsOf(row.before(2)));
        break;
    }
    row.hasHistory = true;
    row.classes = classes;
    for (std::size_t d = 0; d < 10; ++d)
        row.sets[d] = static_cast<std::uint8_t>(1u << classes[d]);
}

void writeMarks(const MainChartSpec& spec, const RowContext& row, RowWriter& writer) {
    const int tails = tailsOf(row.number);
    for (const GroupSpec& group : spec.groups) {
        if (group.readsHistory && !row.hasHistory) continue;
        if (group.text == GroupText::HistorySets) {
            for (int c = 0; c < 3; ++c)
                writer.put(group.first + c, classDigits(row.classes, c));
            continue;
        }
        if (group.text == GroupText::TailsText) writer.put(group.first, tailText(tails));
        for (int k = 0; k < group.attributeCount; ++k) {
            const int value =
                attributeValue(group, group.attributes[static_cast<std::size_t>(k)], row, tails);
            const int index = valueClassIndex(group.valueClass, value, row);
            const int position = group.position ? group.position(index) : index - group.firstValue;
            if (position >= 0 && position < group.valueCount) writer.mark(valueColumn(group, position));
        }
    }
}

} // namespace p3::core::charts
