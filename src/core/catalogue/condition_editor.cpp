#include "core/catalogue/condition_editor.h"

#include <algorithm>

#include "core/attributes/get_fun_class.h"

namespace p3::core {
namespace {

bool isBlank(std::string_view text) {
    return std::ranges::all_of(text, [](char c) { return static_cast<unsigned char>(c) <= ' '; });
}

std::string rightTrimmed(std::string text) {
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

/// The name a record is written under: the catalogue's, or for row lists the kind's one record name.
const std::string& recordName(const KindSpec& spec, std::size_t index) {
    return isRowListKind(spec.kind) ? spec.records.front().name : spec.records[index].name;
}

bool rowInUse(const RecordState& row) {
    return splitKeepEmpty(row.value, '^').front() == "1";
}

bool isWholeNumber(std::string_view text) {
    return !text.empty() && text.size() <= 6 &&
           std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; });
}

/// Whether the kind's content carries the series: always for 已出号码 and the reference kinds that
/// always have one, for 任意位合 when one of its 复隔中 records is ticked.
bool carriesSeries(const PanelState& panel, const KindSpec& spec) {
    if (spec.drawnWindow || spec.reference == ReferenceUse::Always) return true;
    if (spec.reference != ReferenceUse::WhenReferenceRecords) return false;
    for (std::size_t i = 0; i < panel.records.size() && i < spec.records.size(); ++i)
        if (panel.records[i].ticked && spec.records[i].test.readsReference()) return true;
    return false;
}

} // namespace

PanelState defaultPanelState(ConditionKind kind) {
    PanelState panel;
    panel.kind = kind;
    const KindSpec* spec = kindSpec(kind);
    if (!spec || isRowListKind(kind)) return panel;
    for (const auto& r : spec->records)
        panel.records.push_back({false, {}, !r.excludeByDefault, false});
    if (spec->fixedRecord) panel.records.front().ticked = true;
    return panel;
}

ConditionCount UpdateConditionCount(const PanelState& panel) {
    const KindSpec* spec = kindSpec(panel.kind);
    ConditionCount count;
    if (!spec) return count;
    for (const auto& r : panel.records) {
        const bool counted = isRowListKind(panel.kind) ? rowInUse(r) : r.ticked;
        if (!counted) continue;
        ++count.conditions;
        if (r.tolerant && spec->levelTolerance) ++count.tolerant;
    }
    return count;
}

Result<ConditionLine> BuildConditionLine(const PanelState& panel, std::span<const ConditionLine> list,
                                         int modifyRow) {
    const KindSpec* spec = kindSpec(panel.kind);
    if (!spec) return fail("请选择条件");
    const ConditionCount count = UpdateConditionCount(panel);
    if (count.conditions == 0) return fail("请选择条件");
    const bool levelOn = spec->levelTolerance && panel.levelTolerance;
    if (levelOn && count.tolerant < panel.levelEnd)
        return fail("请检查您设置的本级容错,容错最大值为: " + std::to_string(panel.levelEnd) +
                    "个  允许容错的条件为：" + std::to_string(count.tolerant) + " 个");
    const bool withSeries = carriesSeries(panel, *spec);
    if (withSeries) {
        if (auto refusal = checkListSeries(list, modifyRow, panel.series)) return fail(refusal->text);
        if (panel.series < 0 || panel.series > kMaxUsableSeries)
            return fail(std::string(kUnsupportedSeriesMessage));
    }
    std::vector<Tj_temp_Record> records;
    for (std::size_t i = 0; i < panel.records.size(); ++i) {
        const RecordState& r = panel.records[i];
        if (!isRowListKind(panel.kind) && !r.ticked) continue;
        const std::string& name = recordName(*spec, i);
        std::string value = r.value;
        if (!isRowListKind(panel.kind) && spec->records[i].input == RecordInput::CountList) {
            const auto parts = splitKeepEmpty(value, '^');
            if (parts.size() < 2 || isBlank(parts[0]) || isBlank(parts[1]))
                return fail("条件 " + name + " 限定不合法");
        }
        if (spec->drawnWindow) {
            if (isBlank(value)) return fail("请限定 " + name + " 条件值");
            if (!isWholeNumber(value)) return fail("请输入正确的期数");
            value += "^" + std::to_string(panel.series);
        }
        if (isBlank(value)) return fail("请限定 " + name + " 条件值");
        records.push_back({name, rightTrimmed(value), r.keep ? "1" : "0", r.tolerant ? "1" : "0"});
    }
    ConditionLine line;
    line.use = "1";
    line.keyword = spec->keyword;
    line.counts = std::to_string(count.conditions) + "|" + std::to_string(count.tolerant) + "|" +
                  (levelOn ? std::to_string(panel.levelBegin) + "-" + std::to_string(panel.levelEnd)
                           : std::string(kNoTolerance));
    line.keep = "1";
    // Kinds without level tolerance put the record's 容错 box into the line's column.
    line.tolerant = !spec->levelTolerance && panel.records.front().tolerant ? "1" : "0";
    std::optional<ReferenceElement> reference;
    if (spec->reference != ReferenceUse::None) {
        reference = panel.sets;
        reference->series = withSeries ? std::optional<SeriesIndex>(panel.series) : std::nullopt;
    }
    line.content = buildContent(records, reference);
    if (spec->drawnWindow) line.content += "%" + std::to_string(panel.series);
    return line;
}

PanelState LoadPanelState(const ConditionLine& line) {
    const ConditionKind kind = KindOfKeyword(line.keyword);
    PanelState panel = defaultPanelState(kind);
    const KindSpec* spec = kindSpec(kind);
    if (!spec) return panel;
    if (spec->fixedRecord) panel.records.front().ticked = true;
    auto pieces = splitPieces(line.content, '&');
    const bool hasSeriesPiece = !pieces.empty() && pieces.back().find('%') != std::string::npos;
    if (spec->reference != ReferenceUse::None && !pieces.empty()) {
        panel.sets = parseReferenceElement(pieces.back());
        panel.series = panel.sets.series.value_or(0);
        panel.sets.series.reset();
        pieces.pop_back();
    } else if (spec->drawnWindow && hasSeriesPiece) {
        panel.series = leadingInteger(std::string_view(pieces.back()).substr(pieces.back().find('%') + 1));
    }
    for (const auto& piece : pieces) {
        const Tj_temp_Record r = parseRecord(piece);
        RecordState state{true, r.value, r.keep == "1", r.tolerant == "1"};
        if (isRowListKind(kind)) {
            if (r.name == spec->records.front().name) panel.records.push_back(std::move(state));
            continue;
        }
        for (std::size_t i = 0; i < spec->records.size(); ++i) {
            if (spec->records[i].name != r.name) continue;
            if (spec->drawnWindow) {
                const auto parts = splitKeepEmpty(r.value, '^');
                state.value = parts[0];
                if (parts.size() > 1) panel.series = leadingInteger(parts[1]);
            }
            if (spec->fixedRecord) state.tolerant = line.tolerant == "1";
            panel.records[i] = std::move(state);
            break;
        }
    }
    if (spec->levelTolerance) {
        const std::string tolerance = line.levelTolerance();
        panel.levelTolerance = tolerance != kNoTolerance;
        if (panel.levelTolerance) {
            const std::size_t dash = tolerance.find('-');
            panel.levelBegin = leadingInteger(tolerance.substr(0, dash));
            panel.levelEnd = dash == std::string::npos ? 0 : leadingInteger(tolerance.substr(dash + 1));
        }
    }
    return panel;
}

std::string CollectOptions(const RecordSpec& record, const std::vector<bool>& ticked) {
    std::string out;
    for (std::size_t i = 0; i < record.options.size() && i < ticked.size(); ++i)
        if (ticked[i]) out += OptionToken(record.options[i]) + " ";
    return out;
}

std::vector<bool> MarkOptions(const RecordSpec& record, std::string_view value) {
    std::vector<bool> ticked;
    for (const auto& caption : record.options)
        ticked.push_back(value.find(OptionToken(caption)) != std::string_view::npos);
    return ticked;
}

std::string groupTypeValue(bool triple, bool pair, bool pairConnected, bool pairUnconnected, bool six,
                           bool straight, bool halfStraight, bool mixed) {
    std::string out;
    if (triple) out += "豹子号 ";
    if (pair && pairConnected) out += "组三_连 ";
    if (pair && pairUnconnected) out += "组三_不连 ";
    if (six && straight) out += "顺子 ";
    if (six && halfStraight) out += "半顺 ";
    if (six && mixed) out += "杂六 ";
    return out;
}

std::vector<int> sumPresetValues(std::string_view preset) {
    std::vector<int> sums;
    for (int v = 0; v <= 27; ++v) {
        const bool chosen = preset == "奇数"   ? v % 2 == 1
                            : preset == "偶数" ? v % 2 == 0
                            : preset == "0路"  ? v % 3 == 0
                            : preset == "1路"  ? v % 3 == 1
                            : preset == "2路"  ? v % 3 == 2
                                               : false;
        if (chosen) sums.push_back(v);
    }
    return sums;
}

namespace {
/// The digit characters of a text, ascending and distinct, as a grid collects them.
std::string gridDigits(std::string_view text) {
    std::string out;
    for (char c = '0'; c <= '9'; ++c)
        if (text.find(c) != std::string_view::npos) out += c;
    return out;
}
} // namespace

Result<std::string> positionRowValue(bool use, const std::array<std::string, 3>& positions,
                                     std::string_view counts) {
    std::string sets;
    for (std::size_t i = 0; i < positions.size(); ++i) {
        const std::string digits = gridDigits(positions[i]);
        if (digits.empty()) return fail("复式输入格式不正确!");
        sets += (i ? "/" : "") + digits;
    }
    std::string hits;
    for (char c = '0'; c <= '3'; ++c)
        if (counts.find(c) != std::string_view::npos) hits += c;
    if (hits.empty()) return fail("请设置中出位置!");
    return std::string(use ? "1" : "0") + "^" + sets + "^" + hits;
}

Result<std::string> groupRowValue(bool use, std::string_view group, std::string_view counts, bool once) {
    const std::string digits = gridDigits(group);
    std::string hits;
    for (char c = '0'; c <= '3'; ++c)
        if (counts.find(c) != std::string_view::npos) hits += c;
    if (digits.empty() || hits.empty()) return fail("号码组输入格式不正确!");
    return std::string(use ? "1" : "0") + "^" + digits + "^" + hits + "^" + (once ? "1" : "0");
}

std::vector<PickerChoice> SetupChoices(const PickerChoices& choices, std::string_view currentText) {
    std::vector<PickerChoice> out;
    const auto add = [&](std::string text) {
        const bool ticked = Get_Fun_Class::ContainsWord(text, currentText);
        out.push_back({std::move(text), ticked});
    };
    if (!choices.words.empty()) {
        for (auto& word : splitPieces(choices.words, ' '))
            add(std::move(word));
        return out;
    }
    for (int v = choices.low; v <= choices.high; ++v)
        add(choices.twoDigit && v >= 0 && v < 10 ? "0" + std::to_string(v) : std::to_string(v));
    return out;
}

} // namespace p3::core
