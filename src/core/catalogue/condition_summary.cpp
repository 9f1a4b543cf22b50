#include "core/catalogue/condition_summary.h"

#include "core/catalogue/condition_catalogue.h"

namespace p3::core {
namespace {

/// The digits of a counts text ("23", "1 2") joined as "2、3".
std::string countWords(std::string_view counts) {
    std::string out;
    for (char c : counts) {
        if (c < '0' || c > '9') continue;
        if (!out.empty()) out += "、";
        out += c;
    }
    return out.empty() ? "无" : out;
}

std::string onceWords(std::string_view flag) {
    return flag == "1" ? "重复数字算1个" : "重复数字算多个";
}

std::string part(const std::vector<std::string>& parts, std::size_t i) {
    return i < parts.size() ? parts[i] : std::string();
}

/// The value of a record in words, by the input its record has in the catalogue.
std::string valueWords(ConditionKind kind, const Tj_temp_Record& record) {
    const RecordSpec* spec = findRecordSpec(kind, record.name);
    const RecordInput input = spec ? spec->input : RecordInput::Options;
    const auto parts = splitKeepEmpty(record.value, '^');
    switch (input) {
    case RecordInput::CountList:
        return part(parts, 0) + "，出现个数 " + countWords(part(parts, 1)) + "，" + onceWords(part(parts, 2));
    case RecordInput::PositionRows: {
        const auto sets = splitKeepEmpty(part(parts, 1), '/');
        std::string out = part(parts, 0) == "0" ? "（此行不用）" : "";
        out += "百位 " + part(sets, 0) + " 十位 " + part(sets, 1) + " 个位 " + part(sets, 2);
        return out + "，中出位置数 " + countWords(part(parts, 2));
    }
    case RecordInput::GroupRows: {
        std::string out = part(parts, 0) == "0" ? "（此行不用）" : "";
        out += part(parts, 1) + "，中出个数 " + countWords(part(parts, 2)) + "，" + onceWords(part(parts, 3));
        return out;
    }
    case RecordInput::PeriodSeries: {
        const std::string periods = part(parts, 0);
        const int series = leadingInteger(part(parts, 1));
        return "近" + periods + "期 " + seriesText(series) + " 的号码";
    }
    default:
        return record.value;
    }
}

std::string flagWords(std::string_view keep, std::string_view tolerant) {
    std::string out = keep == "1" ? "保留" : "排除";
    if (tolerant == "1") out += "，容错";
    return out;
}

} // namespace

std::string describeConditionLine(const ConditionLine& line) {
    const ConditionKind kind = KindOfKeyword(line.keyword);
    const auto counts = splitKeepEmpty(line.counts, '|');
    std::string out =
        line.keyword + "（" + (line.used() ? "使用" : "不使用") + "，" + flagWords(line.keep, line.tolerant);
    if (!part(counts, 0).empty()) out += "，条件数 " + part(counts, 0);
    if (!part(counts, 1).empty()) out += "，容错数 " + part(counts, 1);
    out += "，本级容错 " + line.levelTolerance() + "）";

    const ParsedContent parsed = parseContent(kind, line.content);
    for (const auto& record : parsed.records) {
        // 已出号码 writes its series once more after the record, as "%" and the series.
        if (record.name.starts_with("%")) continue;
        out += "\n" + record.name + "：" + valueWords(kind, record) + "（" +
               flagWords(record.keep, record.tolerant) + "）";
    }
    if (parsed.reference) {
        const KindSpec* spec = kindSpec(kind);
        const auto& words = spec ? spec->classWords : std::vector<std::string>{};
        const ReferenceElement& ref = *parsed.reference;
        out += "\n参照：";
        const std::string sets[3] = {ref.set1, ref.set2, ref.set3};
        for (std::size_t i = 0; i < 3; ++i) {
            out += (i ? " " : "") + (i < words.size() ? words[i] + "码 " : std::string()) +
                   (sets[i].empty() ? std::string("无") : sets[i]);
        }
        if (ref.series) out += "（" + seriesText(*ref.series) + "）";
    }
    return out;
}

} // namespace p3::core
