#include "core/net/http_client.h"

#include <curl/curl.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <mutex>

namespace p3::core {
namespace {

using Clock = std::chrono::steady_clock;

struct Transfer {
    std::string body;
    std::size_t maxBytes = 0;
    bool tooLarge = false;
    long readTimeoutMs = 0;
    Clock::time_point lastProgress = Clock::now();
    curl_off_t lastReceived = -1;
    bool stalled = false;
    long deadlineMs = 0;
    Clock::time_point start = Clock::now();
    bool pastDeadline = false;
    const std::atomic<bool>* cancel = nullptr;
    bool cancelled = false;
};

bool cancelRequested(const std::atomic<bool>* cancel) {
    return cancel && cancel->load(std::memory_order_relaxed);
}

std::size_t onData(char* data, std::size_t size, std::size_t count, void* user) {
    auto* t = static_cast<Transfer*>(user);
    const std::size_t n = size * count;
    if (t->body.size() + n > t->maxBytes) {
        t->tooLarge = true;
        return 0; // aborts the transfer
    }
    t->body.append(data, n);
    return n;
}

// A read time-out in milliseconds: the transfer ends when no byte arrived for that long.
int onProgress(void* user, curl_off_t, curl_off_t received, curl_off_t, curl_off_t) {
    auto* t = static_cast<Transfer*>(user);
    if (cancelRequested(t->cancel)) {
        t->cancelled = true;
        return 1;
    }
    const auto now = Clock::now();
    if (now - t->start > std::chrono::milliseconds(t->deadlineMs)) {
        t->pastDeadline = true;
        return 1;
    }
    if (received != t->lastReceived) {
        t->lastReceived = received;
        t->lastProgress = now;
        return 0;
    }
    if (now - t->lastProgress > std::chrono::milliseconds(t->readTimeoutMs)) {
        t->stalled = true;
        return 1;
    }
    return 0;
}

void initialiseOnce() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

} // namespace

std::expected<std::string, HttpError> httpFetch(const std::string& url, const HttpOptions& options) {
    const auto failure = [&url](HttpFailure kind, std::string text) {
        return std::unexpected(HttpError{kind, std::move(text) + ": " + url});
    };
    if (cancelRequested(options.cancel)) return failure(HttpFailure::Cancelled, "网络请求已取消");
    if (!url.starts_with("http://") && !url.starts_with("https://"))
        return failure(HttpFailure::BadAddress, "下载地址必须以 http:// 或 https:// 开头");
    initialiseOnce();
    std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> curl(curl_easy_init(), curl_easy_cleanup);
    if (!curl) return failure(HttpFailure::CannotConnect, "网络初始化失败");
    std::unique_ptr<curl_slist, decltype(&curl_slist_free_all)> headers(
        curl_slist_append(nullptr, "Cache-Control: no-cache"), curl_slist_free_all);
    // Appending to a list that has a head keeps that head; a failed append leaves the list as it was.
    for (const std::string& header : options.headers)
        curl_slist_append(headers.get(), header.c_str());

    Transfer t;
    t.maxBytes = options.maxBytes;
    t.readTimeoutMs = options.readTimeoutMs;
    t.deadlineMs = options.deadlineMs;
    t.cancel = options.cancel;
    char errorText[CURL_ERROR_SIZE] = {};
    CURL* c = curl.get();
    curl_easy_setopt(c, CURLOPT_URL, url.c_str());
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(c, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(c, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(c, CURLOPT_MAXREDIRS, 5L);
    curl_easy_setopt(c, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_1));
    curl_easy_setopt(c, CURLOPT_HTTPHEADER, headers.get());
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L); // safe on worker threads
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT_MS, std::min(options.readTimeoutMs, options.deadlineMs));
    // The progress callback ends the transfer at the deadline; libcurl's own limit is the backstop.
    curl_easy_setopt(c, CURLOPT_TIMEOUT_MS, options.deadlineMs + 1000);
    curl_easy_setopt(c, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(options.maxBytes));
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, onData);
    curl_easy_setopt(c, CURLOPT_WRITEDATA, &t);
    curl_easy_setopt(c, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(c, CURLOPT_XFERINFOFUNCTION, onProgress);
    curl_easy_setopt(c, CURLOPT_XFERINFODATA, &t);
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, errorText);

    const CURLcode code = curl_easy_perform(c);
    const auto seconds = [](long ms) { return std::to_string((ms + 999) / 1000); };
    if (t.tooLarge || code == CURLE_FILESIZE_EXCEEDED)
        return failure(HttpFailure::TooLarge,
                       "下载的文件超过 " + std::to_string(options.maxBytes / (1024 * 1024)) + " MB, 已中断");
    if (t.cancelled) return failure(HttpFailure::Cancelled, "网络请求已取消");
    if (t.pastDeadline || (code == CURLE_OPERATION_TIMEDOUT &&
                           Clock::now() - t.start >= std::chrono::milliseconds(options.deadlineMs)))
        return failure(HttpFailure::Deadline,
                       "下载超过 " + seconds(options.deadlineMs) + " 秒仍未完成, 已中断");
    if (t.stalled || code == CURLE_OPERATION_TIMEDOUT)
        return failure(HttpFailure::Stalled,
                       "网络读取超时 (" + seconds(options.readTimeoutMs) + " 秒没有收到数据)");
    if (code != CURLE_OK)
        return failure(HttpFailure::CannotConnect,
                       "网络连接失败 (" + std::string(errorText[0] ? errorText : curl_easy_strerror(code)) +
                           ")");
    long status = 0;
    curl_easy_getinfo(c, CURLINFO_RESPONSE_CODE, &status);
    if (status < 200 || status > 299)
        return failure(HttpFailure::Status, "服务器回答 HTTP " + std::to_string(status));
    return std::move(t.body);
}

Result<std::string> httpGet(const std::string& url, const HttpOptions& options) {
    auto body = httpFetch(url, options);
    if (!body) return fail(std::move(body.error().message));
    return std::move(*body);
}

std::string percentEncode(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size() * 3);
    for (unsigned char c : text) {
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                           c == '-' || c == '.' || c == '_' || c == '~';
        if (plain) {
            out += static_cast<char>(c);
        } else {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 15];
        }
    }
    return out;
}

} // namespace p3::core
