#pragma once
/// Downloading new draws from the data server: the selection of new lines, the automatic update on a
/// worker thread and the on-demand update of data management.
#include <atomic>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "core/common/error.h"
#include "core/data/draw_import.h"
#include "core/history/draw_list.h"
#include "core/net/http_client.h"
#include "core/store/draw_database.h"

namespace p3::core {

namespace update_messages {
inline constexpr std::string_view kCannotConnect = "无法连接星河阁服务器 可能网站目前无法正常防问!";
inline constexpr std::string_view kUpdated = "更新成功";
inline constexpr std::string_view kNoticeTitle = "自动更新提示";
inline constexpr std::string_view kNoticeText = "最新数据已更新";
inline constexpr std::string_view kNoDataServer = "没有设置数据服务器地址 (Sys_Set.ini [Server] DataUrl)";
} // namespace update_messages

/// The name of the downloaded copy in the home folder.
inline constexpr std::string_view kDownloadFileName = "~tmp_m.txt";

/// The draw file of a lottery on the data server: base + "/down/" + name (UTF-8, percent-encoded) + ".txt".
std::string drawFileUrl(std::string_view baseUrl, std::string_view lotteryName);

/// The integer value of the newest draw's period; 0 with no draws or a period that is no number.
std::int64_t latestStoredPeriod(const DrawList& draws);

/// `SelectNewDraws`: the trimmed lines newer than the latest stored period, oldest first. With 0 every
/// non-blank line; otherwise the lines from the end back to the first one not newer.
std::vector<std::string> SelectNewDraws(const std::vector<std::string>& lines, std::int64_t latestPeriod);

/// Downloads the lottery's draw file into kDownloadFileName of the home and returns its text as UTF-8.
[[nodiscard]] Result<std::string> downloadDrawFile(const std::string& url, const std::filesystem::path& home,
                                                   const HttpOptions& http = {});

/// Everything the automatic update needs, taken on the user-interface thread when it starts.
struct AutoUpdateRequest {
    std::filesystem::path databaseFile;
    std::filesystem::path home;
    std::string url; ///< the draw file's address; empty means downloads are off
    LotteryInfo lottery;
    std::int64_t latestPeriod = 0;
    int attempts = 3;
    HttpOptions http;
};

/// What the automatic update did: the draws it stored (none means no notice and no reload).
struct AutoUpdateResult {
    std::string lotteryName;
    DrawList added;
};

/// The automatic update on the calling thread: up to `attempts` downloads, the new lines selected,
/// lines of the wrong digit count or with a non-number period skipped, the rest stored through a
/// connection of its own in one transaction. Every failure ends it silently with nothing added; so does
/// a cancel through `request.http.cancel`, which is looked at between the attempts and before storing.
AutoUpdateResult runAutoUpdate(const AutoUpdateRequest& request);

/// `Auto_update_Data`: runs runAutoUpdate on a worker thread and hands the result to the callback,
/// which is called on that worker thread (a window posts it on to its own thread). The destructor
/// waits for the worker, so the request's data outlives it.
class AutoUpdater {
public:
    using Callback = std::function<void(const AutoUpdateResult&)>;
    /// The request's own cancel flag, if any, is replaced by the updater's.
    AutoUpdater(AutoUpdateRequest request, Callback done);
    ~AutoUpdater();
    AutoUpdater(const AutoUpdater&) = delete;
    AutoUpdater& operator=(const AutoUpdater&) = delete;
    /// Waits until the update has ended and its callback has returned.
    void wait();
    /// Abandons the update (from any thread): a download under way stops within moments, nothing more
    /// is stored, and the callback still runs with nothing added. A shutting-down window calls it so
    /// that wait() returns at once instead of after the downloads' time-outs.
    void cancel() { m_cancel.store(true); }

private:
    std::atomic<bool> m_cancel{false};
    std::thread m_worker;
};

/// What the on-demand update did.
struct OnDemandOutcome {
    ImportOutcome import;
    std::string message; ///< "更新成功"
};

/// "网上更新": one download, the lines newer than the last shown row written back to kDownloadFileName
/// and merged as `ImportDraws` merges. No connection gives "无法连接星河阁服务器 可能网站目前无法正常防问!".
[[nodiscard]] Result<OnDemandOutcome> updateOnDemand(DrawDatabase& db, const LotteryInfo& lottery,
                                                     const DrawList& current, const std::string& url,
                                                     const std::filesystem::path& home, const HttpOptions& http = {});

} // namespace p3::core
