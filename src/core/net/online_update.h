#pragma once
/// Downloading new draws: the source of a lottery, the catch-up through a paged source, the one rule
/// every update path follows for which draws are new, the automatic update on a worker thread, and the
/// report of what was added.
#include <atomic>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

#include "core/common/error.h"
#include "core/history/draw_list.h"
#include "core/io/settings.h"
#include "core/net/draw_source.h"
#include "core/net/http_client.h"
#include "core/store/draw_database.h"

namespace p3::core {

namespace update_messages {
inline constexpr std::string_view kCannotConnect = "无法连接星河阁服务器 可能网站目前无法正常防问!";
inline constexpr std::string_view kUpdated = "更新成功";
inline constexpr std::string_view kNoDataServer = "没有设置数据服务器地址 (Sys_Set.ini [Server] DataUrl)";
inline constexpr std::string_view kCancelled = "更新已取消, 没有保存任何数据";
inline constexpr std::string_view kNothingNew = "没有新数据";
} // namespace update_messages

/// The name of the downloaded copy in the home folder.
inline constexpr std::string_view kDownloadFileName = "~tmp_m.txt";

/// The draw file of a lottery on the data server: base + "/down/" + name (UTF-8, percent-encoded) + ".txt".
std::string drawFileUrl(std::string_view baseUrl, std::string_view lotteryName);

/// The integer value of the newest draw's period; 0 with no draws or a period that is no number.
std::int64_t latestStoredPeriod(const DrawList& draws);

/// Where one lottery's new draws come from: the kind and its address (a base address, or for `lines`
/// the archive's own address).
struct DrawSource {
    SourceKind kind = SourceKind::Server;
    std::string address;
};

/// The source of a lottery: its stored kind unless `kind` names another, at the address of the settings
/// unless `url` gives one. An unknown kind or an empty address is an error saying what to set.
[[nodiscard]] Result<DrawSource> sourceFor(DrawDatabase& db, const Settings& settings,
                                           const LotteryInfo& lottery,
                                           const std::optional<std::string>& kind = std::nullopt,
                                           const std::optional<std::string>& url = std::nullopt);

/// How far a catch-up has come: pages read and draws seen so far.
struct UpdateProgress {
    int page = 0;
    std::size_t draws = 0;
};

/// Everything an update needs; taken on the thread that starts it.
struct UpdateRequest {
    std::filesystem::path databaseFile;
    std::filesystem::path home; ///< where the copy of a draw file download is kept
    DrawSource source;
    LotteryInfo lottery;
    HttpOptions http;
    int attempts = 1;  ///< downloads of one page tried before giving up (network failures only)
    int pageSize = 30; ///< draws asked for per page of a paged source
    int maxPages = 60; ///< pages read at most to reach the newest stored draw
    /// Called after every page, on the updating thread.
    std::function<void(const UpdateProgress&)> progress;
};

/// Fills the request's limits from the settings (deadline, page cap).
void applySettings(UpdateRequest& request, const Settings& settings);

/// What an update stored: the new draws in period order.
struct UpdateReport {
    std::string lotteryName;
    DrawList added;
};

/// "N 期新数据: FIRST–LAST", or "没有新数据".
std::string newDrawsText(const DrawList& added);

/// Downloads the lottery's answer(s) and selects the new draws: a paged source is read newest page first
/// until a page reaches the latest stored period, the source runs out, or maxPages is hit (then, with draws
/// stored, it is refused: storing would leave a gap). Every answer is checked before anything is used.
[[nodiscard]] Result<DrawList> fetchNewDraws(const UpdateRequest& request, std::int64_t latestPeriod,
                                             std::size_t periodDigits);

/// One update, the same for the window's automatic update, "网上更新" and the command line: the latest
/// stored period read through a connection of its own, the new draws fetched and stored all at once in
/// period order, or nothing stored and the reason given.
[[nodiscard]] Result<UpdateReport> runUpdate(const UpdateRequest& request);

/// `Auto_update_Data` and "网上更新": runUpdate on a worker thread; the callback is called on that worker
/// thread (a window posts it on to its own thread). The destructor waits for the worker.
class AutoUpdater {
public:
    using Callback = std::function<void(const Result<UpdateReport>&)>;
    /// The request's own cancel flag, if any, is replaced by the updater's.
    AutoUpdater(UpdateRequest request, Callback done);
    ~AutoUpdater();
    AutoUpdater(const AutoUpdater&) = delete;
    AutoUpdater& operator=(const AutoUpdater&) = delete;
    /// Waits until the update has ended and its callback has returned.
    void wait();
    /// Abandons the update (from any thread): a download under way stops within moments, nothing is
    /// stored, and the callback still runs, with the cancel as its error.
    void cancel() { m_cancel.store(true); }
    bool cancelled() const { return m_cancel.load(); }

private:
    std::atomic<bool> m_cancel{false};
    std::thread m_worker;
};

} // namespace p3::core
