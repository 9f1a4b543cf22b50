#pragma once
/// Editing the draw history of one lottery: the editor's checks and the add, insert, modify, delete
/// and clear commands of data management, each stored at once.
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "core/common/error.h"
#include "core/history/draw_list.h"
#include "core/store/draw_database.h"

namespace p3::core {

/// The editor's modes, by its caption.
enum class DrawEditMode { Add, Insert, Modify };

namespace draw_messages {
inline constexpr std::string_view kEmptyField = "请正确输入!";
inline constexpr std::string_view kWrongDigitCount = "奖号位数不正确!";
inline constexpr std::string_view kDigitsNotDecimal = "奖号只能由数字 0-9 组成!";
inline constexpr std::string_view kPeriodNotNumber = "期号只能由数字组成!";
} // namespace draw_messages

/// The editor's checks on its two fields, in order: both filled, the digit count of the lottery,
/// decimal digits, a decimal period of at most kMaxPeriodDigits digits.
[[nodiscard]] Status checkDrawEntry(std::string_view period, std::string_view digits, int digitCount);

/// Checks that a period has as many digits as the lottery's stored periods (any length when it has none).
[[nodiscard]] Status checkPeriodFits(DrawDatabase& db, const LotteryInfo& lottery, std::string_view period);

/// "第" + period + "期 已经存在!": the refusal of a period the lottery already holds.
std::string duplicatePeriodMessage(std::string_view period);

/// True when the lottery already holds a draw of that period (compared as numbers).
[[nodiscard]] Result<bool> periodStored(DrawDatabase& db, const LotteryInfo& lottery,
                                        std::string_view period);

/// Checks and stores one new draw (the editor's "新增" and "插入一期", and the main window's direct add):
/// the entry, a period not stored yet and of the lottery's period length, in one write transaction.
[[nodiscard]] Status storeNewDraw(DrawDatabase& db, const LotteryInfo& lottery, std::string_view period,
                                  std::string_view digits);

/// The data-management window's copy of the history and the commands on it. Row indexes are those of
/// the draws, 0 for the oldest; every command changes the database first and its rows only after.
class DrawEditor {
public:
    DrawEditor(DrawDatabase& db, LotteryInfo lottery, DrawList rows);

    const DrawList& rows() const { return m_rows; }
    const LotteryInfo& lottery() const { return m_lottery; }
    /// Set by every command that changed stored draws; the owner reads it when the window closes.
    bool changed() const { return m_changed; }
    void clearChanged() { m_changed = false; }

    /// "共: " + n + " 期".
    std::string countText() const;
    /// The period the editor proposes in "新增": the next after the last row, empty with no rows.
    std::string proposedAddPeriod() const;
    /// The period proposed by "插入一期" before the row: the one before the row's period.
    std::string proposedInsertPeriod(std::size_t row) const;

    /// "新增": a new last row.
    [[nodiscard]] Status add(std::string_view period, std::string_view digits);
    /// "插入一期": a new row at the given position, the rows from there moving down.
    [[nodiscard]] Status insertBefore(std::size_t row, std::string_view period, std::string_view digits);
    /// "修改": new digits for the row; its period stays.
    [[nodiscard]] Status modify(std::size_t row, std::string_view digits);
    /// "删除": the row and its stored draw.
    [[nodiscard]] Status remove(std::size_t row);
    /// "清空": every draw of the lottery.
    [[nodiscard]] Status clear();
    /// Replaces the rows after an import or an update merged into the database.
    void setRows(DrawList rows, bool changed);

private:
    Status checkRow(std::size_t row) const;

    DrawDatabase& m_db;
    LotteryInfo m_lottery;
    DrawList m_rows;
    bool m_changed = false;
};

} // namespace p3::core
