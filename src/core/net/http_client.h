#pragma once
/// HTTP GET for the online update and the version check: HTTP/1.1, no cached answers, a stall
/// time-out, an overall deadline and a size limit.
#include <atomic>
#include <cstddef>
#include <expected>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/common/error.h"

namespace p3::core {

struct HttpOptions {
    /// The longest time without a byte arriving (and for connecting), in milliseconds.
    long readTimeoutMs = 10000;
    /// The longest a whole request may take, in milliseconds: a server that keeps sending a trickle
    /// is cut off here even though it never stalls.
    long deadlineMs = 60000;
    /// An answer longer than this is cut off and counts as a failure.
    std::size_t maxBytes = 20u * 1024u * 1024u;
    /// Request headers besides Cache-Control, as "Name: value" lines.
    std::vector<std::string> headers;
    /// When set (from any thread) the request is abandoned within moments and fails; the flag must
    /// outlive the request.
    const std::atomic<bool>* cancel = nullptr;
};

/// Why a request failed; the message of the error says it in words.
enum class HttpFailure { BadAddress, CannotConnect, Stalled, Deadline, TooLarge, Status, Cancelled };

struct HttpError {
    HttpFailure kind = HttpFailure::CannotConnect;
    std::string message;
};

/// The body of a GET answered with a 2xx status, or what went wrong.
[[nodiscard]] std::expected<std::string, HttpError> httpFetch(const std::string& url,
                                                              const HttpOptions& options = {});

/// httpFetch with the failure as a plain error.
[[nodiscard]] Result<std::string> httpGet(const std::string& url, const HttpOptions& options = {});

/// The text percent-encoded as UTF-8 bytes for one path segment or query value: everything but
/// letters, digits and "-._~" becomes %XX.
std::string percentEncode(std::string_view text);

} // namespace p3::core
