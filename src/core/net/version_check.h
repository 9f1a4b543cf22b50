#pragma once
/// The start-up version check against the update server.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/io/settings.h"
#include "core/net/http_client.h"

namespace p3::core {

inline constexpr std::string_view kNewVersionMessage = "软件有新版本,准备为您更新!";

/// base + "/Soft_Ban_Bencheck.asp?Hao=" + the software number (percent-encoded).
std::string versionCheckUrl(std::string_view baseUrl, std::string_view softwareNumber);

/// This program's version, as the draw server answers the version check.
std::string_view programVersion();

/// A version text: one to four whole numbers of at most nine digits joined by ".", such as "1.2.10";
/// nothing for anything else (an HTML page, a line of garbage).
std::optional<std::vector<std::uint32_t>> parseVersion(std::string_view text);

/// What the check found: the server's answer (blanks and line breaks around it removed; empty on any
/// failure and on an answer that is no version) and whether it names a newer version than ours.
struct VersionCheckResult {
    std::string answer;
    bool newVersion = false;
};

/// True when the answer is a version numerically above ours: the installed version of Sys_Set.ini,
/// or this program's own when that is unset or no version ("1.10" is above "1.9"; "2" equals "2.0").
bool isNewVersion(std::string_view answer, std::string_view installedVersion);

/// Asks the update server of the settings; with no address set the check is off and finds nothing.
VersionCheckResult checkVersion(const Settings& settings, const HttpOptions& http = {});

} // namespace p3::core
