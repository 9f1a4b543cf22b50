#include "core/shrink/condition_file.h"

#include "core/io/text_codec.h"

namespace p3::core {
namespace {

constexpr std::string_view kBegin = "Begin_Tianjiao";
constexpr std::string_view kEnd = "End_Tianjiao";

bool fitsFileFormat(std::string_view field, bool isHeaderField) {
    for (char c : field)
        if (c == '\n' || c == '\r' || (isHeaderField && c == '~')) return false;
    return true;
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
        const auto& l = lines[i];
        const bool ok = fitsFileFormat(l.use, true) && fitsFileFormat(l.keyword, true) &&
                        fitsFileFormat(l.counts, true) && fitsFileFormat(l.keep, true) &&
                        fitsFileFormat(l.tolerant, true) && fitsFileFormat(l.content, false);
        if (!ok) return fail("条件序号" + std::to_string(i + 1) + " 含有不能保存的字符");
    }
    return writeTextFileGbk(file, formatConditionFile(lines));
}

Result<ConditionList> readConditionFile(const std::filesystem::path& file) {
    auto text = readTextFile(file);
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
