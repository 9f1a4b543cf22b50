#pragma once
/// An INI settings file read and written by section and key. A save changes only the lines of the
/// entries set or removed; every other line is written back byte for byte, in the file's encoding.
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/common/error.h"

namespace p3::core {

class IniFile {
public:
    /// An empty INI bound to no file.
    IniFile();
    ~IniFile();
    IniFile(IniFile&& other) noexcept;
    IniFile& operator=(IniFile&& other) noexcept;
    IniFile(const IniFile&) = delete;
    IniFile& operator=(const IniFile&) = delete;

    /// Reads the file (GBK, UTF-8 or UTF-16 with its mark); a missing file gives an empty INI bound to
    /// that path. A key read is its last occurrence in any copy of its section (names without case).
    /// A file holding NUL bytes is refused: it is no text, and saving it back would destroy it.
    [[nodiscard]] static Result<IniFile> load(const std::filesystem::path& file);
    /// An INI parsed from text, bound to no file.
    [[nodiscard]] static IniFile fromText(std::string_view text);

    /// The value, or the default when the key is absent.
    [[nodiscard]] std::string getString(std::string_view section, std::string_view key,
                                        std::string_view defaultValue = {}) const;
    /// The value as a decimal integer; absent, empty, non-numeric or out-of-range values give the default.
    [[nodiscard]] long getInt(std::string_view section, std::string_view key, long defaultValue = 0) const;
    /// Sets the value, adding section and key at their ends when new. Line breaks in the value become
    /// blanks, since a value is one line of the file.
    void setString(std::string_view section, std::string_view key, std::string_view value);
    void setInt(std::string_view section, std::string_view key, long value);
    [[nodiscard]] bool hasKey(std::string_view section, std::string_view key) const;
    /// Removes a key; true when it existed.
    bool removeKey(std::string_view section, std::string_view key);

    /// Section names in file order.
    [[nodiscard]] std::vector<std::string> sections() const;
    /// Key names of a section in file order.
    [[nodiscard]] std::vector<std::string> keys(std::string_view section) const;

    /// Writes the INI to its file atomically, in the encoding it was read in (GBK for a new file).
    [[nodiscard]] Status save();
    /// The INI as UTF-8 text, each line with its own line break (new lines get the file's first one,
    /// "\r\n" for a new file).
    [[nodiscard]] std::string toText() const;

    [[nodiscard]] const std::filesystem::path& path() const { return m_path; }
    void setPath(std::filesystem::path file) { m_path = std::move(file); }

private:
    struct Impl;
    void parse(std::string_view utf8Text);

    std::unique_ptr<Impl> m_impl;
    std::filesystem::path m_path;
};

} // namespace p3::core
