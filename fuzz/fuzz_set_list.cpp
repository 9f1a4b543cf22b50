// The set-list file `.SGL`: any bytes, decoded as the program decodes files, load or are refused.
// Properties: every loaded set has a name no other set has; a loaded list saved and loaded again
// gives the same sets with the same flags, and saving that again gives the same bytes.
#include <cstdint>
#include <set>
#include <string>
#include <string_view>

#include "core/io/text_codec.h"
#include "core/tools/set_tool.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace p3::core;
    const std::string text = decodeText(std::string_view(reinterpret_cast<const char*>(data), size));
    const auto list = SetList::fromSgl(text);
    if (!list) return 0;

    std::set<std::string> names;
    for (const NamedSet& s : list->sets())
        P3_FUZZ_CHECK(names.insert(s.name).second);

    const std::string saved = list->toSgl();
    const auto again = SetList::fromSgl(saved);
    P3_FUZZ_CHECK(again.has_value());
    P3_FUZZ_CHECK(again->sets() == list->sets());
    P3_FUZZ_CHECK(again->toSgl() == saved);

    // The operations of the tool must take whatever a file gave.
    (void)list->intersect(SetTolerance{0, 1});
    (void)list->unite();
    if (!list->empty())
        (void)list->findText(list->sets().front().numbers.empty() ? "123"
                                                                  : list->sets().front().numbers.front());
    return 0;
}
