#pragma once
/// The start-up version check against the update server.
#include <string>
#include <string_view>

#include "core/io/settings.h"
#include "core/net/http_client.h"

namespace p3::core {

inline constexpr std::string_view kNewVersionMessage = "软件有新版本,准备为您更新!";

/// base + "/Soft_Ban_Bencheck.asp?Hao=" + the software number (percent-encoded).
std::string versionCheckUrl(std::string_view baseUrl, std::string_view softwareNumber);

/// What the check found: the server's answer (blanks and line breaks around it removed; empty on any
/// failure) and whether it names another version than the installed one.
struct VersionCheckResult {
    std::string answer;
    bool newVersion = false;
};

/// True when the answer is not empty and differs from the installed version.
bool isNewVersion(std::string_view answer, std::string_view installedVersion);

/// Asks the update server of the settings; with no address set the check is off and finds nothing.
VersionCheckResult checkVersion(const Settings& settings, const HttpOptions& http = {});

} // namespace p3::core
