#include "core/catalogue/condition_line.h"

#include <charconv>

namespace p3::core {
namespace {

bool isBlank(std::string_view text) noexcept {
    for (char c : text)
        if (static_cast<unsigned char>(c) > ' ') return false;
    return true;
}

std::string rightTrimmed(std::string_view text) {
    std::size_t end = text.size();
    while (end > 0 && text[end - 1] == ' ')
        --end;
    return std::string(text.substr(0, end));
}

constexpr std::string_view kSeriesZeroText = "开奖号码";
constexpr std::string_view kSeriesPrefix = "星轨";

} // namespace

std::string Tj_temp_Record::text() const {
    return name + "~" + rightTrimmed(value) + "~" + keep + "~" + tolerant;
}

std::string ConditionLine::levelTolerance() const {
    const auto parts = splitKeepEmpty(counts, '|');
    return parts.size() >= 3 ? parts[2] : std::string(kNoTolerance);
}

std::vector<std::string> splitPieces(std::string_view text, char separator) {
    std::vector<std::string> pieces;
    for (;;) {
        const std::size_t pos = text.find(separator);
        const std::string_view piece = text.substr(0, pos);
        if (!isBlank(piece)) pieces.emplace_back(piece);
        if (pos == std::string_view::npos) break;
        text.remove_prefix(pos + 1);
    }
    return pieces;
}

std::vector<std::string> splitKeepEmpty(std::string_view text, char separator) {
    std::vector<std::string> pieces;
    for (;;) {
        const std::size_t pos = text.find(separator);
        pieces.emplace_back(text.substr(0, pos));
        if (pos == std::string_view::npos) break;
        text.remove_prefix(pos + 1);
    }
    return pieces;
}

Tj_temp_Record parseRecord(std::string_view element) {
    auto fields = splitPieces(element, '~');
    fields.resize(std::max<std::size_t>(fields.size(), 4));
    return {std::move(fields[0]), std::move(fields[1]), std::move(fields[2]), std::move(fields[3])};
}

std::string ReferenceElement::text() const {
    std::string out = set1 + "^" + set2 + "^" + set3;
    if (series) out += "%" + std::to_string(*series);
    return out;
}

ReferenceElement parseReferenceElement(std::string_view element) {
    ReferenceElement ref;
    // The series suffix ends the element; cutting it first keeps a short element from carrying "%k"
    // inside one of its sets.
    const std::size_t percent = element.find('%');
    if (percent != std::string_view::npos) {
        ref.series = leadingInteger(element.substr(percent + 1));
        element = element.substr(0, percent);
    }
    auto sets = splitKeepEmpty(element, '^');
    sets.resize(std::max<std::size_t>(sets.size(), 3));
    ref.set1 = std::move(sets[0]);
    ref.set2 = std::move(sets[1]);
    ref.set3 = std::move(sets[2]);
    return ref;
}

ParsedContent parseContent(ConditionKind kind, std::string_view content) {
    ParsedContent parsed;
    auto pieces = splitPieces(content, '&');
    if (hasReferenceElement(kind) && !pieces.empty()) {
        parsed.reference = parseReferenceElement(pieces.back());
        pieces.pop_back();
    }
    parsed.records.reserve(pieces.size());
    for (const auto& piece : pieces)
        parsed.records.push_back(parseRecord(piece));
    return parsed;
}

std::string buildContent(std::span<const Tj_temp_Record> records,
                         const std::optional<ReferenceElement>& reference) {
    std::string out;
    for (const auto& r : records)
        out += r.text() + "&";
    if (reference) out += reference->text();
    return out;
}

int leadingInteger(std::string_view text) noexcept {
    std::size_t i = 0;
    if (i < text.size() && text[i] == '-') ++i;
    std::size_t end = i;
    while (end < text.size() && text[end] >= '0' && text[end] <= '9')
        ++end;
    if (end == i) return 0;
    long long value = 0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + end, value);
    if (ec != std::errc{} || ptr != text.data() + end) return text[0] == '-' ? -1000000000 : 1000000000;
    if (value > 1000000000) return 1000000000;
    if (value < -1000000000) return -1000000000;
    return static_cast<int>(value);
}

bool InLevelRange(int failedCount, std::string_view levelTolerance) noexcept {
    if (levelTolerance == kNoTolerance) return failedCount == 0;
    const std::size_t dash = levelTolerance.find('-');
    // Writers always put a "-" in a range; a text without one has no upper bound to allow anything.
    if (dash == std::string_view::npos) return failedCount == 0;
    const int begin = leadingInteger(levelTolerance.substr(0, dash));
    const int end = leadingInteger(levelTolerance.substr(dash + 1));
    return begin <= failedCount && failedCount <= end;
}

ListSeries FindListSeries(std::span<const ConditionLine> lines, int skipRow) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (static_cast<int>(i) == skipRow) continue;
        const ConditionKind kind = KindOfKeyword(lines[i].keyword);
        if (!isDrawnWindowKind(kind) && !hasReferenceElement(kind)) continue;
        const std::size_t percent = lines[i].content.find('%');
        if (percent == std::string::npos) continue;
        return {leadingInteger(std::string_view(lines[i].content).substr(percent + 1)),
                static_cast<int>(i) + 1};
    }
    return {};
}

std::optional<Refusal> checkListSeries(std::span<const ConditionLine> lines, int skipRow,
                                       SeriesIndex series) {
    const ListSeries found = FindListSeries(lines, skipRow);
    if (found.series == -1 || found.series == series) return std::nullopt;
    Refusal refusal{"条件区不允许有不同的星轨参数", {}};
    if (found.series == 0)
        refusal.text =
            "您的过滤条件区已经存在其它星轨参数  条件序号" + std::to_string(found.row) + " 为正常号码";
    else
        refusal.text = "您的过滤条件区已经存在其它星轨参数 条件序号" + std::to_string(found.row) + " 为星轨" +
                       std::to_string(found.series);
    return refusal;
}

std::string toggleFlag(std::string_view flag) {
    return flag == "0" ? "1" : "0";
}

namespace {
std::string& flagField(ConditionLine& line, FlagColumn column) {
    switch (column) {
    case FlagColumn::Use:
        return line.use;
    case FlagColumn::Keep:
        return line.keep;
    case FlagColumn::Tolerant:
        break;
    }
    return line.tolerant;
}
} // namespace

void setAllFlags(std::span<ConditionLine> lines, FlagColumn column, std::string_view value) {
    // A row kept verbatim is written back as it was; a changed flag there would be a lie.
    for (auto& line : lines)
        if (!line.opaque()) flagField(line, column) = std::string(value);
}

void toggleFlag(ConditionLine& line, FlagColumn column) {
    if (line.opaque()) return;
    std::string& field = flagField(line, column);
    field = toggleFlag(field);
}

std::string seriesText(SeriesIndex series) {
    return series <= 0 ? std::string(kSeriesZeroText) : std::string(kSeriesPrefix) + std::to_string(series);
}

SeriesIndex seriesOfText(std::string_view text) {
    if (text == kSeriesZeroText) return 0;
    if (!text.starts_with(kSeriesPrefix)) return -1;
    const std::string_view rest = text.substr(kSeriesPrefix.size());
    if (rest.empty() || rest.size() > 3) return -1;
    for (char c : rest)
        if (c < '0' || c > '9') return -1;
    const int k = leadingInteger(rest);
    return k >= 1 ? k : -1;
}

} // namespace p3::core
