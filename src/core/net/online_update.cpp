#include "core/net/online_update.h"

#include "core/data/draw_editor.h"
#include "core/history/draw_text_file.h"
#include "core/io/text_codec.h"

namespace p3::core {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string trimmed(std::string_view s) {
    std::size_t b = 0, e = s.size();
    while (b < e && isBlank(s[b]))
        ++b;
    while (e > b && isBlank(s[e - 1]))
        --e;
    return std::string(s.substr(b, e - b));
}

std::string_view firstPiece(std::string_view line) {
    std::size_t e = 0;
    while (e < line.size() && !isBlank(line[e]))
        ++e;
    return line.substr(0, e);
}

} // namespace

std::string drawFileUrl(std::string_view baseUrl, std::string_view lotteryName) {
    std::string base(baseUrl);
    while (!base.empty() && base.back() == '/')
        base.pop_back();
    return base + "/down/" + percentEncode(lotteryName) + ".txt";
}

std::int64_t latestStoredPeriod(const DrawList& draws) {
    if (draws.empty()) return 0;
    return parsePeriod(draws.back().period).value_or(0);
}

std::vector<std::string> SelectNewDraws(const std::vector<std::string>& lines, std::int64_t latestPeriod) {
    std::vector<std::string> out;
    if (latestPeriod == 0) {
        for (const auto& line : lines)
            if (auto t = trimmed(line); !t.empty()) out.push_back(std::move(t));
        return out;
    }
    for (auto it = lines.rbegin(); it != lines.rend(); ++it) {
        std::string t = trimmed(*it);
        if (t.empty()) continue;
        // A first piece that is no number reads as 0, as an integer conversion of garbage would.
        if (parsePeriod(firstPiece(t)).value_or(0) <= latestPeriod) break;
        out.push_back(std::move(t));
    }
    return {out.rbegin(), out.rend()};
}

Result<std::string> downloadDrawFile(const std::string& url, const std::filesystem::path& home,
                                     const HttpOptions& http) {
    if (url.empty()) return fail(std::string(update_messages::kNoDataServer));
    auto body = httpGet(url, http);
    if (!body) return std::unexpected(body.error());
    if (auto ok = writeFileAtomic(home / kDownloadFileName, *body); !ok) return std::unexpected(ok.error());
    return decodeText(*body);
}

AutoUpdateResult runAutoUpdate(const AutoUpdateRequest& request) {
    AutoUpdateResult result{request.lottery.name, {}};
    if (request.url.empty()) return result;
    Result<std::string> text = fail("");
    const auto cancelled = [&request] { return request.http.cancel && request.http.cancel->load(); };
    for (int attempt = 0; attempt < request.attempts && !cancelled(); ++attempt) {
        text = downloadDrawFile(request.url, request.home, request.http);
        if (text) break;
    }
    if (!text) return result;

    DrawList fresh;
    for (const std::string& line : SelectNewDraws(splitLines(*text), request.latestPeriod)) {
        DrawTextParse one = parseDrawText(line, request.lottery.digitCount);
        if (one.error || one.draws.size() != 1) continue;
        // A signed first piece reads as a number but is no period.
        const std::string& period = one.draws.front().period;
        if (period.find_first_not_of("0123456789") != std::string::npos) continue;
        fresh.push_back(std::move(one.draws.front()));
    }
    if (fresh.empty() || cancelled()) return result;

    auto db = DrawDatabase::open(request.databaseFile);
    if (!db) return result;
    // What was stored while the download ran (a second update, a hand entry) is not stored twice:
    // the store itself keeps only what is newer than its last period, inside its write transaction.
    auto stored = db->storeNewerDraws(request.lottery, fresh);
    if (!stored) return result;
    result.added = std::move(stored->added);
    return result;
}

AutoUpdater::AutoUpdater(AutoUpdateRequest request, Callback done) {
    request.http.cancel = &m_cancel;
    m_worker = std::thread([request = std::move(request), done = std::move(done)] {
        AutoUpdateResult result = runAutoUpdate(request);
        if (done) done(result);
    });
}

AutoUpdater::~AutoUpdater() {
    wait();
}

void AutoUpdater::wait() {
    if (m_worker.joinable()) m_worker.join();
}

Result<OnDemandOutcome> updateOnDemand(DrawDatabase& db, const LotteryInfo& lottery, const DrawList& current,
                                       const std::string& url, const std::filesystem::path& home,
                                       const HttpOptions& http) {
    if (url.empty()) return fail(std::string(update_messages::kNoDataServer));
    auto text = downloadDrawFile(url, home, http);
    if (!text) return fail(std::string(update_messages::kCannotConnect));
    const std::vector<std::string> fresh = SelectNewDraws(splitLines(*text), latestStoredPeriod(current));
    const std::string selected = joinLines(fresh);
    if (auto ok = writeTextFileGbk(home / kDownloadFileName, selected); !ok)
        return std::unexpected(ok.error());
    // The lines are stored as written, not read back: an automatic update running meanwhile may
    // already have put its own download in the file's place.
    DrawTextParse parsed = parseDrawText(selected, lottery.digitCount);
    if (parsed.error) return std::unexpected(*parsed.error);
    auto stored = db.storeNewerDraws(lottery, parsed.draws);
    if (!stored) return std::unexpected(stored.error());
    OnDemandOutcome out{{current, stored->count()}, std::string(update_messages::kUpdated)};
    if (stored->count() > 0) {
        // Another program may have stored draws meanwhile: the grid shows what the database holds.
        auto rows = db.loadDraws(lottery.kind, lottery.id);
        if (!rows) return std::unexpected(rows.error());
        out.import.rows = std::move(*rows);
    }
    return out;
}

} // namespace p3::core
