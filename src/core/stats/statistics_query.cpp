#include "core/stats/statistics_query.h"

#include "core/stats/statistic_kinds.h"

#include <algorithm>
#include <charconv>

namespace p3::core {

namespace {

/// Kinds whose 名称 values are words and cannot be sorted.
bool hasWordValues(int kind) noexcept {
    return (kind >= 7 && kind <= 12) || kind == 20 || kind == 21 || (kind >= 39 && kind <= 41);
}

bool endsWith(std::string_view text, std::string_view tail) {
    return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

double parseNumber(std::string_view text) {
    double value = 0;
    const char* first = text.data();
    const char* last = first + text.size();
    if (first != last && *first == '+') ++first;
    auto [ptr, ec] = std::from_chars(first, last, value);
    return ec == std::errc{} && ptr == last ? value : 0.0;
}

} // namespace

StatisticsRange::StatisticsRange(std::size_t drawCount) : m_count(drawCount) {
    m_end = drawCount == 0 ? 0 : drawCount - 1;
    m_begin = drawCount <= 1000 ? 0 : drawCount - 1000;
}

Status StatisticsRange::chooseRecent(std::string_view choice) {
    if (choice == kJinQshuChoices[0]) return changeRange(0, m_count == 0 ? 0 : m_count - 1);
    std::size_t n = 0;
    auto [ptr, ec] = std::from_chars(choice.data(), choice.data() + choice.size(), n);
    if (ec != std::errc{} || ptr != choice.data() + choice.size()) return fail("请正常设置范围!");
    return chooseLast(n);
}

Status StatisticsRange::chooseLast(std::size_t count) {
    const std::size_t last = m_count == 0 ? 0 : m_count - 1;
    return changeRange(count > m_count ? 0 : m_count - count, last);
}

Status StatisticsRange::changeRange(std::size_t begin, std::size_t end) {
    // A refused choice leaves the range in force as it was: the charts, the status text and the
    // omission query must keep agreeing on it.
    if (m_count == 0 || end >= m_count || begin >= end) return fail("请正常设置范围!");
    m_begin = begin;
    m_end = end;
    return {};
}

std::string StatisticsRange::statusText() const {
    return "当前统计：" + std::to_string(size()) + "期";
}

void OmissionQuery::setWorkList(std::vector<int> numbers) {
    m_workList = std::move(numbers);
    m_displayed.clear();
    m_cache.clear();
    m_rowCount = 2;
}

Status OmissionQuery::query(const std::vector<std::string>& names, const std::function<void(int)>& progress) {
    if (names.empty()) return fail("请选择统计的条件名称!");
    std::vector<int> kinds;
    for (const auto& name : names) {
        const int kind = statisticKindOf(name);
        if (kind == 0 || kind == kUncomputedKind) return fail("没有这个统计参数: " + name);
        // A kind named twice is shown once: its block is one record with one place in the table.
        if (std::find(kinds.begin(), kinds.end(), kind) == kinds.end()) kinds.push_back(kind);
    }
    std::vector<Record> shown;
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        auto cached = std::find_if(m_cache.begin(), m_cache.end(),
                                   [&](const Record& r) { return r->kind == kinds[i]; });
        if (cached != m_cache.end())
            shown.push_back(*cached);
        else
            shown.push_back(std::make_shared<Tj_Inf>(ComputeKindStatistics(kinds[i], m_workList, m_ini)));
        if (progress) progress(static_cast<int>((i + 1) * 100 / kinds.size()));
    }
    int counter = 0;
    for (auto& record : shown) {
        const int m = static_cast<int>(record->size());
        record->firstRow = counter;
        record->lastRow = counter + m + 1;
        counter += m + 2;
    }
    m_displayed = std::move(shown);
    m_rowCount = counter;
    for (const auto& record : m_displayed)
        if (std::none_of(m_cache.begin(), m_cache.end(),
                         [&](const Record& r) { return r->kind == record->kind; }))
            m_cache.push_back(record);
    return {};
}

const OmissionQuery::Record* OmissionQuery::blockOf(int row, int& offset) const noexcept {
    for (const auto& record : m_displayed)
        if (row >= record->firstRow && row <= record->lastRow) {
            offset = row - record->firstRow;
            return &record;
        }
    return nullptr;
}

OmissionQuery::RowKind OmissionQuery::rowKind(int row) const noexcept {
    int offset = 0;
    if (!blockOf(row, offset)) return RowKind::None;
    return offset == 0 ? RowKind::Title : (offset == 1 ? RowKind::Header : RowKind::Value);
}

std::vector<std::string> OmissionQuery::rowCells(int row) const {
    std::vector<std::string> cells(kStatisticColumnTitles.size());
    int offset = 0;
    const Record* record = blockOf(row, offset);
    if (!record) return cells;
    if (offset == 0) {
        cells[0] = "(" + (*record)->name + ") 遗漏统计";
    } else if (offset == 1) {
        for (std::size_t c = 0; c < cells.size(); ++c)
            cells[c] = std::string(kStatisticColumnTitles[c]);
    } else {
        for (std::size_t c = 0; c < cells.size(); ++c)
            cells[c] = (*record)->cell(static_cast<std::size_t>(offset - 2), static_cast<int>(c));
    }
    return cells;
}

bool OmissionQuery::isSortable(int row, int column) const noexcept {
    int offset = 0;
    const Record* record = blockOf(row, offset);
    if (!record || offset != 1 || column < 0 || column >= static_cast<int>(kStatisticColumnTitles.size()))
        return false;
    return !(column == 0 && hasWordValues((*record)->kind));
}

bool OmissionQuery::sortByColumn(int row, int column) {
    if (!isSortable(row, column)) return false;
    int offset = 0;
    Tj_Inf& info = **blockOf(row, offset);
    std::vector<double> keys(info.size());
    for (std::size_t i = 0; i < keys.size(); ++i)
        keys[i] = statisticSortKey(info, i, column);
    // A stable insertion sort that carries every column: equal keys keep their order.
    for (std::size_t i = 1; i < keys.size(); ++i) {
        std::size_t j = i;
        while (j > 0 && (m_ascending ? keys[j - 1] > keys[i] : keys[j - 1] < keys[i]))
            --j;
        if (j != i) {
            info.moveValue(i, j);
            std::rotate(keys.begin() + static_cast<std::ptrdiff_t>(j),
                        keys.begin() + static_cast<std::ptrdiff_t>(i),
                        keys.begin() + static_cast<std::ptrdiff_t>(i) + 1);
        }
    }
    m_ascending = !m_ascending;
    return true;
}

double statisticSortKey(const Tj_Inf& info, std::size_t i, int column) {
    if (const auto number = info.number(i, column)) return *number;
    std::string text = info.cell(i, column);
    if (column == 0 && info.kind == 17) return parseNumber(std::string_view(text).substr(0, 1));
    for (std::string_view unit : {"%", "注", "号"})
        if (endsWith(text, unit)) {
            text.resize(text.size() - unit.size());
            break;
        }
    return parseNumber(text);
}

} // namespace p3::core
