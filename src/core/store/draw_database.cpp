#include "core/store/draw_database.h"

#include <SQLiteCpp/SQLiteCpp.h>
#include <sqlite3.h>

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

#include "core/store/schema_sql.h"

namespace p3::core {
namespace {

constexpr std::string_view kFuCaiTable = "FuCai_Table";
constexpr std::string_view kTiCaiTable = "TiCai_Table";

// How long a writer waits for another program's write to end before giving up.
constexpr int kBusyTimeoutMs = 5000;

bool isBusy(const std::exception& e) {
    const auto* sqlite = dynamic_cast<const SQLite::Exception*>(&e);
    if (!sqlite) return false;
    const int code = sqlite->getErrorCode() & 0xff;
    return code == SQLITE_BUSY || code == SQLITE_LOCKED;
}

Error dbError(const std::filesystem::path& file, const std::exception& e) {
    if (isBusy(e)) return Error{databaseInUseMessage(file)};
    return Error{"数据库操作失败 (" + file.string() + "): " + e.what()};
}

bool allDecimal(std::string_view s) {
    return !s.empty() && s.find_first_not_of("0123456789") == std::string_view::npos;
}

// The unique index that keeps one row per period of a lottery, by draw table.
std::string periodIndexOf(std::string_view table) {
    return std::string(table) + "_period";
}
// The plain index of earlier databases; the unique one above serves every query it served.
std::string oldIndexOf(std::string_view table) {
    return std::string(table) + "_lottery";
}

bool indexExists(SQLite::Database& db, const std::string& name) {
    SQLite::Statement q(db, "select 1 from sqlite_master where type='index' and name=?");
    q.bind(1, name);
    return q.executeStep();
}

Result<std::string_view> tableFor(std::string_view kind) {
    if (auto table = drawTableOf(kind)) return *table;
    return fail("未知的彩票类别: " + std::string(kind));
}

Result<std::int64_t> periodValue(std::string_view period) {
    if (auto value = parsePeriod(period)) return *value;
    return fail("期号必须是数字: " + std::string(period));
}

/// One stored draw of a lottery, located: the draw table of its kind and its period as stored.
struct DrawRow {
    std::string table;
    std::int64_t id = 0;
    std::int64_t period = 0;
    std::string digits;

    /// The condition that picks the row; its three values are bound from `first` on.
    static constexpr std::string_view kWhere = " where (Cp_only_ID=?) and (Cp_QHao=?) and (Cp_Hm=?)";
    void bind(SQLite::Statement& q, int first) const {
        q.bind(first, id);
        q.bind(first + 1, period);
        q.bind(first + 2, digits);
    }
};

Result<DrawRow> drawRow(std::string_view kind, std::int64_t id, std::string_view period,
                        std::string_view digits) {
    auto table = tableFor(kind);
    if (!table) return std::unexpected(table.error());
    auto value = periodValue(period);
    if (!value) return std::unexpected(value.error());
    return DrawRow{std::string(*table), id, *value, std::string(digits)};
}

void deleteDrawsOf(SQLite::Database& db, std::string_view table, std::int64_t id) {
    SQLite::Statement del(db, "delete from " + std::string(table) + " where Cp_only_ID=?");
    del.bind(1, id);
    del.exec();
}

/// The smallest and largest stored period of a lottery; nothing when it has no draws.
std::optional<std::pair<std::int64_t, std::int64_t>>
storedPeriodSpan(SQLite::Database& db, std::string_view table, std::int64_t id) {
    SQLite::Statement q(db, "select min(Cp_QHao), max(Cp_QHao) from " + std::string(table) +
                                " where Cp_only_ID=?");
    q.bind(1, id);
    if (!q.executeStep() || q.getColumn(0).isNull()) return std::nullopt;
    return std::pair{q.getColumn(0).getInt64(), q.getColumn(1).getInt64()};
}

// Runs a change and turns a database exception into an error naming the file.
template <typename F> Status guarded(const std::filesystem::path& file, F&& body) {
    try {
        return body();
    } catch (const std::exception& e) {
        return std::unexpected(dbError(file, e));
    }
}

} // namespace

std::optional<std::string_view> drawTableOf(std::string_view kind) {
    if (kind == kKindFuCai) return kFuCaiTable;
    if (kind == kKindTiCai) return kTiCaiTable;
    return std::nullopt;
}

std::string_view drawDatabaseSchema() {
    return kSchemaSql;
}

std::string databaseInUseMessage(const std::filesystem::path& file) {
    return "数据库正被另一个程序使用, 没有做任何更改, 请稍后再试: " + file.string();
}

DrawDatabase::DrawDatabase(std::filesystem::path file, std::unique_ptr<SQLite::Database> db)
    : m_file(std::move(file)), m_db(std::move(db)) {}
DrawDatabase::DrawDatabase(DrawDatabase&&) noexcept = default;
DrawDatabase& DrawDatabase::operator=(DrawDatabase&&) noexcept = default;
DrawDatabase::~DrawDatabase() = default;

Result<DrawDatabase> DrawDatabase::open(const std::filesystem::path& file, OpenMode mode) {
    std::error_code ec;
    if (std::filesystem::is_directory(file, ec))
        return fail("数据库路径是一个文件夹, 不是数据库文件: " + file.string());
    if (!std::filesystem::is_regular_file(file, ec)) return fail("找不到数据库文件: " + file.string());
    try {
        auto db = std::make_unique<SQLite::Database>(
            file.string(), mode == OpenMode::ReadOnly ? SQLite::OPEN_READONLY : SQLite::OPEN_READWRITE);
        db->setBusyTimeout(kBusyTimeoutMs);
        // Opening is lazy: reading the schema is what finds a file that is not a database.
        for (std::string_view table :
             {"Table_LeiBie", "FuCai_Table", "TiCai_Table", "Delault_Table", "TuBiao_Table"}) {
            if (!db->tableExists(std::string(table)))
                return fail("数据库文件缺少表 " + std::string(table) + ": " + file.string());
        }
        DrawDatabase out(file, std::move(db));
        if (mode == OpenMode::ReadWrite) {
            // A database another program holds is reported as in use; one that cannot be written
            // here (a read-only folder) still serves for reading, and its changes fail on their own.
            if (auto ok = out.repairDuplicatePeriods();
                !ok && ok.error().message == databaseInUseMessage(file))
                return std::unexpected(ok.error());
            out.addSourceColumn();
        }
        return out;
    } catch (const std::exception& e) {
        if (isBusy(e)) return fail(databaseInUseMessage(file));
        return fail("数据库文件无法打开或已损坏 (" + file.string() + "): " + e.what());
    }
}

Status DrawDatabase::repairDuplicatePeriods() {
    const std::array<std::string_view, 2> tables{kFuCaiTable, kTiCaiTable};
    if (std::ranges::all_of(tables, [&](auto t) { return indexExists(*m_db, periodIndexOf(t)); })) return {};
    // A database the user may only read keeps working for reading; any change fails later anyway.
    if (sqlite3_db_readonly(m_db->getHandle(), "main") == 1) return {};
    std::size_t removed = 0;
    std::vector<std::string> examples;
    auto repaired = writeTransaction([&]() -> Status {
        for (std::string_view table : tables) {
            if (indexExists(*m_db, periodIndexOf(table))) continue; // another program was first
            const std::string t(table);
            const std::string extra = " from " + t + " where rowid not in (select min(rowid) from " + t +
                                      " group by Cp_only_ID, Cp_QHao)";
            SQLite::Statement list(*m_db, "select distinct Cp_QHao" + extra + " order by Cp_QHao limit 5");
            while (list.executeStep())
                if (examples.size() < 5) examples.push_back(list.getColumn(0).getString());
            removed += static_cast<std::size_t>(m_db->exec("delete" + extra));
            m_db->exec("create unique index " + periodIndexOf(table) + " on " + t + " (Cp_only_ID, Cp_QHao)");
            m_db->exec("drop index if exists " + oldIndexOf(table));
        }
        return {};
    });
    if (!repaired) return repaired;
    if (removed > 0) {
        std::string periods;
        for (const auto& p : examples)
            periods += (periods.empty() ? "" : ", ") + p;
        m_repairNotice = "数据库中有 " + std::to_string(removed) + " 条重复期号的开奖记录 (期号 " + periods +
                         (removed > examples.size() ? " 等" : "") +
                         "), 已删除, 每期保留最早存入的一条: " + m_file.string();
    }
    return {};
}

Status DrawDatabase::writeTransaction(const std::function<Status()>& body) {
    try {
        SQLite::Transaction tx(*m_db, SQLite::TransactionBehavior::IMMEDIATE);
        if (auto ok = body(); !ok) return ok; // rolled back by tx
        tx.commit();
        return {};
    } catch (const std::exception& e) {
        return std::unexpected(dbError(m_file, e));
    }
}

Result<DrawDatabase> DrawDatabase::create(const std::filesystem::path& file) {
    std::error_code ec;
    if (std::filesystem::exists(file, ec)) return fail("数据库文件已存在: " + file.string());
    if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path(), ec);
    try {
        auto db =
            std::make_unique<SQLite::Database>(file.string(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
        db->exec(std::string(drawDatabaseSchema()));
        return DrawDatabase(file, std::move(db));
    } catch (const std::exception& e) {
        return fail("无法创建数据库文件 (" + file.string() + "): " + e.what());
    }
}

Result<std::vector<LotteryInfo>> DrawDatabase::listLotteries() {
    try {
        SQLite::Statement q(*m_db, "select Cp_name,Cp_LeiBie,Cp_only_ID,Cp_hmGeshu from Table_LeiBie "
                                   "order by rowid");
        std::vector<LotteryInfo> out;
        while (q.executeStep()) {
            out.push_back({q.getColumn(0).getString(), q.getColumn(1).getString(), q.getColumn(2).getInt64(),
                           q.getColumn(3).getInt()});
        }
        return out;
    } catch (const std::exception& e) {
        return std::unexpected(dbError(m_file, e));
    }
}

Result<std::optional<LotteryInfo>> DrawDatabase::findLottery(std::string_view name) {
    try {
        SQLite::Statement q(*m_db,
                            "select Cp_LeiBie,Cp_only_ID,Cp_hmGeshu from Table_LeiBie where Cp_name=?");
        q.bind(1, std::string(name));
        if (!q.executeStep()) return std::optional<LotteryInfo>{};
        return std::optional<LotteryInfo>{LotteryInfo{std::string(name), q.getColumn(0).getString(),
                                                      q.getColumn(1).getInt64(), q.getColumn(2).getInt()}};
    } catch (const std::exception& e) {
        return std::unexpected(dbError(m_file, e));
    }
}

Result<bool> DrawDatabase::lotteryIdExists(std::int64_t id) {
    try {
        SQLite::Statement q(*m_db, "select 1 from Table_LeiBie where Cp_only_ID=?");
        q.bind(1, id);
        return q.executeStep();
    } catch (const std::exception& e) {
        return std::unexpected(dbError(m_file, e));
    }
}

Status DrawDatabase::addLottery(std::string_view name, std::string_view kind, std::int64_t id,
                                std::optional<int> digitCount) {
    if (!drawTableOf(kind)) return fail("未知的彩票类别: " + std::string(kind));
    return guarded(m_file, [&]() -> Status {
        SQLite::Statement q(*m_db, digitCount ? "INSERT INTO Table_LeiBie (Cp_name, Cp_LeiBie, Cp_only_ID, "
                                                "Cp_hmGeshu) VALUES (?, ?, ?, ?)"
                                              : "INSERT INTO Table_LeiBie (Cp_name, Cp_LeiBie, Cp_only_ID) "
                                                "VALUES (?, ?, ?)");
        q.bind(1, std::string(name));
        q.bind(2, std::string(kind));
        q.bind(3, id);
        if (digitCount) q.bind(4, *digitCount);
        q.exec();
        return {};
    });
}

Status DrawDatabase::deleteLottery(std::string_view name) {
    return writeTransaction([&]() -> Status {
        SQLite::Statement find(*m_db, "select Cp_LeiBie,Cp_only_ID from Table_LeiBie where Cp_name=?");
        find.bind(1, std::string(name));
        std::vector<std::pair<std::string, std::int64_t>> rows;
        while (find.executeStep())
            rows.emplace_back(find.getColumn(0).getString(), find.getColumn(1).getInt64());
        find.reset();
        SQLite::Statement del(*m_db, "delete from Table_LeiBie where Cp_name=?");
        del.bind(1, std::string(name));
        del.exec();
        for (const auto& [kind, id] : rows) {
            if (auto table = drawTableOf(kind)) deleteDrawsOf(*m_db, *table, id);
        }
        return {};
    });
}

void DrawDatabase::addSourceColumn() {
    try {
        SQLite::Statement q(*m_db, "select 1 from pragma_table_info('Table_LeiBie') where name='Cp_Source'");
        if (q.executeStep()) return;
        m_db->exec("ALTER TABLE Table_LeiBie ADD COLUMN Cp_Source TEXT NOT NULL DEFAULT 'server'");
    } catch (const std::exception&) {
        // A database that cannot be changed (read-only, busy) still opens; its lotteries read as "server".
    }
}

Result<std::string> DrawDatabase::lotterySource(std::int64_t id) {
    try {
        SQLite::Statement q(*m_db, "select Cp_Source from Table_LeiBie where Cp_only_ID=?");
        q.bind(1, id);
        if (!q.executeStep() || q.getColumn(0).isNull()) return std::string("server");
        return q.getColumn(0).getString();
    } catch (const SQLite::Exception& e) {
        // Only a database without the column (one that could not be given it) lands here for a good id.
        if (std::string_view(e.what()).find("Cp_Source") != std::string_view::npos)
            return std::string("server");
        return std::unexpected(dbError(m_file, e));
    }
}

Status DrawDatabase::setLotterySource(std::string_view name, std::string_view source) {
    return guarded(m_file, [&]() -> Status {
        SQLite::Statement q(*m_db, "update Table_LeiBie set Cp_Source=? where Cp_name=?");
        q.bind(1, std::string(source));
        q.bind(2, std::string(name));
        if (q.exec() == 0) return fail("没有这个彩票: " + std::string(name));
        return {};
    });
}

Result<DrawList> DrawDatabase::loadDraws(std::string_view kind, std::int64_t id) {
    auto table = drawTableOf(kind);
    if (!table) return DrawList{}; // an unknown lottery has no draws
    try {
        SQLite::Statement q(*m_db, "select Cp_QHao, Cp_Hm from " + std::string(*table) +
                                       " where Cp_only_ID=? order by Cp_QHao, rowid");
        q.bind(1, id);
        DrawList out;
        while (q.executeStep()) {
            out.push_back({q.getColumn(0).getString(), q.getColumn(1).getString()});
        }
        return out;
    } catch (const std::exception& e) {
        return std::unexpected(dbError(m_file, e));
    }
}

Result<std::int64_t> DrawDatabase::countDraws(std::string_view kind, std::int64_t id) {
    auto table = drawTableOf(kind);
    if (!table) return 0;
    try {
        SQLite::Statement q(*m_db, "select count(*) from " + std::string(*table) + " where Cp_only_ID=?");
        q.bind(1, id);
        q.executeStep();
        return q.getColumn(0).getInt64();
    } catch (const std::exception& e) {
        return std::unexpected(dbError(m_file, e));
    }
}

Status DrawDatabase::insertDraw(std::string_view kind, std::int64_t id, std::string_view period,
                                std::string_view digits) {
    return appendDraws(kind, id, DrawList{{std::string(period), std::string(digits)}});
}

Status DrawDatabase::updateDraw(std::string_view kind, std::int64_t id, std::string_view period,
                                std::string_view oldDigits, std::string_view newPeriod,
                                std::string_view newDigits) {
    auto row = drawRow(kind, id, period, oldDigits);
    if (!row) return std::unexpected(row.error());
    auto newValue = periodValue(newPeriod);
    if (!newValue) return std::unexpected(newValue.error());
    return guarded(m_file, [&]() -> Status {
        SQLite::Statement q(*m_db, "update " + row->table + " set Cp_QHao=?, Cp_Hm=?" +
                                       std::string(DrawRow::kWhere));
        q.bind(1, *newValue);
        q.bind(2, std::string(newDigits));
        row->bind(q, 3);
        if (q.exec() == 0) return fail("找不到要修改的开奖记录: 第" + std::string(period) + "期");
        return {};
    });
}

Status DrawDatabase::deleteAllDraws(std::string_view kind, std::int64_t id) {
    auto table = tableFor(kind);
    if (!table) return std::unexpected(table.error());
    return guarded(m_file, [&]() -> Status {
        deleteDrawsOf(*m_db, *table, id);
        return {};
    });
}

Status DrawDatabase::deleteDraw(std::string_view kind, std::int64_t id, std::string_view period,
                                std::string_view digits) {
    auto row = drawRow(kind, id, period, digits);
    if (!row) return std::unexpected(row.error());
    return guarded(m_file, [&]() -> Status {
        SQLite::Statement q(*m_db, "delete from " + row->table + std::string(DrawRow::kWhere));
        row->bind(q, 1);
        q.exec();
        return {};
    });
}

Status DrawDatabase::appendWithin(std::string_view table, std::int64_t id, const DrawList& draws,
                                  const Progress& progress) {
    SQLite::Statement q(*m_db, "insert into " + std::string(table) +
                                   " (Cp_QHao, Cp_Hm, Cp_only_ID) values (?, ?, ?)");
    ProgressSteps steps(progress, draws.size());
    std::size_t written = 0;
    for (const Draw& draw : draws) {
        steps.step(written++);
        auto value = periodValue(draw.period);
        if (!value) return std::unexpected(value.error());
        q.bind(1, *value);
        q.bind(2, draw.digits);
        q.bind(3, id);
        q.exec();
        q.reset();
    }
    steps.step(written);
    return {};
}

Status DrawDatabase::appendDraws(std::string_view kind, std::int64_t id, const DrawList& draws,
                                 const Progress& progress) {
    auto table = tableFor(kind);
    if (!table) return std::unexpected(table.error());
    // Inside the caller's write transaction the rows join it; otherwise they get one of their own.
    if (!sqlite3_get_autocommit(m_db->getHandle()))
        return guarded(m_file, [&]() -> Status { return appendWithin(*table, id, draws, progress); });
    return writeTransaction([&]() -> Status { return appendWithin(*table, id, draws, progress); });
}

Status DrawDatabase::replaceDraws(std::string_view kind, std::int64_t id, const DrawList& draws,
                                  const Progress& progress) {
    auto table = tableFor(kind);
    if (!table) return std::unexpected(table.error());
    return writeTransaction([&]() -> Status {
        deleteDrawsOf(*m_db, *table, id);
        return appendWithin(*table, id, draws, progress);
    });
}

Result<PeriodLengths> DrawDatabase::periodLengths(std::string_view kind, std::int64_t id) {
    auto table = drawTableOf(kind);
    if (!table) return PeriodLengths{};
    try {
        const auto span = storedPeriodSpan(*m_db, *table, id);
        if (!span) return PeriodLengths{};
        return PeriodLengths{periodDigitCount(span->first), periodDigitCount(span->second)};
    } catch (const std::exception& e) {
        return std::unexpected(dbError(m_file, e));
    }
}

Result<NewerDrawsStored> DrawDatabase::storeNewerDraws(const LotteryInfo& lottery,
                                                       const DrawList& candidates) {
    auto table = tableFor(lottery.kind);
    if (!table) return std::unexpected(table.error());
    struct Candidate {
        std::int64_t value;
        const Draw* draw;
    };
    std::vector<Candidate> valued;
    valued.reserve(candidates.size());
    for (const Draw& d : candidates) {
        if (auto ok = checkPeriodText(d.period); !ok) return std::unexpected(ok.error());
        valued.push_back({*parsePeriod(d.period), &d});
    }
    // Equal periods keep their feed order, so the first of two lines of one period is the one kept.
    std::ranges::stable_sort(valued, {}, &Candidate::value);

    NewerDrawsStored out;
    auto stored = writeTransaction([&]() -> Status {
        const auto span = storedPeriodSpan(*m_db, *table, lottery.id);
        const bool any = span.has_value();
        const std::int64_t lastPeriod = any ? span->second : 0;
        PeriodLengths lengths;
        if (any) lengths = {periodDigitCount(span->first), periodDigitCount(lastPeriod)};

        DrawList fresh;
        for (const Candidate& c : valued) {
            if (any && c.value <= lastPeriod) continue;
            const Draw& d = *c.draw;
            // With nothing stored yet, the oldest new period sets the length the others must have.
            if (lengths.shortest == 0) lengths = {periodDigitCount(c.value), periodDigitCount(c.value)};
            if (auto ok = checkPeriodLength(d.period, lengths.shortest, lengths.longest); !ok) return ok;
            if (static_cast<int>(d.digits.size()) != lottery.digitCount || !allDecimal(d.digits))
                return fail("第" + d.period + "期 奖号格式有问题");
            const std::string period = std::to_string(c.value);
            if (!fresh.empty() && fresh.back().period == period) {
                if (fresh.back().digits == d.digits) continue; // the same draw listed twice
                return fail("第" + d.period + "期 出现了两次, 奖号不同: " + fresh.back().digits + " 和 " +
                            d.digits);
            }
            fresh.push_back({period, d.digits});
        }
        if (auto ok = appendWithin(*table, lottery.id, fresh); !ok) return ok;
        out.added = std::move(fresh);
        return {};
    });
    if (!stored) return std::unexpected(stored.error());
    return out;
}

Result<std::vector<std::string>> DrawDatabase::publicNumbers() {
    try {
        SQLite::Statement q(*m_db, "select Public_Hm from Delault_Table order by rowid");
        std::vector<std::string> out;
        while (q.executeStep())
            out.push_back(q.getColumn(0).getString());
        return out;
    } catch (const std::exception& e) {
        return std::unexpected(dbError(m_file, e));
    }
}

Status DrawDatabase::setPublicNumbers(const std::vector<std::string>& numbers) {
    return guarded(m_file, [&]() -> Status {
        SQLite::Transaction tx(*m_db);
        m_db->exec("delete from Delault_Table");
        SQLite::Statement q(*m_db, "insert into Delault_Table (Public_Hm) values (?)");
        for (const auto& number : numbers) {
            q.bind(1, number);
            q.exec();
            q.reset();
        }
        tx.commit();
        return {};
    });
}

Result<std::vector<ChartHelp>> DrawDatabase::chartHelp() {
    try {
        SQLite::Statement q(*m_db, "select Cmd_name, Cmd_title, Cmd_help from TuBiao_Table order by rowid");
        std::vector<ChartHelp> out;
        while (q.executeStep())
            out.push_back(
                {q.getColumn(0).getString(), q.getColumn(1).getString(), q.getColumn(2).getString()});
        return out;
    } catch (const std::exception& e) {
        return std::unexpected(dbError(m_file, e));
    }
}

Status DrawDatabase::addChartHelp(const ChartHelp& help) {
    return guarded(m_file, [&]() -> Status {
        SQLite::Statement q(*m_db,
                            "insert into TuBiao_Table (Cmd_name, Cmd_title, Cmd_help) values (?, ?, ?)");
        q.bind(1, help.name);
        q.bind(2, help.title);
        q.bind(3, help.help);
        q.exec();
        return {};
    });
}

} // namespace p3::core
