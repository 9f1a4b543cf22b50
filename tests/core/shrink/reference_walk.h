#pragma once
/// The filter walk done the plain way: every number against every used line, each line evaluated from
/// its text for every number. The compiled run must give exactly the same result.
#include <span>
#include <string>
#include <vector>

#include "core/shrink/compiled_filter.h"
#include "core/shrink/evaluate_line.h"

namespace p3::test {

inline std::vector<std::string> referenceFilterWalk(std::span<const std::string> betList,
                                                    const core::ConditionList& list,
                                                    const core::TotalTolerance& tolerance,
                                                    const core::SeriesHistory& history) {
    struct Used {
        core::ConditionKind kind;
        std::string levelTolerance;
        std::string content;
        bool expected;
        bool tolerant;
    };
    std::vector<Used> used;
    for (const auto& line : list)
        if (line.use == "1" && core::KindOfKeyword(line.keyword) != 0)
            used.push_back({core::KindOfKeyword(line.keyword), line.levelTolerance(), line.content,
                            line.keep == "1", line.tolerant == "1"});
    std::vector<std::string> rows(betList.begin(), betList.end());
    for (std::size_t i = rows.size(); i-- > 0;) {
        const std::string& number = rows[i];
        bool rejected = number.size() != 3;
        for (char c : number)
            rejected = rejected || c < '0' || c > '9';
        if (!rejected) {
            const core::CandidateDigits d{number[0] - '0', number[1] - '0', number[2] - '0'};
            int j = 0;
            for (const auto& line : used) {
                const bool r = core::EvaluateLine(line.kind, d, line.levelTolerance, line.content, history);
                if (r == line.expected) continue;
                if (!tolerance.enabled || !line.tolerant) {
                    rejected = true;
                    break;
                }
                if (++j > tolerance.end) {
                    rejected = true;
                    break;
                }
            }
            if (!rejected && tolerance.enabled) rejected = !(tolerance.begin <= j && j <= tolerance.end);
        }
        if (rejected) rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(i));
    }
    return rows;
}

} // namespace p3::test
