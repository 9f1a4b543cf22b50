#include "cli/range_options.h"

#include "cli/cli_common.h"

namespace p3::cli {

void addRangeOptions(CLI::App* command, RangeOptions& options) {
    auto* last = command->add_option("--last", options.last, "the newest N draws (default: 1000)")
                     ->check(integerIn(1, kMaxLastDraws));
    auto* from = command->add_option("--from", options.from, "first period of the range");
    auto* to = command->add_option("--to", options.to, "last period of the range");
    from->needs(to);
    to->needs(from);
    last->excludes(from);
    last->excludes(to);
}

core::StatisticsRange chooseRange(const core::DrawList& draws, const RangeOptions& options) {
    // A period option is checked as a period before anything is looked up with it.
    if (options.from) take(core::checkPeriodText(*options.from));
    if (options.to) take(core::checkPeriodText(*options.to));
    if (draws.empty()) throw CommandError{"没有开奖数据"};
    core::StatisticsRange range(draws.size());
    if (options.last) take(range.chooseLast(*options.last));
    if (options.from) {
        auto indexOf = [&](const std::string& period) {
            for (std::size_t i = 0; i < draws.size(); ++i)
                if (draws[i].period == period) return i;
            throw CommandError{"没有这一期: " + period};
        };
        take(range.changeRange(indexOf(*options.from), indexOf(*options.to)));
    }
    return range;
}

} // namespace p3::cli
