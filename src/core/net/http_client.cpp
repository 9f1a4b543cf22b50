#include "core/net/http_client.h"

#include <curl/curl.h>

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

Result<std::string> httpGet(const std::string& url, const HttpOptions& options) {
    if (cancelRequested(options.cancel)) return fail("网络请求已取消: " + url);
    initialiseOnce();
    std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> curl(curl_easy_init(), curl_easy_cleanup);
    if (!curl) return fail("网络初始化失败");
    std::unique_ptr<curl_slist, decltype(&curl_slist_free_all)> headers(
        curl_slist_append(nullptr, "Cache-Control: no-cache"), curl_slist_free_all);

    Transfer t;
    t.maxBytes = options.maxBytes;
    t.readTimeoutMs = options.readTimeoutMs;
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
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT_MS, options.readTimeoutMs);
    curl_easy_setopt(c, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(options.maxBytes));
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, onData);
    curl_easy_setopt(c, CURLOPT_WRITEDATA, &t);
    curl_easy_setopt(c, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(c, CURLOPT_XFERINFOFUNCTION, onProgress);
    curl_easy_setopt(c, CURLOPT_XFERINFODATA, &t);
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, errorText);

    const CURLcode code = curl_easy_perform(c);
    if (t.tooLarge || code == CURLE_FILESIZE_EXCEEDED)
        return fail("下载的文件超过 " + std::to_string(options.maxBytes / (1024 * 1024)) + " MB: " + url);
    if (t.cancelled) return fail("网络请求已取消: " + url);
    if (t.stalled) return fail("网络读取超时: " + url);
    if (code != CURLE_OK)
        return fail("网络连接失败 (" + std::string(errorText[0] ? errorText : curl_easy_strerror(code)) + "): " + url);
    long status = 0;
    curl_easy_getinfo(c, CURLINFO_RESPONSE_CODE, &status);
    if (status < 200 || status > 299) return fail("服务器回答 HTTP " + std::to_string(status) + ": " + url);
    return std::move(t.body);
}

std::string percentEncode(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size() * 3);
    for (unsigned char c : text) {
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
                           c == '.' || c == '_' || c == '~';
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
