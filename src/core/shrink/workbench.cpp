#include "core/shrink/workbench.h"

#include <algorithm>
#include <set>

#include "core/shrink/number_list.h"

namespace p3::core {
namespace {

std::vector<std::string> sortedNumbers(std::vector<int> indexes) {
    std::ranges::sort(indexes);
    std::vector<std::string> out;
    out.reserve(indexes.size());
    for (int i : indexes)
        out.push_back(numberTextOf(i));
    return out;
}

} // namespace

Result<std::string> seriesKey(const TrackTable& table, SeriesIndex series) {
    if (series == 0) return std::string("000");
    if (series < 0 || series > kMaxUsableSeries) return fail(std::string(kUnsupportedSeriesMessage));
    const std::string key = table.prediction(series);
    if (key.size() < 3) return fail("星轨" + std::to_string(series) + " 没有基数");
    return key.substr(0, 3);
}

std::string addDigitwise(std::string_view number, std::string_view key) {
    if (numberIndex(number) < 0 || numberIndex(key.substr(0, 3)) < 0) return std::string(number);
    std::string out(number);
    for (std::size_t i = 0; i < 3; ++i)
        out[i] = static_cast<char>('0' + (number[i] - '0' + key[i] - '0') % 10);
    return out;
}

Result<std::vector<std::string>> Intersect(const std::vector<IntersectionEntry>& entries,
                                           const TotalTolerance& tolerance, const TrackTable& table) {
    struct Used {
        NumberSet members;
        bool keep;
        bool tolerant;
    };
    std::vector<Used> used;
    for (const auto& entry : entries) {
        if (entry.use != "1") continue;
        auto key = seriesKey(table, entry.series);
        if (!key) return std::unexpected(key.error());
        Used u{{}, entry.keep == "1", entry.tolerant == "1"};
        // Tokens that are not numbers can never equal one of 000..999, so they drop out here.
        for (const auto& n : entry.numbers) {
            const int index = numberIndex(addDigitwise(n, *key));
            if (index >= 0) u.members.set(static_cast<std::size_t>(index));
        }
        used.push_back(std::move(u));
    }
    if (used.empty()) return fail("请选择要交集的组合");
    std::vector<std::string> result;
    for (int v = 0; v < kNumberCount; ++v) {
        int mismatches = 0;
        bool accepted = true;
        for (const auto& u : used) {
            if (u.members[static_cast<std::size_t>(v)] == u.keep) continue;
            if (u.tolerant && tolerance.enabled) {
                ++mismatches;
            } else {
                accepted = false;
                break;
            }
        }
        if (accepted && tolerance.enabled)
            accepted = tolerance.begin <= mismatches && mismatches <= tolerance.end;
        if (accepted) result.push_back(numberTextOf(v));
    }
    return result;
}

std::string intersectionCaption(std::size_t count) {
    return "交集结果为开奖号码 (共:" + std::to_string(count) + "注)";
}

std::string drawNumbersCaption(std::size_t count) {
    return "开奖号码 (共:" + std::to_string(count) + "注)";
}

const std::vector<std::string>& intersectionNameChoices() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> out;
        for (int k = 0; k <= kMaxSelectableSeries; ++k)
            out.push_back("D" + std::to_string(k));
        for (const char* n : {"春雨注表", "夏蝉注表", "秋实注表", "冬雪注表", "李花注表", "锦带注表",
                              "桂花注表", "荷花注表", "牡丹注表", "春花注表", "玫瑰注表"})
            out.emplace_back(n);
        return out;
    }();
    return names;
}

EntryProposal proposeIntersectionEntry(const ConditionList& conditions) {
    const SeriesIndex found = FindListSeries(conditions, -1).series;
    const auto& names = intersectionNameChoices();
    const SeriesIndex series = found < 0 || found > kMaxSelectableSeries ? 0 : found;
    return {series, names[static_cast<std::size_t>(series)]};
}

std::string stagedTransferMessage(std::size_t count) {
    return "共转入 " + std::to_string(count) + " 个奖号大底";
}

std::vector<IntersectionEntry> stagedToIntersection(const std::vector<StagedList>& staged) {
    std::vector<IntersectionEntry> out;
    for (const auto& s : staged)
        if (s.use == "1") out.push_back({"1", s.name, 0, s.numbers, "1", "0"});
    return out;
}

std::vector<std::string> groupToDirect(const std::vector<std::string>& tokens) {
    std::vector<int> all;
    for (const auto& t : tokens) {
        if (numberIndex(t) < 0) continue;
        std::string s = t;
        std::ranges::sort(s);
        std::set<int> orderings;
        do {
            orderings.insert(numberIndex(s));
        } while (std::ranges::next_permutation(s).found);
        all.insert(all.end(), orderings.begin(), orderings.end());
    }
    return sortedNumbers(std::move(all));
}

std::vector<std::string> directToGroup(const std::vector<std::string>& tokens) {
    std::vector<std::string> out;
    std::set<std::string> seen;
    for (const auto& t : tokens) {
        // Characters, not bytes: a token of other text keeps whole characters when sorted.
        auto characters = splitCharacters(t);
        if (characters.size() != 3) continue;
        std::ranges::sort(characters);
        std::string s = characters[0] + characters[1] + characters[2];
        if (seen.insert(s).second) out.push_back(std::move(s));
    }
    return out;
}

std::vector<std::string> TrackConvert(const std::vector<std::string>& betList, std::string_view key) {
    std::vector<int> converted;
    for (const auto& n : betList) {
        const int index = numberIndex(addDigitwise(n, key));
        if (index >= 0) converted.push_back(index);
    }
    return sortedNumbers(std::move(converted));
}

} // namespace p3::core
