#include "core/net/version_check.h"

namespace p3::core {

std::string versionCheckUrl(std::string_view baseUrl, std::string_view softwareNumber) {
    std::string base(baseUrl);
    while (!base.empty() && base.back() == '/') base.pop_back();
    return base + "/Soft_Ban_Bencheck.asp?Hao=" + percentEncode(softwareNumber);
}

bool isNewVersion(std::string_view answer, std::string_view installedVersion) {
    return !answer.empty() && answer != installedVersion;
}

VersionCheckResult checkVersion(const Settings& settings, const HttpOptions& http) {
    VersionCheckResult out;
    const std::string base = settings.updateUrl();
    if (base.empty()) return out;
    auto body = httpGet(versionCheckUrl(base, settings.softwareNumber()), http);
    if (!body) return out;
    const std::string_view ws = " \t\r\n";
    const auto b = body->find_first_not_of(ws);
    if (b == std::string::npos) return out;
    out.answer = body->substr(b, body->find_last_not_of(ws) - b + 1);
    out.newVersion = isNewVersion(out.answer, settings.installedVersion());
    return out;
}

} // namespace p3::core
