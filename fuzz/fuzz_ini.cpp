// The INI reader of Sys_Set.ini and the other settings files: any bytes, decoded as the program
// decodes files, load. Properties: the INI written back reads back to the same sections, keys and
// values, and writing that again gives the same text; a value set (the print title a user types)
// and written reads back as set; the typed settings take whatever the file holds.
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/io/ini_file.h"
#include "core/io/settings.h"
#include "core/io/text_codec.h"
#include "fuzz_check.h"

namespace {

using namespace p3::core;

struct Entry {
    std::string section;
    std::string key;
    std::string value;
    bool operator==(const Entry&) const = default;
};

std::string trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return std::string(text);
}

bool sameName(std::string_view a, std::string_view b) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return std::ranges::equal(a, b, [&](char x, char y) { return lower(x) == lower(y); });
}

std::vector<Entry> entriesOf(const IniFile& ini) {
    std::vector<Entry> out;
    for (const std::string& section : ini.sections())
        for (const std::string& key : ini.keys(section))
            out.push_back({section, key, ini.getString(section, key)});
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    namespace keys = settings_keys;
    // The first byte splits the input: before the cut the file, after it a value to store.
    std::string_view input(reinterpret_cast<const char*>(data), size);
    std::string_view value;
    if (!input.empty()) {
        const std::size_t cut = static_cast<unsigned char>(input.front()) % 32;
        input.remove_prefix(1);
        if (cut < input.size()) {
            value = input.substr(input.size() - cut);
            input.remove_suffix(cut);
        }
    }

    IniFile ini = IniFile::fromText(input);
    const std::vector<Entry> entries = entriesOf(ini);
    for (const Entry& e : entries)
        P3_FUZZ_CHECK(ini.hasKey(e.section, e.key));
    (void)ini.getInt(keys::kPrintSection, keys::kPrintCount.key);

    const std::string text = ini.toText();
    IniFile reread = IniFile::fromText(text);
    P3_FUZZ_CHECK(entriesOf(reread) == entries);
    P3_FUZZ_CHECK(reread.toText() == text);

    // A stored value comes back as stored, as one line (line breaks turn into blanks) without the
    // blanks around it, which an INI line cannot hold. What a user types is text: bytes that are not
    // UTF-8 are stored as the files decode them.
    const std::string typed = isValidUtf8(value) ? std::string(value) : decodeText(value);
    std::string stored = typed;
    for (char& c : stored)
        if (c == '\r' || c == '\n' || c == '\0') c = ' ';
    stored = trimmed(stored);
    reread.setString(keys::kPrintSection, keys::kPrintTitle.key, typed);
    reread.setInt(keys::kPrintSection, keys::kPrintCount.key, static_cast<long>(size) - 16);
    const IniFile saved = IniFile::fromText(reread.toText());
    P3_FUZZ_CHECK(saved.getString(keys::kPrintSection, keys::kPrintTitle.key) == stored);
    P3_FUZZ_CHECK(saved.getInt(keys::kPrintSection, keys::kPrintCount.key) == static_cast<long>(size) - 16);
    for (const Entry& e : entries) {
        // Names are compared without regard to ASCII case, as the INI reader does.
        if (sameName(e.section, keys::kPrintSection) &&
            (sameName(e.key, keys::kPrintTitle.key) || sameName(e.key, keys::kPrintCount.key)))
            continue;
        P3_FUZZ_CHECK(saved.getString(e.section, e.key) == e.value);
    }

    const Settings settings(std::move(reread));
    (void)settings.currentLottery();
    (void)settings.address(keys::kUpdateUrl);
    (void)settings.address(keys::kDataUrl);
    (void)settings.printParams();
    (void)settings.text(keys::kSoftwareNumber);
    return 0;
}
