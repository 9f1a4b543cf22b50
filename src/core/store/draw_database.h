#pragma once
/// The draw database: lotteries, their draws, the public numbers and the chart help texts.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/common/error.h"
#include "core/history/draw_list.h"

namespace SQLite {
class Database;
}

namespace p3::core {

inline constexpr std::string_view kKindFuCai = "福彩";
inline constexpr std::string_view kKindTiCai = "体彩";

/// One row of the lottery table.
struct LotteryInfo {
    std::string name;
    std::string kind;
    std::int64_t id = 0;
    int digitCount = 3;
    bool operator==(const LotteryInfo&) const = default;
};

/// One row of the chart help table.
struct ChartHelp {
    std::string name;
    std::string title;
    std::string help;
};

/// The draw table of a lottery kind; nothing for a kind other than the two known ones.
std::optional<std::string_view> drawTableOf(std::string_view kind);

/// Every statement the workbench issues against its database, each value bound as a parameter.
class DrawDatabase {
public:
    /// Opens an existing database file; a missing, unreadable or foreign file is an error naming it.
    [[nodiscard]] static Result<DrawDatabase> open(const std::filesystem::path& file);
    /// Creates a new database file with the empty tables (the file must not exist yet).
    [[nodiscard]] static Result<DrawDatabase> create(const std::filesystem::path& file);

    DrawDatabase(DrawDatabase&&) noexcept;
    DrawDatabase& operator=(DrawDatabase&&) noexcept;
    ~DrawDatabase();

    const std::filesystem::path& file() const { return m_file; }

    // The lottery table.
    [[nodiscard]] Result<std::vector<LotteryInfo>> listLotteries();
    [[nodiscard]] Result<std::optional<LotteryInfo>> findLottery(std::string_view name);
    [[nodiscard]] Result<bool> lotteryIdExists(std::int64_t id);
    /// Adds a lottery; without a digit count the column's default (3) is kept.
    [[nodiscard]] Status addLottery(std::string_view name, std::string_view kind, std::int64_t id,
                                    std::optional<int> digitCount = std::nullopt);
    /// Removes the lottery and every draw of it from the table of its kind, in one transaction.
    [[nodiscard]] Status deleteLottery(std::string_view name);
    [[nodiscard]] Status setDigitCount(std::int64_t id, int digitCount);
    /// The source kind new draws of the lottery come from ("server" for a lottery that names none).
    [[nodiscard]] Result<std::string> lotterySource(std::int64_t id);
    /// Sets the source kind of the lottery of that name; an unknown name is an error.
    [[nodiscard]] Status setLotterySource(std::string_view name, std::string_view source);

    // The draw tables, chosen by kind.
    [[nodiscard]] Result<DrawList> loadDraws(std::string_view kind, std::int64_t id);
    [[nodiscard]] Result<std::int64_t> countDraws(std::string_view kind, std::int64_t id);
    [[nodiscard]] Status insertDraw(std::string_view kind, std::int64_t id, std::string_view period,
                                    std::string_view digits);
    /// Changes the draw (period, oldDigits) to (newPeriod, newDigits); an error when no such draw exists.
    [[nodiscard]] Status updateDraw(std::string_view kind, std::int64_t id, std::string_view period,
                                    std::string_view oldDigits, std::string_view newPeriod,
                                    std::string_view newDigits);
    [[nodiscard]] Status deleteAllDraws(std::string_view kind, std::int64_t id);
    [[nodiscard]] Status deleteDraw(std::string_view kind, std::int64_t id, std::string_view period,
                                    std::string_view digits);
    /// Appends the draws in one transaction: all of them are stored or none.
    [[nodiscard]] Status appendDraws(std::string_view kind, std::int64_t id, const DrawList& draws);
    /// Replaces every draw of the lottery by the given ones in one transaction.
    [[nodiscard]] Status replaceDraws(std::string_view kind, std::int64_t id, const DrawList& draws);

    // The other tables.
    [[nodiscard]] Result<std::vector<std::string>> publicNumbers();
    [[nodiscard]] Status setPublicNumbers(const std::vector<std::string>& numbers);
    [[nodiscard]] Result<std::vector<ChartHelp>> chartHelp();
    [[nodiscard]] Status addChartHelp(const ChartHelp& help);

    /// The raw connection, for the few places that need a statement of their own.
    SQLite::Database& connection() { return *m_db; }

private:
    DrawDatabase(std::filesystem::path file, std::unique_ptr<SQLite::Database> db);
    Status appendWithin(std::string_view table, std::int64_t id, const DrawList& draws);
    /// Gives a database made before lotteries had a source its source column.
    void addSourceColumn();

    std::filesystem::path m_file;
    std::unique_ptr<SQLite::Database> m_db;
};

/// The SQL that creates the tables of an empty database.
std::string_view drawDatabaseSchema();

} // namespace p3::core
