#pragma once
/// The settings file Sys_Set.ini of the home folder: its sections and keys, and typed access to them.
#include <filesystem>
#include <string>
#include <string_view>

#include "core/common/error.h"
#include "core/io/ini_file.h"

namespace p3::core {

inline constexpr std::string_view kSettingsFileName = "Sys_Set.ini";
/// The theoretical counts the omission statistics read (section = kind name, key = value text).
inline constexpr std::string_view kOmissionCountsFileName = "YiLouCanShu.ini";

namespace settings_keys {
inline constexpr std::string_view kLotterySection = "DangQianCp";
inline constexpr std::string_view kLotteryName = "Cpname";
inline constexpr std::string_view kDefaultLottery = "体彩排列3";

inline constexpr std::string_view kVersionSection = "软件版本号";
inline constexpr std::string_view kSoftwareNumber = "软件编号";
inline constexpr std::string_view kVersion = "版本号";

inline constexpr std::string_view kServerSection = "Server";
inline constexpr std::string_view kUpdateUrl = "UpdateUrl";
inline constexpr std::string_view kDataUrl = "DataUrl";
inline constexpr std::string_view kCwlUrl = "CwlUrl";
inline constexpr std::string_view kSportteryUrl = "SportteryUrl";
inline constexpr std::string_view kLinesUrl = "LinesUrl";
/// Seconds a whole download may take.
inline constexpr std::string_view kDownloadTimeout = "DownloadTimeout";
inline constexpr long kDefaultDownloadTimeout = 60;
/// Pages of a paged source read at most to catch up.
inline constexpr std::string_view kUpdatePages = "UpdatePages";
inline constexpr long kDefaultUpdatePages = 60;

inline constexpr std::string_view kPrintSection = "print_param";
inline constexpr std::string_view kPrintTitle = "title";
inline constexpr std::string_view kPrintCount = "Zhushu";
} // namespace settings_keys

/// What the print hand-off leaves for the print program besides the number file.
struct PrintParams {
    std::string title;
    long count = 0;
};

/// Sys_Set.ini, open for the whole run. Every change is written to the file at once.
class Settings {
public:
    /// Opens the settings file of the home folder; a missing file reads as all defaults.
    [[nodiscard]] static Result<Settings> open(const std::filesystem::path& home);
    explicit Settings(IniFile ini) : m_ini(std::move(ini)) {}

    /// The lottery shown at start-up; the default also stands in for an empty entry.
    [[nodiscard]] std::string currentLottery() const;
    [[nodiscard]] Status setCurrentLottery(std::string_view name);

    /// The software number the version check sends; empty when unset.
    [[nodiscard]] std::string softwareNumber() const;
    /// The installed version the version check compares with; empty when unset.
    [[nodiscard]] std::string installedVersion() const;

    /// Base address of the update server, blanks and trailing '/' removed; empty means the check is off.
    [[nodiscard]] std::string updateUrl() const;
    /// Base address of the data server, as updateUrl; empty means downloads are off.
    [[nodiscard]] std::string dataUrl() const;
    /// The address of a draw source by the key of its kind ("DataUrl", "CwlUrl", …): a key that is
    /// missing gives the public default, an empty one switches the source off.
    [[nodiscard]] std::string sourceUrl(std::string_view key, std::string_view fallback) const;
    /// The overall deadline of one download in milliseconds (DownloadTimeout seconds, 1..3600).
    [[nodiscard]] long downloadDeadlineMs() const;
    /// How many pages a catch-up reads at most (UpdatePages, 1..1000).
    [[nodiscard]] int updatePageLimit() const;

    [[nodiscard]] PrintParams printParams() const;
    [[nodiscard]] Status setPrintParams(const PrintParams& params);

    [[nodiscard]] IniFile& ini() { return m_ini; }
    [[nodiscard]] const IniFile& ini() const { return m_ini; }

private:
    IniFile m_ini;
};

} // namespace p3::core
