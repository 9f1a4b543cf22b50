#include "core/shrink/condition_file.h"

#include <algorithm>

#include "core/catalogue/condition_catalogue.h"
#include "core/io/bounded_read.h"
#include "core/io/text_codec.h"

namespace p3::core {
namespace {

constexpr std::string_view kBegin = "Begin_Tianjiao";
constexpr std::string_view kEnd = "End_Tianjiao";

bool hasLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

/// A header field is read back by splitting at "~" with blank pieces dropped, so it must hold no "~"
/// and must not be blank; a content piece must not be read as the end of the line's block.
bool fitsFileFormat(const ConditionLine& line) {
    if (line.opaque()) return true; // written back as the file had it
    for (const std::string* field : {&line.use, &line.keyword, &line.counts, &line.keep, &line.tolerant})
        if (hasLineBreak(*field) || field->find('~') != std::string::npos || splitPieces(*field, '~').empty())
            return false;
    if (hasLineBreak(line.content)) return false;
    return std::ranges::none_of(splitPieces(line.content, '&'),
                                [](const std::string& p) { return p == kEnd; });
}

bool isDecimal(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

} // namespace

std::string formatConditionFile(const ConditionList& lines) {
    std::vector<std::string> out;
    for (std::size_t r = 0; r < lines.size(); ++r) {
        const ConditionLine& line = lines[r];
        if (line.opaque()) {
            out.insert(out.end(), line.verbatim.begin(), line.verbatim.end());
            // A block that ran to the end of its file must not swallow the rows saved after it now.
            if (line.verbatim.front() == kBegin && line.verbatim.back() != kEnd && line.verbatim.size() > 1 &&
                r + 1 < lines.size())
                out.emplace_back(kEnd);
            continue;
        }
        out.emplace_back(kBegin);
        out.push_back(line.use + "~" + line.keyword + "~" + line.counts + "~" + line.keep + "~" +
                      line.tolerant);
        for (auto& piece : splitPieces(line.content, '&'))
            out.push_back(std::move(piece));
        out.emplace_back(kEnd);
    }
    return joinLines(out);
}

std::string ConditionFileIssue::message() const {
    return "条件文件第 " + std::to_string(fileLine) + " 行 (条件序号" + std::to_string(row) +
           ") 无法使用: " + reason + ": " + text;
}

std::string conditionLineProblem(const ConditionLine& line) {
    const ConditionKind kind = KindOfKeyword(line.keyword);
    if (kind == 0) return "条件名无法识别";
    if (isDrawnWindowKind(kind)) {
        // 已出号码~N^s~keep~tolerant, then "%s": a period count and a series that are no numbers would
        // quietly read as 0 and exclude nothing.
        const auto pieces = splitPieces(line.content, '&');
        if (pieces.empty()) return "条件内容是空的";
        const Tj_temp_Record record = parseRecord(pieces.front());
        const auto parts = splitKeepEmpty(record.value, '^');
        if (record.name != line.keyword || parts.size() != 2 || !isDecimal(parts[0]) || !isDecimal(parts[1]))
            return "已出号码的期数和星轨参数必须是数字";
        for (std::size_t i = 1; i < pieces.size(); ++i)
            if (!pieces[i].starts_with('%') || !isDecimal(std::string_view(pieces[i]).substr(1)))
                return "已出号码的星轨参数必须是数字";
        return {};
    }
    if (isSingleRecordKind(kind)) return {};
    for (const Tj_temp_Record& record : parseContent(kind, line.content).records)
        if (!findRecordSpec(kind, record.name)) return "条件内容无法识别 (" + record.name + ")";
    return {};
}

ConditionFileParse parseConditionFileChecked(std::string_view text) {
    ConditionFileParse out;
    const auto lines = splitLines(text);
    if (lines.size() < 3) return out;
    auto keep = [&](ConditionLine row, std::size_t first, std::size_t end, std::string reason,
                    std::string quoted) {
        if (!reason.empty()) {
            row.verbatim.assign(lines.begin() + static_cast<std::ptrdiff_t>(first),
                                lines.begin() + static_cast<std::ptrdiff_t>(end));
            out.issues.push_back({static_cast<int>(out.lines.size()) + 1, static_cast<int>(first) + 1,
                                  std::move(reason), std::move(quoted)});
        }
        out.lines.push_back(std::move(row));
    };
    std::size_t i = 0;
    while (i < lines.size()) {
        if (lines[i] != kBegin || i + 1 >= lines.size()) {
            // Text outside every block: kept as a row of its own so that it is neither run nor lost.
            if (lines[i].find_first_not_of(" \t") != std::string::npos) {
                ConditionLine stray{"0", lines[i], {}, {}, {}, {}, {}};
                keep(std::move(stray), i, i + 1, "不在 Begin_Tianjiao 与 End_Tianjiao 之间", lines[i]);
            }
            ++i;
            continue;
        }
        const std::size_t first = i;
        const std::string& header = lines[i + 1];
        auto fields = splitPieces(header, '~');
        const bool fiveFields = fields.size() == 5;
        fields.resize(std::max<std::size_t>(fields.size(), 5));
        ConditionLine row{fields[0], fields[1], fields[2], fields[3], fields[4], {}, {}};
        i += 2;
        bool firstPiece = true;
        while (i < lines.size() && lines[i] != kEnd) {
            if (!firstPiece) row.content += '&';
            row.content += lines[i];
            firstPiece = false;
            ++i;
        }
        const std::size_t end = std::min(i + 1, lines.size()); // past "End_Tianjiao" (or the end of the file)
        i = end;
        std::string reason =
            fiveFields ? conditionLineProblem(row) : "条件字段不是 使用~条件名~条件数~保留~容错";
        keep(std::move(row), first, end, std::move(reason), header);
    }
    return out;
}

ConditionList parseConditionFile(std::string_view text) {
    return parseConditionFileChecked(text).lines;
}

Status writeConditionFile(const std::filesystem::path& file, const ConditionList& lines) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!fitsFileFormat(lines[i]))
            return fail("条件序号" + std::to_string(i + 1) + " 含有不能保存的字符");
    }
    return writeTextFileGbk(file, formatConditionFile(lines));
}

Result<ConditionList> readConditionFile(const std::filesystem::path& file) {
    auto parsed = readConditionFileChecked(file);
    if (!parsed) return std::unexpected(parsed.error());
    return std::move(parsed->lines);
}

Result<ConditionFileParse> readConditionFileChecked(const std::filesystem::path& file) {
    auto text = readTextFileBounded(file);
    if (!text) return std::unexpected(text.error());
    return parseConditionFileChecked(*text);
}

std::string conditionIssuesText(const std::vector<ConditionFileIssue>& issues) {
    std::string text;
    for (const ConditionFileIssue& issue : issues)
        text += (text.empty() ? "" : "\n") + issue.message();
    return text;
}

Result<ConditionList> loadAutoConditionList(const std::filesystem::path& home) {
    auto parsed = loadAutoConditionFile(home);
    if (!parsed) return std::unexpected(parsed.error());
    return std::move(parsed->lines);
}

Result<ConditionFileParse> loadAutoConditionFile(const std::filesystem::path& home) {
    const auto file = home / std::string(kAutoConditionFile);
    std::error_code ec;
    if (!std::filesystem::exists(file, ec)) return ConditionFileParse{};
    return readConditionFileChecked(file);
}

Status saveAutoConditionList(const std::filesystem::path& home, const ConditionList& lines) {
    return writeConditionFile(home / std::string(kAutoConditionFile), lines);
}

std::filesystem::path conditionFileName(const std::filesystem::path& chosen) {
    if (chosen.filename().string().find('.') != std::string::npos) return chosen;
    auto out = chosen;
    out += ".ag";
    return out;
}

} // namespace p3::core
