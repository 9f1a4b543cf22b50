#include "core/data/draw_import.h"

#include <unordered_set>

#include "core/history/draw_text_file.h"
#include "core/io/text_codec.h"

namespace p3::core {

Result<ImportOutcome> importDrawText(DrawDatabase& db, const LotteryInfo& lottery, const DrawList& current,
                                     std::string_view text, ImportMode mode) {
    if (!drawTableOf(lottery.kind)) return fail("未知的彩票类别: " + lottery.kind);
    if (lottery.digitCount <= 0) return fail("彩票的号码个数不正确: " + std::to_string(lottery.digitCount));
    DrawTextParse parsed = parseDrawText(text, lottery.digitCount);
    if (parsed.error) return std::unexpected(*parsed.error);

    ImportOutcome out;
    if (mode == ImportMode::Replace) {
        // An empty file would silently wipe the history; that is never what an import means.
        if (parsed.draws.empty()) return fail("文件中没有开奖数据!");
        if (auto ok = db.replaceDraws(lottery.kind, lottery.id, parsed.draws); !ok) return std::unexpected(ok.error());
        out.added = parsed.draws.size();
        out.rows = std::move(parsed.draws);
        return out;
    }

    // Merging what is stored already would only make a second row of the same period.
    auto stored = db.loadDraws(lottery.kind, lottery.id);
    if (!stored) return std::unexpected(stored.error());
    std::unordered_set<std::int64_t> seen;
    for (const Draw& d : *stored)
        if (auto value = parsePeriod(d.period)) seen.insert(*value);
    DrawList fresh;
    for (Draw& d : parsed.draws) {
        if (seen.insert(*parsePeriod(d.period)).second) fresh.push_back(std::move(d));
    }
    if (!fresh.empty()) {
        if (auto ok = db.appendDraws(lottery.kind, lottery.id, fresh); !ok) return std::unexpected(ok.error());
    }
    out.added = fresh.size();
    out.rows = current;
    out.rows.insert(out.rows.end(), fresh.begin(), fresh.end());
    return out;
}

Result<ImportOutcome> ImportDraws(DrawDatabase& db, const LotteryInfo& lottery, const DrawList& current,
                                  const std::filesystem::path& file, ImportMode mode) {
    auto bytes = readFileBytes(file);
    if (!bytes) return std::unexpected(bytes.error());
    if (bytes->find('\0') != std::string::npos) return fail("文件不是文本文件: " + file.string());
    return importDrawText(db, lottery, current, decodeText(*bytes), mode);
}

std::filesystem::path exportPathFor(const std::filesystem::path& chosen) {
    if (chosen.string().find('.') != std::string::npos) return chosen;
    return std::filesystem::path(chosen.string() + ".txt");
}

Result<std::filesystem::path> exportDraws(const DrawList& draws, const std::filesystem::path& chosen) {
    if (chosen.empty()) return fail("请输入文件名!");
    std::filesystem::path file = exportPathFor(chosen);
    if (auto ok = writeTextFileGbk(file, formatDrawText(draws)); !ok) return std::unexpected(ok.error());
    return file;
}

} // namespace p3::core
