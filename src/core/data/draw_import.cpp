#include "core/data/draw_import.h"

#include <unordered_set>

#include "core/common/utf8.h"
#include "core/history/draw_text_file.h"
#include "core/io/bounded_read.h"
#include "core/io/text_codec.h"

namespace p3::core {
namespace {

// A refusal quotes the bad line's period; a runaway line is quoted by its start.
constexpr std::size_t kMaxQuotedBytes = 40;

bool allDigits(std::string_view s) {
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

// The message with an over-long quotation cut at a character boundary.
Error shortened(Error error) {
    std::string& m = error.message;
    if (m.size() <= 2 * kMaxQuotedBytes + 40) return error;
    const std::string tail = m.rfind("期 奖号格式有问题") != std::string::npos ? "…期 奖号格式有问题" : "…";
    m = std::string(characterPrefix(m, kMaxQuotedBytes + 8)) + tail;
    return error;
}

} // namespace

Result<ImportOutcome> importDrawText(DrawDatabase& db, const LotteryInfo& lottery, const DrawList& current,
                                     std::string_view text, ImportMode mode, const Progress& progress) {
    // Checking the text is quick; writing the rows is what takes the time, so it gets most of the gauge.
    constexpr int kChecked = 10;
    const Progress writing =
        progress ? Progress([&](int percent) { progress(kChecked + percent * (100 - kChecked) / 100); })
                 : Progress();
    if (!drawTableOf(lottery.kind)) return fail("未知的彩票类别: " + lottery.kind);
    if (lottery.digitCount <= 0) return fail("彩票的号码个数不正确: " + std::to_string(lottery.digitCount));
    DrawTextParse parsed = parseDrawText(text, lottery.digitCount);
    // A signed period reads as a number but is none; it is the first bad line when it comes first.
    for (const Draw& d : parsed.draws)
        if (!allDigits(d.period)) return std::unexpected(shortened(Error{"期号必须是数字: " + d.period}));
    if (parsed.error) return std::unexpected(shortened(*parsed.error));
    if (progress) progress(kChecked);

    // A period the file gives twice is a fault of the file: which of the two lines is the draw is
    // for the user to say, so nothing is stored.
    std::unordered_set<std::int64_t> inFile;
    inFile.reserve(parsed.draws.size());
    for (const Draw& d : parsed.draws)
        if (!inFile.insert(*parsePeriod(d.period)).second)
            return std::unexpected(
                shortened(Error{"第" + d.period + "期 在文件中出现了两次, 没有导入任何数据"}));

    ImportOutcome out;
    if (mode == ImportMode::Replace) {
        // An empty file would silently wipe the history; that is never what an import means.
        if (parsed.draws.empty()) return fail("文件中没有开奖数据!");
        // The file becomes the whole history: its periods agree with its first one.
        const std::size_t n = periodDigitCount(*parsePeriod(parsed.draws.front().period));
        for (const Draw& d : parsed.draws)
            if (auto ok = checkPeriodLength(d.period, n, n); !ok)
                return std::unexpected(shortened(ok.error()));
        if (auto ok = db.replaceDraws(lottery.kind, lottery.id, parsed.draws, writing); !ok)
            return std::unexpected(ok.error());
        out.added = parsed.draws.size();
        out.rows = std::move(parsed.draws);
        return out;
    }

    // The check of what is stored and the insert are one write transaction, so that a second import
    // or an update running at the same time cannot store the same period in between.
    DrawList fresh;
    DrawList before = current;
    auto merged = db.writeTransaction([&]() -> Status {
        auto stored = db.loadDraws(lottery.kind, lottery.id);
        if (!stored) return std::unexpected(stored.error());
        // Another program may have stored draws since the history was shown: show what is stored.
        if (*stored != current) before = *stored;
        std::unordered_set<std::int64_t> seen;
        for (const Draw& d : *stored)
            if (auto value = parsePeriod(d.period)) seen.insert(*value);
        auto lengths = db.periodLengths(lottery.kind, lottery.id);
        if (!lengths) return std::unexpected(lengths.error());
        if (lengths->shortest == 0 && !parsed.draws.empty()) {
            const std::size_t n = periodDigitCount(*parsePeriod(parsed.draws.front().period));
            *lengths = {n, n};
        }
        for (const Draw& d : parsed.draws)
            if (auto ok = checkPeriodLength(d.period, lengths->shortest, lengths->longest); !ok)
                return std::unexpected(shortened(ok.error()));
        for (Draw& d : parsed.draws)
            if (!seen.contains(*parsePeriod(d.period))) fresh.push_back(std::move(d));
        if (fresh.empty()) return {};
        return db.appendDraws(lottery.kind, lottery.id, fresh, writing);
    });
    if (!merged) return std::unexpected(merged.error());
    if (progress) progress(100);
    out.added = fresh.size();
    out.rows = std::move(before);
    out.rows.insert(out.rows.end(), fresh.begin(), fresh.end());
    return out;
}

Result<ImportOutcome> ImportDraws(DrawDatabase& db, const LotteryInfo& lottery, const DrawList& current,
                                  const std::filesystem::path& file, ImportMode mode,
                                  const Progress& progress) {
    auto bytes = readFileBounded(file);
    if (!bytes) return std::unexpected(bytes.error());
    // Decoded first: UTF-16 text is full of zero bytes, a binary file is still full of zero characters.
    const std::string text = decodeText(*bytes);
    if (text.find('\0') != std::string::npos) return fail("文件不是文本文件: " + file.string());
    return importDrawText(db, lottery, current, text, mode, progress);
}

std::filesystem::path exportPathFor(const std::filesystem::path& chosen) {
    if (chosen.string().find('.') != std::string::npos) return chosen;
    return std::filesystem::path(chosen.string() + ".txt");
}

Result<std::filesystem::path> exportDraws(const DrawList& draws, const std::filesystem::path& chosen) {
    if (auto named = checkSaveName(chosen); !named) return std::unexpected(named.error());
    std::filesystem::path file = exportPathFor(chosen);
    if (auto ok = writeTextFileGbk(file, formatDrawText(draws)); !ok) return std::unexpected(ok.error());
    return file;
}

} // namespace p3::core
