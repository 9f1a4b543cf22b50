#include "core/net/online_update.h"

#include <algorithm>

#include "core/io/text_codec.h"

namespace p3::core {
namespace {

bool cancelRequested(const UpdateRequest& request) {
    return request.http.cancel && request.http.cancel->load();
}

std::string_view siteName(SourceKind kind) {
    return sourceFacts(kind).site;
}

/// One download, tried again after a network failure; what went wrong said in the source's terms.
Result<std::string> download(const UpdateRequest& request, const std::string& url) {
    HttpOptions http = request.http;
    for (std::string& header : sourceHeaders(request.source.kind, request.source.address))
        http.headers.push_back(std::move(header));
    std::expected<std::string, HttpError> body = std::unexpected(HttpError{});
    for (int attempt = 0; attempt < std::max(1, request.attempts); ++attempt) {
        body = httpFetch(url, http);
        if (body || body.error().kind == HttpFailure::Cancelled ||
            body.error().kind == HttpFailure::BadAddress)
            break;
    }
    if (body) return std::move(*body);
    switch (body.error().kind) {
    case HttpFailure::Cancelled:
        return fail(std::string(update_messages::kCancelled));
    case HttpFailure::CannotConnect:
        if (request.source.kind == SourceKind::Server)
            return fail(std::string(update_messages::kCannotConnect));
        return fail("无法连接" + std::string(siteName(request.source.kind)) + ": " + body.error().message);
    default:
        return fail(std::string(siteName(request.source.kind)) + ": " + body.error().message);
    }
}

/// Reads pages newest first until the history stored is reached; the entries of every page read.
Result<std::vector<SourceEntry>> readPages(const UpdateRequest& request, std::int64_t latestPeriod) {
    const int digits = request.lottery.digitCount;
    std::string gameNo;
    if (request.source.kind == SourceKind::Sporttery) {
        auto game = sportteryGameNo(digits);
        if (!game) return std::unexpected(game.error());
        gameNo = *game;
    } else if (digits != 3) {
        return fail("福彩网站只提供福彩3D (3 位) 的开奖数据, 本彩票是 " + std::to_string(digits) + " 位");
    }
    std::vector<SourceEntry> all;
    bool reached = false;
    int page = 1;
    for (; page <= request.maxPages; ++page) {
        if (cancelRequested(request)) return fail(std::string(update_messages::kCancelled));
        const std::string url = request.source.kind == SourceKind::Sporttery
                                    ? sportteryPageUrl(request.source.address, gameNo, page, request.pageSize)
                                    : cwlPageUrl(request.source.address, page, request.pageSize);
        auto body = download(request, url);
        if (!body) return std::unexpected(body.error());
        auto answer = request.source.kind == SourceKind::Sporttery ? parseSportteryAnswer(*body, digits)
                                                                   : parseCwlAnswer(*body, digits);
        if (!answer) return std::unexpected(answer.error());
        const std::size_t count = answer->entries.size();
        for (SourceEntry& entry : answer->entries) {
            const auto value = parsePeriod(entry.period);
            if (value && latestPeriod > 0 && *value <= latestPeriod) reached = true;
            all.push_back(std::move(entry));
        }
        if (request.progress) request.progress({page, all.size()});
        // The history runs out with an empty or short page, or at the last page the source names.
        const bool lastPage = count < static_cast<std::size_t>(request.pageSize) ||
                              (answer->pageCount && page >= *answer->pageCount);
        if (reached || lastPage) {
            reached = true;
            break;
        }
    }
    if (!reached && latestPeriod > 0)
        return fail("新数据超过 " + std::to_string(request.maxPages) + " 页仍未接上已有的第" +
                    std::to_string(latestPeriod) + "期, 为免留下缺口没有保存任何数据 (可在 Sys_Set.ini [" +
                    std::string(settings_keys::kUpdatePages.section) + "] " +
                    std::string(settings_keys::kUpdatePages.key) + " 加大页数)");
    return all;
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

Result<DrawSource> sourceFor(DrawDatabase& db, const Settings& settings, const LotteryInfo& lottery,
                             const std::optional<std::string>& kind, const std::optional<std::string>& url) {
    std::string name;
    if (kind) {
        name = *kind;
    } else {
        auto stored = db.lotterySource(lottery.id);
        if (!stored) return std::unexpected(stored.error());
        name = *stored;
    }
    const auto parsed = parseSourceKind(name);
    if (!parsed) return fail("未知的数据来源: " + name + " (可选 " + std::string(kSourceKindChoices) + ")");
    DrawSource source{*parsed, {}};
    const TextSetting& setting = sourceFacts(*parsed).address;
    source.address = url ? *url : settings.address(setting);
    while (!source.address.empty() && (source.address.back() == '/' || source.address.back() == ' '))
        source.address.pop_back();
    if (source.address.empty()) {
        if (*parsed == SourceKind::Server) return fail(std::string(update_messages::kNoDataServer));
        return fail("没有设置 " + name + " 数据来源的地址 (Sys_Set.ini [" + std::string(setting.section) +
                    "] " + std::string(setting.key) + ")");
    }
    return source;
}

void applySettings(UpdateRequest& request, const Settings& settings) {
    request.http.deadlineMs = settings.downloadDeadlineMs();
    request.maxPages = settings.updatePageLimit();
}

std::string newDrawsText(const DrawList& added) {
    if (added.empty()) return std::string(update_messages::kNothingNew);
    std::string text = std::to_string(added.size()) + " 期新数据: " + added.front().period;
    if (added.size() > 1) text += "–" + added.back().period;
    return text;
}

Result<DrawList> fetchNewDraws(const UpdateRequest& request, std::int64_t latestPeriod,
                               std::size_t periodDigits) {
    if (cancelRequested(request)) return fail(std::string(update_messages::kCancelled));
    std::vector<SourceEntry> entries;
    if (request.source.kind == SourceKind::Cwl || request.source.kind == SourceKind::Sporttery) {
        auto pages = readPages(request, latestPeriod);
        if (!pages) return std::unexpected(pages.error());
        entries = std::move(*pages);
    } else {
        const std::string url = request.source.kind == SourceKind::Server
                                    ? drawFileUrl(request.source.address, request.lottery.name)
                                    : linesArchiveUrl(request.source.address, request.lottery.name);
        auto body = download(request, url);
        if (!body) return std::unexpected(body.error());
        // The copy is for the user to look at; failing to keep it does not stop the update.
        if (!request.home.empty()) (void)writeFileAtomic(request.home / kDownloadFileName, *body);
        auto answer = parseDrawLines(*body, request.lottery.digitCount);
        if (!answer) return std::unexpected(answer.error());
        entries = std::move(answer->entries);
        if (request.progress) request.progress({1, entries.size()});
    }
    return SelectNewDraws(entries, latestPeriod, periodDigits);
}

Result<UpdateReport> runUpdate(const UpdateRequest& request) {
    auto db = DrawDatabase::open(request.databaseFile);
    if (!db) return std::unexpected(db.error());
    auto history = db->loadDraws(request.lottery.kind, request.lottery.id);
    if (!history) return std::unexpected(history.error());
    const std::int64_t latest = latestStoredPeriod(*history);
    const std::size_t periodDigits = latest > 0 ? std::to_string(latest).size() : 0;
    auto fresh = fetchNewDraws(request, latest, periodDigits);
    if (!fresh) return std::unexpected(fresh.error());
    if (cancelRequested(request)) return fail(std::string(update_messages::kCancelled));
    // The store keeps only what is newer than its own last period, inside its write transaction, so a
    // second update or a hand entry made while this one downloaded is not stored twice.
    auto stored = db->storeNewerDraws(request.lottery, *fresh);
    if (!stored) return std::unexpected(stored.error());
    return UpdateReport{request.lottery.name, std::move(stored->added)};
}

AutoUpdater::AutoUpdater(UpdateRequest request, Callback done) {
    request.http.cancel = &m_cancel;
    m_worker = std::thread([request = std::move(request), done = std::move(done)] {
        Result<UpdateReport> result = runUpdate(request);
        if (done) done(result);
    });
}

AutoUpdater::~AutoUpdater() {
    wait();
}

void AutoUpdater::wait() {
    if (m_worker.joinable()) m_worker.join();
}

} // namespace p3::core
