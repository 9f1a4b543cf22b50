#include "core/net/draw_server.h"

#include <SQLiteCpp/SQLiteCpp.h>

#include "core/history/draw_text_file.h"
#include "core/io/text_codec.h"
#include "core/store/draw_database.h"

namespace p3::core {

Result<std::optional<std::string>> drawFileAnswer(const std::filesystem::path& databaseFile,
                                                  std::string_view lotteryName) {
    auto db = DrawDatabase::open(databaseFile, OpenMode::ReadOnly);
    if (!db) return std::unexpected(db.error());
    DrawList draws;
    try {
        // The lottery row and its draws are read under one read lock.
        SQLite::Transaction read(db->connection());
        auto lottery = db->findLottery(lotteryName);
        if (!lottery) return std::unexpected(lottery.error());
        if (!*lottery) return std::optional<std::string>{};
        auto loaded = db->loadDraws((*lottery)->kind, (*lottery)->id);
        if (!loaded) return std::unexpected(loaded.error());
        draws = std::move(*loaded);
        read.commit();
    } catch (const std::exception& e) {
        return fail("数据库操作失败 (" + databaseFile.string() + "): " + e.what());
    }
    // A database opened only for reading is not repaired; a period it holds twice is served once.
    DrawList unique;
    unique.reserve(draws.size());
    for (Draw& d : draws)
        if (unique.empty() || unique.back().period != d.period) unique.push_back(std::move(d));
    auto gbk = utf8ToGbk(formatDrawText(unique));
    if (!gbk) return std::unexpected(gbk.error());
    return std::optional<std::string>{std::move(*gbk)};
}

std::optional<std::string> lotteryOfDrawPath(std::string_view path) {
    if (!path.starts_with(kDrawFilePrefix) || !path.ends_with(kDrawFileSuffix)) return std::nullopt;
    path.remove_prefix(kDrawFilePrefix.size());
    path.remove_suffix(kDrawFileSuffix.size());
    if (path.empty()) return std::nullopt;
    return std::string(path);
}

} // namespace p3::core
