#pragma once
/// The draw database: lotteries, their draws, the public numbers and the chart help texts.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/common/error.h"
#include "core/common/progress.h"
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

/// How the database is opened: for the workbench's changes, or only for reading (the draw server).
enum class OpenMode { ReadWrite, ReadOnly };

/// What storeNewerDraws stored: the draws added, in period order (none when nothing was newer).
struct NewerDrawsStored {
    DrawList added;
    std::size_t count() const { return added.size(); }
    /// The first and the last period added; empty when nothing was added.
    std::string firstPeriod() const { return added.empty() ? std::string() : added.front().period; }
    std::string lastPeriod() const { return added.empty() ? std::string() : added.back().period; }
};

/// The number of digits of a lottery's stored periods: the shortest and the longest; 0 and 0 with none.
struct PeriodLengths {
    std::size_t shortest = 0;
    std::size_t longest = 0;
};

/// "数据库正被另一个程序使用 ...": the message of a database another program holds locked.
std::string databaseInUseMessage(const std::filesystem::path& file);

/// Every statement the workbench issues against its database, each value bound as a parameter.
class DrawDatabase {
public:
    /// Opens an existing database file; a missing, unreadable or foreign file, a folder or a database
    /// another program holds locked is an error naming it. Opened for changes, a database that holds a
    /// period of a lottery twice is repaired (the first stored row of each period is kept) and
    /// repairNotice() says so.
    [[nodiscard]] static Result<DrawDatabase> open(const std::filesystem::path& file,
                                                   OpenMode mode = OpenMode::ReadWrite);
    /// Creates a new database file with the empty tables (the file must not exist yet).
    [[nodiscard]] static Result<DrawDatabase> create(const std::filesystem::path& file);

    DrawDatabase(DrawDatabase&&) noexcept;
    DrawDatabase& operator=(DrawDatabase&&) noexcept;
    ~DrawDatabase();

    const std::filesystem::path& file() const { return m_file; }
    /// What the opening repaired, for the user to read once; empty when nothing was repaired.
    const std::string& repairNotice() const { return m_repairNotice; }

    /// Runs `body` inside one write transaction begun with BEGIN IMMEDIATE, so that what it reads
    /// cannot change before it writes; a second writer waits (up to a few seconds) instead of
    /// interleaving. An error from `body` or an exception rolls everything back.
    [[nodiscard]] Status writeTransaction(const std::function<Status()>& body);

    // The lottery table.
    [[nodiscard]] Result<std::vector<LotteryInfo>> listLotteries();
    [[nodiscard]] Result<std::optional<LotteryInfo>> findLottery(std::string_view name);
    [[nodiscard]] Result<bool> lotteryIdExists(std::int64_t id);
    /// Adds a lottery; without a digit count the column's default (3) is kept.
    [[nodiscard]] Status addLottery(std::string_view name, std::string_view kind, std::int64_t id,
                                    std::optional<int> digitCount = std::nullopt);
    /// Removes the lottery and every draw of it from the table of its kind, in one transaction.
    [[nodiscard]] Status deleteLottery(std::string_view name);
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
    /// Appends the draws in one transaction: all of them are stored or none. `progress` follows the rows
    /// written.
    [[nodiscard]] Status appendDraws(std::string_view kind, std::int64_t id, const DrawList& draws,
                                     const Progress& progress = {});
    /// Replaces every draw of the lottery by the given ones in one transaction.
    [[nodiscard]] Status replaceDraws(std::string_view kind, std::int64_t id, const DrawList& draws,
                                      const Progress& progress = {});
    /// The online update's store: in one BEGIN IMMEDIATE transaction, reads the last stored period,
    /// keeps the candidates above it and inserts them in period order. A kept candidate that is no
    /// draw of the lottery (period, its length, digit count, a period given twice with other digits)
    /// refuses the whole batch, naming it; nothing is stored then.
    [[nodiscard]] Result<NewerDrawsStored> storeNewerDraws(const LotteryInfo& lottery,
                                                           const DrawList& candidates);
    /// The digit counts of the lottery's stored periods (for the period-length check of new draws).
    [[nodiscard]] Result<PeriodLengths> periodLengths(std::string_view kind, std::int64_t id);

    // The other tables.
    [[nodiscard]] Result<std::vector<std::string>> publicNumbers();
    [[nodiscard]] Status setPublicNumbers(const std::vector<std::string>& numbers);
    [[nodiscard]] Result<std::vector<ChartHelp>> chartHelp();
    [[nodiscard]] Status addChartHelp(const ChartHelp& help);

    /// The raw connection, for the few places that need a statement of their own.
    SQLite::Database& connection() { return *m_db; }

private:
    DrawDatabase(std::filesystem::path file, std::unique_ptr<SQLite::Database> db);
    Status appendWithin(std::string_view table, std::int64_t id, const DrawList& draws,
                        const Progress& progress = {});
    Status repairDuplicatePeriods();
    /// Gives a database made before lotteries had a source its source column.
    void addSourceColumn();

    std::filesystem::path m_file;
    std::unique_ptr<SQLite::Database> m_db;
    std::string m_repairNotice;
};

/// The SQL that creates the tables of an empty database.
std::string_view drawDatabaseSchema();

} // namespace p3::core
