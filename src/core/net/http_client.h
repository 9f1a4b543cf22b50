#pragma once
/// HTTP GET for the online update and the version check: HTTP/1.1, no cached answers, a stall
/// time-out and a size limit.
#include <atomic>
#include <cstddef>
#include <string>
#include <string_view>

#include "core/common/error.h"

namespace p3::core {

struct HttpOptions {
    /// The longest time without a byte arriving (and for connecting), in milliseconds.
    long readTimeoutMs = 10000;
    /// An answer longer than this is cut off and counts as a failure.
    std::size_t maxBytes = 20u * 1024u * 1024u;
    /// When set (from any thread) the request is abandoned within moments and fails; the flag must
    /// outlive the request.
    const std::atomic<bool>* cancel = nullptr;
};

/// The body of a GET answered with a 2xx status; anything else (no connection, a stall, an error
/// status, an answer over the limit, an address that is not http or https, a cancel) is an error.
[[nodiscard]] Result<std::string> httpGet(const std::string& url, const HttpOptions& options = {});

/// The text percent-encoded as UTF-8 bytes for one path segment or query value: everything but
/// letters, digits and "-._~" becomes %XX.
std::string percentEncode(std::string_view text);

} // namespace p3::core
