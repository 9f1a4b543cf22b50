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

/// One entry of Sys_Set.ini: the section that holds it, its key, and what a missing entry reads as.
template <typename Value> struct Setting {
    std::string_view section;
    std::string_view key;
    Value fallback{};
};
using TextSetting = Setting<std::string_view>;
using NumberSetting = Setting<long>;

/// Every entry of Sys_Set.ini the program reads or writes, each with the section that holds it.
namespace settings_keys {
inline constexpr std::string_view kServerSection = "Server";
inline constexpr std::string_view kPrintSection = "print_param";
inline constexpr std::string_view kVersionSection = "软件版本号";
inline constexpr std::string_view kPrizeSection = "方案评估";

/// The lottery shown at start-up.
inline constexpr TextSetting kLotteryName{"DangQianCp", "Cpname", "体彩排列3"};

inline constexpr TextSetting kSoftwareNumber{kVersionSection, "软件编号"};
inline constexpr TextSetting kVersion{kVersionSection, "版本号"};

/// The base addresses of the update server and of the draw sources; a missing key of a source with a
/// public address reads as that address.
inline constexpr TextSetting kUpdateUrl{kServerSection, "UpdateUrl"};
inline constexpr TextSetting kDataUrl{kServerSection, "DataUrl"};
inline constexpr TextSetting kCwlUrl{kServerSection, "CwlUrl", "https://www.cwl.gov.cn"};
inline constexpr TextSetting kSportteryUrl{kServerSection, "SportteryUrl", "https://webapi.sporttery.cn"};
inline constexpr TextSetting kLinesUrl{kServerSection, "LinesUrl"};
/// Seconds a whole download may take.
inline constexpr NumberSetting kDownloadTimeout{kServerSection, "DownloadTimeout", 60};
/// Pages of a paged source read at most to catch up.
inline constexpr NumberSetting kUpdatePages{kServerSection, "UpdatePages", 60};

inline constexpr TextSetting kPrintTitle{kPrintSection, "title"};
inline constexpr NumberSetting kPrintCount{kPrintSection, "Zhushu"};

/// The money of the scheme evaluation, as exact decimal texts.
inline constexpr TextSetting kUnitPrice{kPrizeSection, "单注价格"};
inline constexpr TextSetting kDirectPrize{kPrizeSection, "直选奖金"};
inline constexpr TextSetting kGroup3Prize{kPrizeSection, "组三奖金"};
inline constexpr TextSetting kGroup6Prize{kPrizeSection, "组六奖金"};
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

    /// The entry's text; a missing key gives its default.
    [[nodiscard]] std::string text(const TextSetting& setting) const;
    /// The entry's text as a base address: blanks and trailing '/' removed. A missing key gives the
    /// default; an empty one means the service is off.
    [[nodiscard]] std::string address(const TextSetting& setting) const;
    /// Sets the entry for this run only (an address given on the command line): the file is not written,
    /// so the value goes to disk only if another change saves the file in the same run.
    void setForThisRun(const TextSetting& setting, std::string_view value);
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
