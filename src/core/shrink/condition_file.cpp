#include "core/shrink/condition_file.h"

#include <algorithm>

#include "core/io/text_codec.h"
#include "core/shrink/list_file.h"

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
    for (const std::string* field : {&line.use, &line.keyword, &line.counts, &line.keep, &line.tolerant})
        if (hasLineBreak(*field) || field->find('~') != std::string::npos || splitPieces(*field, '~').empty())
            return false;
    if (hasLineBreak(line.content)) return false;
    return std::ranges::none_of(splitPieces(line.content, '&'),
                                [](const std::string& p) { return p == kEnd; });
}

} // namespace

std::string formatConditionFile(const ConditionList& lines) {
    std::vector<std::string> out;
    for (const auto& line : lines) {
        out.emplace_back(kBegin);
        out.push_back(line.use + "~" + line.keyword + "~" + line.counts + "~" + line.keep + "~" +
                      line.tolerant);
        for (auto& piece : splitPieces(line.content, '&'))
            out.push_back(std::move(piece));
        out.emplace_back(kEnd);
    }
    return joinLines(out);
}

ConditionList parseConditionFile(std::string_view text) {
    ConditionList list;
    const auto lines = splitLines(text);
    if (lines.size() < 3) return list;
    std::size_t i = 0;
    while (i < lines.size()) {
        if (lines[i] != kBegin || i + 1 >= lines.size()) {
            ++i;
            continue;
        }
        auto fields = splitPieces(lines[i + 1], '~');
        fields.resize(std::max<std::size_t>(fields.size(), 5));
        ConditionLine row{fields[0], fields[1], fields[2], fields[3], fields[4], {}};
        i += 2;
        bool first = true;
        while (i < lines.size() && lines[i] != kEnd) {
            if (!first) row.content += '&';
            row.content += lines[i];
            first = false;
            ++i;
        }
        ++i; // past "End_Tianjiao" (or the end of the file)
        list.push_back(std::move(row));
    }
    return list;
}

Status writeConditionFile(const std::filesystem::path& file, const ConditionList& lines) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!fitsFileFormat(lines[i]))
            return fail("条件序号" + std::to_string(i + 1) + " 含有不能保存的字符");
    }
    return writeTextFileGbk(file, formatConditionFile(lines));
}

Result<ConditionList> readConditionFile(const std::filesystem::path& file) {
    auto text = readListTextFile(file);
    if (!text) return std::unexpected(text.error());
    return parseConditionFile(*text);
}

Result<ConditionList> loadAutoConditionList(const std::filesystem::path& home) {
    const auto file = home / std::string(kAutoConditionFile);
    std::error_code ec;
    if (!std::filesystem::exists(file, ec)) return ConditionList{};
    return readConditionFile(file);
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
