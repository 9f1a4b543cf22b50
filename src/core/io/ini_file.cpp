#include "core/io/ini_file.h"

#include <charconv>
#include <system_error>

#include "core/io/text_codec.h"

// The char interface over UTF-8 needs no wide-character converter; the Debian header keeps the template
// bodies behind SI_IMPLEMENTATION so that they are compiled here rather than taken from its library.
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

namespace p3::core {
namespace {

constexpr std::string_view kReplacementChar = "\xEF\xBF\xBD";

bool isCommentStart(char c) {
    return c == ';' || c == '#';
}

// The blanks the INI parser skips at the start of a line.
bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimLeft(std::string_view line) {
    std::size_t i = 0;
    while (i < line.size() && isBlank(line[i]))
        ++i;
    return line.substr(i);
}

/// Whether the INI parser takes the line as a section header or a key with a value.
bool isEntryLine(std::string_view line) {
    const std::string_view text = trimLeft(line);
    if (text.empty() || isCommentStart(text.front())) return false;
    if (text.front() == '[') return text.find(']') != std::string_view::npos;
    const std::size_t eq = text.find('=');
    return eq != std::string_view::npos && eq > 0;
}

/// The lines of the text as the INI parser should see them. A comment line loses its leading blanks: the
/// parser ends a comment block at an indented line and drops the lines before it. A '[' line without ']'
/// goes: the parser means to skip it, but takes its text as the section name of the keys after it.
std::vector<std::string> parserLines(std::string_view text) {
    std::vector<std::string> lines = splitLines(text);
    std::erase_if(lines, [](const std::string& line) {
        const std::string_view body = trimLeft(line);
        return body.starts_with('[') && body.find(']') == std::string_view::npos;
    });
    for (std::string& line : lines) {
        const std::string_view body = trimLeft(line);
        if (!body.empty() && isCommentStart(body.front()) && body.size() != line.size())
            line = std::string(body);
    }
    return lines;
}

/// The comment lines after the last section or key. The INI parser ties a comment to the entry that
/// follows it, so these would otherwise vanish on the first save.
std::vector<std::string> trailingComments(const std::vector<std::string>& lines) {
    // The parser keeps the comment lines that open the file as the file's own comment.
    std::size_t start = 0;
    while (start < lines.size() && !lines[start].empty() && isCommentStart(lines[start].front()))
        ++start;
    for (std::size_t i = lines.size(); i > start; --i) {
        if (isEntryLine(lines[i - 1])) {
            start = i;
            break;
        }
    }
    std::vector<std::string> kept;
    std::size_t pendingBlanks = 0;
    for (std::size_t i = start; i < lines.size(); ++i) {
        const std::string_view text = trimLeft(lines[i]);
        if (text.empty()) {
            ++pendingBlanks;
        } else if (isCommentStart(text.front())) {
            // Blank lines count only between comment lines, so the block neither grows nor shrinks on saves.
            if (!kept.empty()) kept.insert(kept.end(), pendingBlanks, std::string());
            pendingBlanks = 0;
            kept.emplace_back(lines[i]);
        }
    }
    return kept;
}

std::string replaceAll(std::string_view text, char from, std::string_view to) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == from) {
            out.append(to);
        } else {
            out.push_back(c);
        }
    }
    return out;
}

} // namespace

struct IniFile::Impl {
    // UTF-8 store, one value per key, no multi-line values: the file format of the Windows INI functions.
    CSimpleIniA ini{true, false, false};
    std::string eol = "\r\n";
    std::vector<std::string> trailer;

    Impl() { ini.SetSpaces(false); }
};

IniFile::IniFile() : m_impl(std::make_unique<Impl>()) {}
IniFile::~IniFile() = default;
IniFile::IniFile(IniFile&& other) noexcept = default;
IniFile& IniFile::operator=(IniFile&& other) noexcept = default;

void IniFile::parse(std::string_view utf8Text) {
    m_impl = std::make_unique<Impl>();
    if (utf8Text.find("\r\n") == std::string_view::npos && utf8Text.find('\n') != std::string_view::npos) {
        m_impl->eol = "\n";
    }
    const std::vector<std::string> lines = parserLines(utf8Text);
    m_impl->trailer = trailingComments(lines);
    // One line-break style for the parser, whatever mixture the file had.
    const std::string normalized = joinLines(lines, "\n");
    m_impl->ini.LoadData(normalized.data(), normalized.size());
}

Result<IniFile> IniFile::load(const std::filesystem::path& file) {
    IniFile result;
    result.m_path = file;
    std::error_code ec;
    if (!std::filesystem::exists(file, ec) && !ec) return result;
    auto text = readTextFile(file);
    if (!text) return std::unexpected(text.error());
    if (text->find('\0') != std::string::npos) return fail("文件不是文本格式的设置文件: " + file.string());
    result.parse(*text);
    return result;
}

IniFile IniFile::fromText(std::string_view text) {
    IniFile result;
    std::string decoded = decodeText(text);
    if (decoded.find('\0') != std::string::npos) decoded = replaceAll(decoded, '\0', kReplacementChar);
    result.parse(decoded);
    return result;
}

std::string IniFile::getString(std::string_view section, std::string_view key,
                               std::string_view defaultValue) const {
    const char* value = m_impl->ini.GetValue(std::string(section).c_str(), std::string(key).c_str(), nullptr);
    return value ? std::string(value) : std::string(defaultValue);
}

long IniFile::getInt(std::string_view section, std::string_view key, long defaultValue) const {
    const std::string text = getString(section, key);
    std::string_view digits = text;
    if (digits.starts_with('+')) {
        digits.remove_prefix(1);
        if (digits.starts_with('-')) return defaultValue;
    }
    long value = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || ec != std::errc() || end != digits.data() + digits.size()) return defaultValue;
    return value;
}

void IniFile::setString(std::string_view section, std::string_view key, std::string_view value) {
    std::string oneLine(value);
    for (char& c : oneLine) {
        if (c == '\r' || c == '\n' || c == '\0') c = ' ';
    }
    m_impl->ini.SetValue(std::string(section).c_str(), std::string(key).c_str(), oneLine.c_str());
}

void IniFile::setInt(std::string_view section, std::string_view key, long value) {
    setString(section, key, std::to_string(value));
}

bool IniFile::hasKey(std::string_view section, std::string_view key) const {
    return m_impl->ini.GetValue(std::string(section).c_str(), std::string(key).c_str(), nullptr) != nullptr;
}

bool IniFile::removeKey(std::string_view section, std::string_view key) {
    return m_impl->ini.Delete(std::string(section).c_str(), std::string(key).c_str(), false);
}

std::vector<std::string> IniFile::sections() const {
    CSimpleIniA::TNamesDepend names;
    m_impl->ini.GetAllSections(names);
    names.sort(CSimpleIniA::Entry::LoadOrder());
    std::vector<std::string> result;
    for (const auto& entry : names) {
        if (*entry.pItem) result.emplace_back(entry.pItem);
    }
    return result;
}

std::vector<std::string> IniFile::keys(std::string_view section) const {
    CSimpleIniA::TNamesDepend names;
    m_impl->ini.GetAllKeys(std::string(section).c_str(), names);
    names.sort(CSimpleIniA::Entry::LoadOrder());
    std::vector<std::string> result;
    for (const auto& entry : names)
        result.emplace_back(entry.pItem);
    return result;
}

std::string IniFile::toText() const {
    std::string saved;
    m_impl->ini.Save(saved, false);
    std::vector<std::string> lines = splitLines(saved);
    if (!m_impl->trailer.empty()) {
        lines.emplace_back();
        lines.insert(lines.end(), m_impl->trailer.begin(), m_impl->trailer.end());
    }
    // The writer puts two blank lines between sections and may open with some; one blank line between
    // blocks reads better and comes out the same on every save.
    std::vector<std::string> tidy;
    tidy.reserve(lines.size());
    for (std::string& line : lines) {
        if (line.empty() && (tidy.empty() || tidy.back().empty())) continue;
        tidy.push_back(std::move(line));
    }
    if (!tidy.empty() && tidy.back().empty()) tidy.pop_back();
    // Comment lines that open the file are read back as the file's own comment, which the writer follows
    // with a blank line; writing that line now keeps the next save from changing the file again.
    std::size_t opening = 0;
    while (opening < tidy.size() && !tidy[opening].empty() && isCommentStart(tidy[opening].front()))
        ++opening;
    if (opening > 0 && opening < tidy.size() && !tidy[opening].empty())
        tidy.insert(tidy.begin() + opening, "");
    return joinLines(tidy, m_impl->eol);
}

Status IniFile::save() {
    if (m_path.empty()) return fail("设置文件没有指定保存位置");
    return writeTextFileGbk(m_path, toText());
}

} // namespace p3::core
