// The condition file reader: any bytes (decoded as the program decodes files) must load, and a loaded
// list must save and load again to the same rows.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/io/text_codec.h"
#include "core/shrink/condition_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace p3::core;
    const auto list =
        parseConditionFile(decodeText(std::string_view(reinterpret_cast<const char*>(data), size)));
    // Only lines the writer accepts round-trip; the reader is lenient, the writer strict.
    for (const auto& line : list)
        for (const auto* field : {&line.use, &line.keyword, &line.counts, &line.keep, &line.tolerant})
            if (field->empty() || field->find('~') != std::string::npos) return 0;
    const auto again = parseConditionFile(formatConditionFile(list));
    if (again.size() != list.size()) std::abort();
    for (std::size_t i = 0; i < list.size(); ++i)
        if (again[i].keyword != list[i].keyword || again[i].counts != list[i].counts ||
            again[i].use != list[i].use)
            std::abort();
    return 0;
}
