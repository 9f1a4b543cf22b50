#include "core/io/settings.h"

#include <algorithm>

namespace p3::core {
namespace {

std::string baseAddress(std::string value) {
    const auto isSpace = [](char c) { return c == ' ' || c == '\t'; };
    while (!value.empty() && (isSpace(value.back()) || value.back() == '/'))
        value.pop_back();
    std::size_t start = 0;
    while (start < value.size() && isSpace(value[start]))
        ++start;
    return value.substr(start);
}

/// A limit of the settings: a value not above 0 reads as the default, one above `highest` as `highest`.
long positiveUpTo(const IniFile& ini, const NumberSetting& setting, long highest) {
    const long value = ini.getInt(setting.section, setting.key, setting.fallback);
    return std::clamp(value <= 0 ? setting.fallback : value, 1L, highest);
}

} // namespace

namespace keys = settings_keys;

Result<Settings> Settings::open(const std::filesystem::path& home) {
    auto ini = IniFile::load(home / kSettingsFileName);
    if (!ini) return std::unexpected(ini.error());
    return Settings(std::move(*ini));
}

std::string Settings::currentLottery() const {
    std::string name = text(keys::kLotteryName);
    return name.empty() ? std::string(keys::kLotteryName.fallback) : name;
}

Status Settings::setCurrentLottery(std::string_view name) {
    m_ini.setString(keys::kLotteryName.section, keys::kLotteryName.key, name);
    return m_ini.save();
}

std::string Settings::text(const TextSetting& setting) const {
    return m_ini.getString(setting.section, setting.key, setting.fallback);
}

std::string Settings::address(const TextSetting& setting) const {
    if (!m_ini.hasKey(setting.section, setting.key)) return std::string(setting.fallback);
    return baseAddress(m_ini.getString(setting.section, setting.key));
}

void Settings::setForThisRun(const TextSetting& setting, std::string_view value) {
    m_ini.setString(setting.section, setting.key, value);
}

long Settings::downloadDeadlineMs() const {
    return positiveUpTo(m_ini, keys::kDownloadTimeout, 3600) * 1000;
}

int Settings::updatePageLimit() const {
    return static_cast<int>(positiveUpTo(m_ini, keys::kUpdatePages, 1000));
}

PrintParams Settings::printParams() const {
    const auto& title = keys::kPrintTitle;
    const auto& count = keys::kPrintCount;
    return {m_ini.getString(title.section, title.key),
            m_ini.getInt(count.section, count.key, count.fallback)};
}

Status Settings::setPrintParams(const PrintParams& params) {
    m_ini.setString(keys::kPrintTitle.section, keys::kPrintTitle.key, params.title);
    m_ini.setInt(keys::kPrintCount.section, keys::kPrintCount.key, params.count);
    return m_ini.save();
}

} // namespace p3::core
