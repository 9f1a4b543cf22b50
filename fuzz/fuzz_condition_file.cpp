// The condition file `.ag`: any bytes, decoded as the program decodes files, must load. Properties:
// the decoded text is UTF-8 that survives the GBK round trip the writer takes; a list the writer
// accepts saves and loads back to the same rows, and saving it again gives the same bytes.
#include <cstdint>
#include <string>
#include <string_view>

#include "core/io/text_codec.h"
#include "core/shrink/condition_file.h"
#include "fuzz_check.h"

namespace {

using namespace p3::core;

/// What the writer accepts: every header field present and free of "~" (the fields are read back by
/// splitting at "~", blank pieces dropped), and no content piece that would end the row's block.
bool writable(const ConditionLine& line) {
    for (const std::string* field : {&line.use, &line.keyword, &line.counts, &line.keep, &line.tolerant})
        if (field->find('~') != std::string::npos || splitPieces(*field, '~').empty()) return false;
    for (const std::string& piece : splitPieces(line.content, '&'))
        if (piece == "End_Tianjiao") return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text = decodeText(std::string_view(reinterpret_cast<const char*>(data), size));
    P3_FUZZ_CHECK(isValidUtf8(text));
    const auto gbk = utf8ToGbk(text);
    P3_FUZZ_CHECK(gbk.has_value());
    const auto back = gbkToUtf8(*gbk);
    P3_FUZZ_CHECK(back.has_value() && *back == text);

    const ConditionList list = parseConditionFile(text);
    for (const ConditionLine& line : list)
        if (!writable(line)) return 0;

    const std::string saved = formatConditionFile(list);
    const ConditionList again = parseConditionFile(saved);
    P3_FUZZ_CHECK(again.size() == list.size());
    for (std::size_t i = 0; i < list.size(); ++i) {
        const ConditionLine& a = list[i];
        const ConditionLine& b = again[i];
        P3_FUZZ_CHECK(b.use == a.use && b.keyword == a.keyword && b.counts == a.counts && b.keep == a.keep &&
                      b.tolerant == a.tolerant);
        // A content is kept as its non-blank "&" pieces, one file line each.
        P3_FUZZ_CHECK(splitPieces(b.content, '&') == splitPieces(a.content, '&'));
        P3_FUZZ_CHECK(b.levelTolerance() == a.levelTolerance());
    }
    P3_FUZZ_CHECK(formatConditionFile(again) == saved);
    return 0;
}
