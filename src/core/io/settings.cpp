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

} // namespace

namespace keys = settings_keys;

Result<Settings> Settings::open(const std::filesystem::path& home) {
    auto ini = IniFile::load(home / kSettingsFileName);
    if (!ini) return std::unexpected(ini.error());
    return Settings(std::move(*ini));
}

std::string Settings::currentLottery() const {
    std::string name = m_ini.getString(keys::kLotterySection, keys::kLotteryName);
    return name.empty() ? std::string(keys::kDefaultLottery) : name;
}

Status Settings::setCurrentLottery(std::string_view name) {
    m_ini.setString(keys::kLotterySection, keys::kLotteryName, name);
    return m_ini.save();
}

std::string Settings::softwareNumber() const {
    return m_ini.getString(keys::kVersionSection, keys::kSoftwareNumber);
}

std::string Settings::installedVersion() const {
    return m_ini.getString(keys::kVersionSection, keys::kVersion);
}

std::string Settings::updateUrl() const {
    return baseAddress(m_ini.getString(keys::kServerSection, keys::kUpdateUrl));
}

std::string Settings::dataUrl() const {
    return baseAddress(m_ini.getString(keys::kServerSection, keys::kDataUrl));
}

std::string Settings::sourceUrl(std::string_view key, std::string_view fallback) const {
    if (!m_ini.hasKey(keys::kServerSection, key)) return std::string(fallback);
    return baseAddress(m_ini.getString(keys::kServerSection, key));
}

long Settings::downloadDeadlineMs() const {
    const long seconds =
        m_ini.getInt(keys::kServerSection, keys::kDownloadTimeout, keys::kDefaultDownloadTimeout);
    return std::clamp(seconds <= 0 ? keys::kDefaultDownloadTimeout : seconds, 1L, 3600L) * 1000;
}

int Settings::updatePageLimit() const {
    const long pages = m_ini.getInt(keys::kServerSection, keys::kUpdatePages, keys::kDefaultUpdatePages);
    return static_cast<int>(std::clamp(pages <= 0 ? keys::kDefaultUpdatePages : pages, 1L, 1000L));
}

PrintParams Settings::printParams() const {
    return {m_ini.getString(keys::kPrintSection, keys::kPrintTitle),
            m_ini.getInt(keys::kPrintSection, keys::kPrintCount)};
}

Status Settings::setPrintParams(const PrintParams& params) {
    m_ini.setString(keys::kPrintSection, keys::kPrintTitle, params.title);
    m_ini.setInt(keys::kPrintSection, keys::kPrintCount, params.count);
    return m_ini.save();
}

} // namespace p3::core
