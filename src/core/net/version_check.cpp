#include "core/net/version_check.h"

#include <algorithm>

namespace p3::core {

std::string versionCheckUrl(std::string_view baseUrl, std::string_view softwareNumber) {
    std::string base(baseUrl);
    while (!base.empty() && base.back() == '/')
        base.pop_back();
    return base + "/Soft_Ban_Bencheck.asp?Hao=" + percentEncode(softwareNumber);
}

std::string_view programVersion() {
    return P3_PROGRAM_VERSION;
}

std::optional<std::vector<std::uint32_t>> parseVersion(std::string_view text) {
    constexpr std::size_t kMaxParts = 4, kMaxDigits = 9;
    std::vector<std::uint32_t> parts;
    std::size_t i = 0;
    while (true) {
        std::size_t digits = 0;
        std::uint32_t value = 0;
        for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, ++digits) {
            if (digits == kMaxDigits) return std::nullopt;
            value = value * 10 + static_cast<std::uint32_t>(text[i] - '0');
        }
        if (digits == 0 || parts.size() == kMaxParts) return std::nullopt;
        parts.push_back(value);
        if (i == text.size()) return parts;
        if (text[i] != '.') return std::nullopt;
        ++i;
    }
}

bool isNewVersion(std::string_view answer, std::string_view installedVersion) {
    auto theirs = parseVersion(answer);
    if (!theirs) return false;
    auto ours = parseVersion(installedVersion);
    if (!ours) ours = parseVersion(programVersion());
    // Missing parts count as 0, so that "2" and "2.0" are one version.
    const std::size_t n = std::max(theirs->size(), ours->size());
    theirs->resize(n, 0);
    ours->resize(n, 0);
    return *theirs > *ours;
}

VersionCheckResult checkVersion(const Settings& settings, const HttpOptions& http) {
    VersionCheckResult out;
    const std::string base = settings.address(settings_keys::kUpdateUrl);
    if (base.empty()) return out;
    auto body = httpGet(versionCheckUrl(base, settings.text(settings_keys::kSoftwareNumber)), http);
    if (!body) return out;
    const std::string_view ws = " \t\r\n";
    const auto b = body->find_first_not_of(ws);
    if (b == std::string::npos) return out;
    std::string answer = body->substr(b, body->find_last_not_of(ws) - b + 1);
    // Only a version is an answer: an error page or garbage counts as no answer at all.
    if (!parseVersion(answer)) return out;
    out.answer = std::move(answer);
    out.newVersion = isNewVersion(out.answer, settings.text(settings_keys::kVersion));
    return out;
}

} // namespace p3::core
