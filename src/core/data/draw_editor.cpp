#include "core/data/draw_editor.h"

#include <SQLiteCpp/SQLiteCpp.h>

#include "core/common/utf8.h"

namespace p3::core {
namespace {

bool allDecimal(std::string_view s) {
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

} // namespace

Status checkDrawEntry(std::string_view period, std::string_view digits, int digitCount) {
    if (period.empty() || digits.empty()) return fail(std::string(draw_messages::kEmptyField));
    // Characters, not bytes: a Chinese character typed by mistake is one position, then refused as no digit.
    if (characterCount(digits) != static_cast<std::size_t>(digitCount))
        return fail(std::string(draw_messages::kWrongDigitCount));
    if (!allDecimal(digits)) return fail(std::string(draw_messages::kDigitsNotDecimal));
    // Only plain digits: a sign or a blank would make a period that reads back as another text.
    if (!allDecimal(period)) return fail(std::string(draw_messages::kPeriodNotNumber));
    return checkPeriodText(period); // digits only, but no longer than a period can be
}

Status checkPeriodFits(DrawDatabase& db, const LotteryInfo& lottery, std::string_view period) {
    auto lengths = db.periodLengths(lottery.kind, lottery.id);
    if (!lengths) return std::unexpected(lengths.error());
    return checkPeriodLength(period, lengths->shortest, lengths->longest);
}

std::string duplicatePeriodMessage(std::string_view period) {
    return "第" + std::string(period) + "期 已经存在!";
}

Result<bool> periodStored(DrawDatabase& db, const LotteryInfo& lottery, std::string_view period) {
    auto table = drawTableOf(lottery.kind);
    if (!table) return fail("未知的彩票类别: " + lottery.kind);
    auto value = parsePeriod(period);
    if (!value) return fail(std::string(draw_messages::kPeriodNotNumber));
    try {
        SQLite::Statement q(db.connection(),
                            "select 1 from " + std::string(*table) + " where Cp_only_ID=? and Cp_QHao=?");
        q.bind(1, lottery.id);
        q.bind(2, *value);
        return q.executeStep();
    } catch (const std::exception& e) {
        return fail("数据库操作失败 (" + db.file().string() + "): " + e.what());
    }
}

Status storeNewDraw(DrawDatabase& db, const LotteryInfo& lottery, std::string_view period,
                    std::string_view digits) {
    if (auto ok = checkDrawEntry(period, digits, lottery.digitCount); !ok) return ok;
    // Checked and stored in one write transaction: nothing can store the period in between.
    return db.writeTransaction([&]() -> Status {
        auto stored = periodStored(db, lottery, period);
        if (!stored) return std::unexpected(stored.error());
        if (*stored) return fail(duplicatePeriodMessage(period));
        if (auto ok = checkPeriodFits(db, lottery, period); !ok) return ok;
        return db.insertDraw(lottery.kind, lottery.id, period, digits);
    });
}

DrawEditor::DrawEditor(DrawDatabase& db, LotteryInfo lottery, DrawList rows)
    : m_db(db), m_lottery(std::move(lottery)), m_rows(std::move(rows)) {}

std::string DrawEditor::countText() const {
    return "共: " + std::to_string(m_rows.size()) + " 期";
}

std::string DrawEditor::proposedAddPeriod() const {
    return m_rows.empty() ? std::string() : NextPeriodText(m_rows.back().period);
}

std::string DrawEditor::proposedInsertPeriod(std::size_t row) const {
    return row < m_rows.size() ? PreviousPeriodText(m_rows[row].period) : std::string();
}

Status DrawEditor::checkRow(std::size_t row) const {
    if (row >= m_rows.size()) return fail("没有选择任何 开奖数据!");
    return {};
}

Status DrawEditor::add(std::string_view period, std::string_view digits) {
    if (auto ok = storeNewDraw(m_db, m_lottery, period, digits); !ok) return ok;
    m_rows.push_back({std::string(period), std::string(digits)});
    m_changed = true;
    return {};
}

Status DrawEditor::insertBefore(std::size_t row, std::string_view period, std::string_view digits) {
    if (row > m_rows.size()) return fail("没有选择任何 开奖数据!");
    if (auto ok = storeNewDraw(m_db, m_lottery, period, digits); !ok) return ok;
    m_rows.insert(m_rows.begin() + static_cast<std::ptrdiff_t>(row),
                  {std::string(period), std::string(digits)});
    m_changed = true;
    return {};
}

Status DrawEditor::modify(std::size_t row, std::string_view digits) {
    if (auto ok = checkRow(row); !ok) return ok;
    Draw& draw = m_rows[row];
    if (auto ok = checkDrawEntry(draw.period, digits, m_lottery.digitCount); !ok) return ok;
    if (auto ok =
            m_db.updateDraw(m_lottery.kind, m_lottery.id, draw.period, draw.digits, draw.period, digits);
        !ok)
        return ok;
    draw.digits = std::string(digits);
    m_changed = true;
    return {};
}

Status DrawEditor::remove(std::size_t row) {
    if (auto ok = checkRow(row); !ok) return ok;
    const Draw& draw = m_rows[row];
    if (auto ok = m_db.deleteDraw(m_lottery.kind, m_lottery.id, draw.period, draw.digits); !ok) return ok;
    m_rows.erase(m_rows.begin() + static_cast<std::ptrdiff_t>(row));
    m_changed = true;
    return {};
}

Status DrawEditor::clear() {
    if (m_rows.empty()) return {};
    if (auto ok = m_db.deleteAllDraws(m_lottery.kind, m_lottery.id); !ok) return ok;
    m_rows.clear();
    m_changed = true;
    return {};
}

void DrawEditor::setRows(DrawList rows, bool changed) {
    m_rows = std::move(rows);
    if (changed) m_changed = true;
}

} // namespace p3::core
