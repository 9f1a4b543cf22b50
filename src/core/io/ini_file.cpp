#include "core/io/ini_file.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <system_error>
#include <unordered_map>

#include "core/io/text_codec.h"

namespace p3::core {
namespace {

// The INI file is kept as its lines. A save writes every line the program did not change as the
// bytes it was read from, so comments, odd lines ("=value", a line without "=", a "[" without "]"),
// duplicated sections and the encoding all survive; only the entries set or removed change.

constexpr std::string_view kReplacementChar = "\xEF\xBF\xBD";
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

enum class Encoding { Gbk, Utf8, Utf16Le, Utf16Be };

struct Line {
    std::string raw;  ///< the bytes read, in the file's encoding (unused once changed)
    std::string text; ///< the line as UTF-8
    std::string eol;  ///< "\r\n", "\n", "\r", or empty for a last line without a break
    bool changed = false;
};

enum class LineKind { Other, Section, Entry };

struct LineInfo {
    LineKind kind = LineKind::Other;
    std::string name;        ///< section name or key, as written (trimmed)
    std::string value;       ///< entry value (trimmed)
    std::size_t valueAt = 0; ///< where the value's text starts in the line (after "=" and blanks)
};

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

/// How the Windows INI functions read a line: "[name]" opens a section, "key=value" is an entry;
/// comments (";", "#"), blank lines, a "[" without "]", a line without "=" and "=value" are none.
LineInfo classify(std::string_view line) {
    LineInfo info;
    std::size_t start = 0;
    while (start < line.size() && isBlank(line[start]))
        ++start;
    const std::string_view body = line.substr(start);
    if (body.empty() || body.front() == ';' || body.front() == '#') return info;
    if (body.front() == '[') {
        const std::size_t close = body.find(']');
        if (close == std::string_view::npos) return info;
        info.kind = LineKind::Section;
        info.name = std::string(trim(body.substr(1, close - 1)));
        return info;
    }
    const std::size_t eq = body.find('=');
    if (eq == std::string_view::npos) return info;
    const std::string_view key = trim(body.substr(0, eq));
    if (key.empty()) return info;
    info.kind = LineKind::Entry;
    info.name = std::string(key);
    std::size_t at = start + eq + 1;
    while (at < line.size() && isBlank(line[at]))
        ++at;
    info.valueAt = at;
    info.value = std::string(trim(line.substr(at)));
    return info;
}

/// Names compare as the Windows INI functions compare them: ASCII letters without case.
std::string foldCase(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

std::string entryId(std::string_view section, std::string_view key) {
    return foldCase(section) + '\0' + foldCase(key);
}

/// The raw lines of the bytes, split at "\r\n", "\n" or "\r" with each line's own break.
std::vector<std::pair<std::string, std::string>> splitRawLines(std::string_view bytes) {
    std::vector<std::pair<std::string, std::string>> out;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = start;
        while (end < bytes.size() && bytes[end] != '\n' && bytes[end] != '\r')
            ++end;
        std::string eol;
        if (end < bytes.size())
            eol = (bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n')
                      ? "\r\n"
                      : std::string(1, bytes[end]);
        out.emplace_back(std::string(bytes.substr(start, end - start)), eol);
        start = end + eol.size();
    }
    return out;
}

} // namespace

struct IniFile::Impl {
    std::vector<Line> lines;
    Encoding encoding = Encoding::Gbk;
    std::string bom; ///< a UTF-8 byte-order mark the file began with
    std::string eol = "\r\n";

    // The index of the entries, rebuilt after every change of the lines.
    bool indexed = false;
    std::vector<LineInfo> infos;
    std::vector<std::string> sectionOfLine;                 ///< the section each line stands in
    std::unordered_map<std::string, std::size_t> lastEntry; ///< entryId → line of its last occurrence

    void parse(std::string_view bytes, bool nulToReplacement) {
        lines.clear();
        if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) {
            encoding = bytes.starts_with("\xFF\xFE") ? Encoding::Utf16Le : Encoding::Utf16Be;
            for (auto& [raw, lineEol] : splitRawLines(decodeText(bytes)))
                lines.push_back({raw, raw, lineEol});
        } else {
            if (bytes.starts_with(kUtf8Bom)) {
                bom = std::string(kUtf8Bom);
                bytes.remove_prefix(kUtf8Bom.size());
            }
            encoding = !bom.empty() || readsAsUtf8(bytes) ? Encoding::Utf8 : Encoding::Gbk;
            for (auto& [raw, lineEol] : splitRawLines(bytes)) {
                std::string text = encoding == Encoding::Utf8 ? decodeUtf8Lossy(raw) : decodeGbkLossy(raw);
                lines.push_back({std::move(raw), std::move(text), std::move(lineEol)});
            }
        }
        for (Line& line : lines) {
            if (nulToReplacement && line.text.find('\0') != std::string::npos) {
                std::string clean;
                for (char c : line.text) {
                    if (c == '\0') {
                        clean.append(kReplacementChar);
                    } else {
                        clean.push_back(c);
                    }
                }
                line.text = std::move(clean);
            }
        }
        eol = !lines.empty() && !lines.front().eol.empty() ? lines.front().eol : "\r\n";
        indexed = false;
    }

    void index() {
        if (indexed) return;
        infos.clear();
        sectionOfLine.clear();
        lastEntry.clear();
        std::string section;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            LineInfo info = classify(lines[i].text);
            if (info.kind == LineKind::Section) section = info.name;
            if (info.kind == LineKind::Entry) lastEntry[entryId(section, info.name)] = i;
            sectionOfLine.push_back(section);
            infos.push_back(std::move(info));
        }
        indexed = true;
    }

    std::optional<std::size_t> find(std::string_view section, std::string_view key) {
        index();
        const auto it = lastEntry.find(entryId(section, key));
        if (it == lastEntry.end()) return std::nullopt;
        return it->second;
    }

    void insert(std::size_t at, std::string text) {
        // The line before a new one must end in a line break.
        if (at > 0 && lines[at - 1].eol.empty()) lines[at - 1].eol = eol;
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), Line{{}, std::move(text), eol, true});
        indexed = false;
    }

    Result<std::string> bytes() const {
        if (encoding == Encoding::Utf16Le || encoding == Encoding::Utf16Be) {
            std::string text;
            for (const Line& line : lines)
                text += line.text + line.eol;
            return utf8ToUtf16(text, encoding == Encoding::Utf16Be);
        }
        std::string out = bom;
        for (const Line& line : lines) {
            if (!line.changed) {
                out += line.raw;
            } else if (encoding == Encoding::Utf8) {
                out += line.text;
            } else {
                auto encoded = utf8ToGbk(line.text);
                if (!encoded) return std::unexpected(encoded.error());
                out += *encoded;
            }
            out += line.eol;
        }
        return out;
    }
};

IniFile::IniFile() : m_impl(std::make_unique<Impl>()) {}
IniFile::~IniFile() = default;
IniFile::IniFile(IniFile&& other) noexcept = default;
IniFile& IniFile::operator=(IniFile&& other) noexcept = default;

void IniFile::parse(std::string_view utf8Text) {
    m_impl = std::make_unique<Impl>();
    m_impl->parse(utf8Text, true);
}

Result<IniFile> IniFile::load(const std::filesystem::path& file) {
    IniFile result;
    result.m_path = file;
    std::error_code ec;
    if (!std::filesystem::exists(file, ec) && !ec) return result;
    auto bytes = readFileBytes(file);
    if (!bytes) return std::unexpected(bytes.error());
    const bool utf16 = bytes->starts_with("\xFF\xFE") || bytes->starts_with("\xFE\xFF");
    if (!utf16 && bytes->find('\0') != std::string::npos)
        return fail("文件不是文本格式的设置文件: " + file.string());
    result.m_impl->parse(*bytes, false);
    if (utf16) {
        for (const Line& line : result.m_impl->lines)
            if (line.text.find('\0') != std::string::npos)
                return fail("文件不是文本格式的设置文件: " + file.string());
    }
    return result;
}

IniFile IniFile::fromText(std::string_view text) {
    IniFile result;
    result.parse(text);
    return result;
}

std::string IniFile::getString(std::string_view section, std::string_view key,
                               std::string_view defaultValue) const {
    const auto at = m_impl->find(section, key);
    return at ? m_impl->infos[*at].value : std::string(defaultValue);
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
    Impl& impl = *m_impl;
    if (const auto at = impl.find(section, key)) {
        // The entry's last occurrence is the one read; only its value changes, its key and spacing stay.
        if (impl.infos[*at].value == trim(oneLine)) return;
        Line& line = impl.lines[*at];
        line.text = line.text.substr(0, impl.infos[*at].valueAt) + oneLine;
        line.changed = true;
        impl.indexed = false;
        return;
    }
    const std::string entry = std::string(key) + "=" + oneLine;
    impl.index();
    // A new key goes after the last entry of the section's last copy (or right after its header).
    std::optional<std::size_t> after;
    const std::string wanted = foldCase(section);
    for (std::size_t i = 0; i < impl.lines.size(); ++i) {
        const LineInfo& info = impl.infos[i];
        if (info.kind == LineKind::Section && foldCase(info.name) == wanted) after = i;
        if (info.kind == LineKind::Entry && after && foldCase(impl.sectionOfLine[i]) == wanted) after = i;
    }
    if (section.empty()) {
        // Keys before the first section.
        std::size_t first = 0;
        while (first < impl.lines.size() && impl.infos[first].kind != LineKind::Section)
            ++first;
        impl.insert(first, entry);
        return;
    }
    if (after) {
        impl.insert(*after + 1, entry);
        return;
    }
    // A new section at the end, set off from what comes before by one empty line.
    if (!impl.lines.empty() && !trim(impl.lines.back().text).empty()) impl.insert(impl.lines.size(), "");
    impl.insert(impl.lines.size(), "[" + std::string(section) + "]");
    impl.insert(impl.lines.size(), entry);
}

void IniFile::setInt(std::string_view section, std::string_view key, long value) {
    setString(section, key, std::to_string(value));
}

bool IniFile::hasKey(std::string_view section, std::string_view key) const {
    return m_impl->find(section, key).has_value();
}

bool IniFile::removeKey(std::string_view section, std::string_view key) {
    Impl& impl = *m_impl;
    impl.index();
    const std::string id = entryId(section, key);
    bool removed = false;
    for (std::size_t i = impl.lines.size(); i-- > 0;) {
        if (impl.infos[i].kind == LineKind::Entry &&
            entryId(impl.sectionOfLine[i], impl.infos[i].name) == id) {
            impl.lines.erase(impl.lines.begin() + static_cast<std::ptrdiff_t>(i));
            removed = true;
        }
    }
    if (removed) impl.indexed = false;
    return removed;
}

std::vector<std::string> IniFile::sections() const {
    m_impl->index();
    std::vector<std::string> result;
    std::vector<std::string> seen;
    for (const LineInfo& info : m_impl->infos) {
        if (info.kind != LineKind::Section || info.name.empty()) continue;
        const std::string folded = foldCase(info.name);
        if (std::find(seen.begin(), seen.end(), folded) != seen.end()) continue;
        seen.push_back(folded);
        result.push_back(info.name);
    }
    return result;
}

std::vector<std::string> IniFile::keys(std::string_view section) const {
    m_impl->index();
    const std::string wanted = foldCase(section);
    std::vector<std::string> result;
    std::vector<std::string> seen;
    for (std::size_t i = 0; i < m_impl->infos.size(); ++i) {
        const LineInfo& info = m_impl->infos[i];
        if (info.kind != LineKind::Entry || foldCase(m_impl->sectionOfLine[i]) != wanted) continue;
        const std::string folded = foldCase(info.name);
        if (std::find(seen.begin(), seen.end(), folded) != seen.end()) continue;
        seen.push_back(folded);
        result.push_back(info.name);
    }
    return result;
}

std::string IniFile::toText() const {
    std::string text;
    for (const Line& line : m_impl->lines)
        text += line.text + line.eol;
    return text;
}

Status IniFile::save() {
    if (m_path.empty()) return fail("设置文件没有指定保存位置");
    auto bytes = m_impl->bytes();
    if (!bytes) return fail("无法写入文件: " + m_path.string() + " (" + bytes.error().message + ")");
    return writeFileAtomic(m_path, *bytes);
}

} // namespace p3::core
