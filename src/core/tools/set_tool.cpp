#include "core/tools/set_tool.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <unordered_set>

#include "core/common/utf8.h"
#include "core/io/bounded_read.h"
#include "core/io/text_codec.h"

namespace p3::core {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::vector<std::string> piecesOf(std::string_view line) {
    std::vector<std::string> out;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && isBlank(line[i]))
            ++i;
        std::size_t b = i;
        while (i < line.size() && !isBlank(line[i]))
            ++i;
        if (i > b) out.emplace_back(line.substr(b, i - b));
    }
    return out;
}

std::string flagText(bool on) {
    return on ? "1" : "0";
}

std::string trimRight(std::string_view s) {
    while (!s.empty() && (isBlank(s.back()) || s.back() == '\r'))
        s.remove_suffix(1);
    return std::string(s);
}

} // namespace

std::vector<std::string> parseNumberListText(std::string_view text) {
    std::vector<std::string> out;
    std::string growing;
    for (const std::string& line : splitLines(text)) {
        for (std::string& piece : piecesOf(line)) {
            growing += piece;
            const std::size_t n = characterCount(growing);
            if (n == 3) {
                out.push_back(std::move(growing));
                growing.clear();
            } else if (n > 3) {
                if (characterCount(piece) == 3) out.push_back(piece);
                growing.clear();
            }
        }
    }
    return out;
}

std::string formatSetResult(const std::vector<std::string>& numbers, int perLine) {
    if (perLine < 1) perLine = 1;
    std::string out;
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        out += numbers[i];
        const bool lineEnd = (i + 1) % static_cast<std::size_t>(perLine) == 0 || i + 1 == numbers.size();
        out += lineEnd ? "\n" : " ";
    }
    return out;
}

std::string setResultCaption(std::size_t count) {
    return "共: (" + std::to_string(count) + ")";
}

std::vector<std::string> printableNumbers(std::string_view memo) {
    std::vector<std::string> out;
    for (const std::string& line : splitLines(memo))
        for (std::string& piece : piecesOf(line))
            if (characterCount(piece) == 3) out.push_back(std::move(piece));
    return out;
}

std::string SetList::freeName(std::string_view name) const {
    std::string candidate(name);
    if (!m_names.contains(candidate)) return candidate;
    std::size_t& k = m_firstFreeSuffix.try_emplace(candidate, 1).first->second;
    for (;; ++k) {
        std::string numbered = candidate + "(" + std::to_string(k) + ")";
        if (!m_names.contains(numbered)) return numbered;
    }
}

void SetList::takeName(const std::string& name) {
    m_names.insert(name);
}

std::string SetList::add(NamedSet set) {
    set.name = freeName(set.name);
    takeName(set.name);
    m_sets.push_back(std::move(set));
    return m_sets.back().name;
}

void SetList::clear() {
    m_sets.clear();
    m_names.clear();
    m_firstFreeSuffix.clear();
}

Result<std::string> SetList::addFromFile(const std::filesystem::path& file) {
    auto bytes = readFileBounded(file);
    if (!bytes) return std::unexpected(bytes.error());
    // Binary bytes would gather into numbers of garbage; such a file holds no number list. (Decoded
    // first: UTF-16 text has zero bytes but no zero characters.)
    const std::string text = decodeText(*bytes);
    if (text.find('\0') != std::string::npos) return fail(std::string(set_messages::kFileEmpty));
    NamedSet set;
    set.numbers = parseNumberListText(text);
    if (set.numbers.empty()) return fail(std::string(set_messages::kFileEmpty));
    set.name = file.stem().string();
    return add(std::move(set));
}

Status SetList::addTyped(std::string_view name, std::string_view text) {
    if (name.empty()) return fail(std::string(set_messages::kNameEmpty));
    if (freeName(name) != name) return fail(std::string(set_messages::kNameTaken));
    NamedSet set;
    set.name = std::string(name);
    set.numbers = parseNumberListText(text);
    if (set.numbers.empty()) return fail(std::string(set_messages::kTypedTooFew));
    takeName(set.name);
    m_sets.push_back(std::move(set));
    return {};
}

void SetList::remove(std::size_t index) {
    if (index >= m_sets.size()) return;
    const std::string name = std::move(m_sets[index].name);
    m_sets.erase(m_sets.begin() + static_cast<std::ptrdiff_t>(index));
    m_names.erase(name);
    // A freed "base(k)" is again the first free numbered name of its base when k is below the mark.
    if (name.size() < 3 || name.back() != ')') return;
    const std::size_t open = name.rfind('(');
    if (open == std::string::npos || open + 2 >= name.size() || name[open + 1] == '0') return;
    std::size_t k = 0;
    for (std::size_t i = open + 1; i + 1 < name.size(); ++i) {
        if (name[i] < '0' || name[i] > '9' || k > 100000000) return;
        k = k * 10 + static_cast<std::size_t>(name[i] - '0');
    }
    const auto mark = m_firstFreeSuffix.find(name.substr(0, open));
    if (mark != m_firstFreeSuffix.end() && k < mark->second) mark->second = k;
}

void SetList::flip(std::size_t index, SetFlag flag) {
    if (index >= m_sets.size()) return;
    NamedSet& s = m_sets[index];
    bool& f = flag == SetFlag::TakePart ? s.takePart : flag == SetFlag::Keep ? s.keep : s.tolerate;
    f = !f;
}

Result<std::vector<std::string>> SetList::intersect(std::optional<SetTolerance> tolerance) const {
    if (m_sets.empty()) return fail(std::string(set_messages::kNoSets));
    struct Member {
        std::array<bool, 1000> holds{};
        const NamedSet* set;
    };
    std::vector<Member> taking;
    for (const NamedSet& s : m_sets) {
        if (!s.takePart) continue;
        Member m{{}, &s};
        for (const std::string& n : s.numbers) {
            // Only the three-digit texts "000".."999" can equal a candidate.
            if (n.size() == 3 && std::all_of(n.begin(), n.end(), [](char c) { return c >= '0' && c <= '9'; }))
                m.holds[static_cast<std::size_t>((n[0] - '0') * 100 + (n[1] - '0') * 10 + (n[2] - '0'))] =
                    true;
        }
        taking.push_back(m);
    }
    if (taking.empty()) return fail(std::string(set_messages::kNoneTakingPart));
    std::vector<std::string> out;
    for (int v = 0; v < 1000; ++v) {
        int misses = 0;
        bool rejected = false;
        for (const Member& m : taking) {
            if (m.holds[static_cast<std::size_t>(v)] == m.set->keep) continue;
            if (m.set->tolerate && tolerance) {
                ++misses;
            } else {
                rejected = true;
                break;
            }
        }
        if (rejected) continue;
        if (!tolerance || (tolerance->lowest <= misses && misses <= tolerance->highest)) {
            out.push_back({static_cast<char>('0' + v / 100), static_cast<char>('0' + v / 10 % 10),
                           static_cast<char>('0' + v % 10)});
        }
    }
    return out;
}

Result<std::vector<std::string>> SetList::unite() const {
    if (m_sets.empty()) return fail(std::string(set_messages::kNoSets));
    std::vector<std::string> out;
    std::unordered_set<std::string> seen;
    for (const NamedSet& s : m_sets) {
        if (!s.takePart) continue;
        for (const std::string& n : s.numbers)
            if (seen.insert(n).second) out.push_back(n);
    }
    return out;
}

Result<std::vector<std::string>> SetList::find(std::string_view number) const {
    if (characterCount(number) != 3) return fail(std::string(set_messages::kFindBadNumber));
    if (m_sets.empty()) return fail(std::string(set_messages::kFindNoSets));
    std::vector<std::string> names;
    for (const NamedSet& s : m_sets)
        if (s.takePart && std::find(s.numbers.begin(), s.numbers.end(), number) != s.numbers.end())
            names.push_back(s.name);
    return names;
}

Result<std::string> SetList::findText(std::string_view number) const {
    auto names = find(number);
    if (!names) return std::unexpected(names.error());
    if (names->empty()) return fail("您要查找的号码 " + std::string(number) + " 在集合列表中没有找到!");
    std::string list;
    for (const std::string& n : *names)
        list += (list.empty() ? "[" : ", [") + n + "]";
    return "您要查找的号码：" + std::string(number) + "\n\n存在于下列集合中：\n\n" + list;
}

std::string SetList::toSgl() const {
    std::string out;
    for (const NamedSet& s : m_sets) {
        out += "{" + flagText(s.takePart) + "," + s.name + "," + flagText(s.keep) + "," +
               flagText(s.tolerate) + "}\r\n";
        const std::size_t full = s.numbers.size() / 10 * 10;
        for (std::size_t i = 0; i < s.numbers.size(); ++i) {
            out += s.numbers[i];
            if (i < full) {
                out += (i % 10 == 9) ? "\r\n" : " ";
            } else {
                out += ' '; // the last, shorter line keeps its trailing blank
                if (i + 1 == s.numbers.size()) out += "\r\n";
            }
        }
    }
    return out;
}

Result<SetList> SetList::fromSgl(std::string_view text) {
    SetList out;
    std::optional<NamedSet> current;
    auto close = [&] {
        if (current) out.add(std::move(*current));
        current.reset();
    };
    for (const std::string& raw : splitLines(text)) {
        const std::string line = trimRight(raw);
        if (!line.empty() && line.front() == '{') {
            close();
            // Without its closing brace the last flag would be read from whatever ends the line.
            if (line.size() < 2 || line.back() != '}') return fail("集合列表文件格式不正确: " + line);
            std::vector<std::string> parts;
            const std::string inner = line.substr(1, line.size() - 2);
            std::size_t b = 0;
            for (std::size_t e; (e = inner.find(',', b)) != std::string::npos; b = e + 1)
                parts.push_back(inner.substr(b, e - b));
            parts.push_back(inner.substr(b));
            if (parts.size() < 4) return fail("集合列表文件格式不正确: " + line);
            NamedSet set;
            set.takePart = parts.front() == "1";
            set.tolerate = parts.back() == "1";
            set.keep = parts[parts.size() - 2] == "1";
            // A name may hold commas: it is everything between the first flag and the last two.
            for (std::size_t i = 1; i + 2 < parts.size(); ++i)
                set.name += (i > 1 ? "," : "") + parts[i];
            current = std::move(set);
            continue;
        }
        if (!current) continue;
        for (std::string& piece : piecesOf(line)) {
            // Saved, such a piece may open a line and would be read back as a header: the list could
            // not be loaded again, or would come back with other sets.
            if (piece.front() == '{') return fail("集合列表文件格式不正确: " + line);
            current->numbers.push_back(std::move(piece));
        }
    }
    close();
    return out;
}

Result<std::filesystem::path> SetList::save(const std::filesystem::path& chosen) const {
    if (m_sets.empty()) return fail(std::string(set_messages::kNothingToSave));
    if (auto named = checkSaveName(chosen); !named) return std::unexpected(named.error());
    std::filesystem::path file = chosen;
    if (chosen.string().find('.') == std::string::npos) file = chosen.string() + ".SGL";
    if (auto ok = writeTextFileGbk(file, toSgl()); !ok) return std::unexpected(ok.error());
    return file;
}

Result<SetList> SetList::load(const std::filesystem::path& file) {
    auto bytes = readFileBounded(file);
    if (!bytes) return std::unexpected(bytes.error());
    const std::string text = decodeText(*bytes);
    if (text.find('\0') != std::string::npos) return fail("集合列表文件格式不正确: " + file.string());
    auto list = fromSgl(text);
    // Loading replaces every set of the tool; a file without one header would silently empty it.
    if (list && list->empty())
        return fail("集合列表文件中没有集合 (没有 {运算,名称,保留,容错} 行): " + file.string());
    return list;
}

Result<std::filesystem::path> saveSetResult(std::string_view memo, const std::filesystem::path& chosen) {
    if (auto named = checkSaveName(chosen); !named) return std::unexpected(named.error());
    std::string name = chosen.string();
    std::string tail = name.size() >= 4 ? name.substr(name.size() - 4) : std::string();
    std::transform(tail.begin(), tail.end(), tail.begin(), [](unsigned char c) { return std::tolower(c); });
    if (tail != ".txt") name += ".txt";
    std::string text(memo);
    if (!text.empty() && text.back() != '\n') text += '\n';
    std::string crlf;
    for (const std::string& line : splitLines(text))
        crlf += line + "\r\n";
    if (auto ok = writeTextFileGbk(name, crlf); !ok) return std::unexpected(ok.error());
    return std::filesystem::path(name);
}

} // namespace p3::core
