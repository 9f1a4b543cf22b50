#pragma once
/// A fixed draw history with its track table, so that the history conditions of the fuzz targets
/// have values on every series the track table provides.
#include <string>
#include <vector>

#include "core/history/track_table.h"
#include "core/shrink/series_history.h"

namespace p3::fuzz {

struct FixedHistory {
    core::DrawList draws;
    core::TrackTable table;
    core::SeriesHistory history;

    FixedHistory() {
        // Forty draws from a small linear congruential walk: repeats, pairs and triples all occur.
        unsigned state = 12345;
        for (int i = 0; i < 40; ++i) {
            state = state * 1103515245u + 12345u;
            const unsigned n = (state >> 8) % 1000;
            std::string digits{static_cast<char>('0' + n / 100), static_cast<char>('0' + n / 10 % 10),
                               static_cast<char>('0' + n % 10)};
            if (i % 9 == 4) digits[2] = digits[1]; // a pair now and then
            draws.push_back({std::to_string(2026001 + i), digits});
        }
        table = core::TrackTable::ComputeTrackTable(draws, {}, 3);
        history = core::SeriesHistory{&draws, &table};
    }
};

/// The history, built once per process.
inline const core::SeriesHistory& fixedHistory() {
    static const FixedHistory fixed;
    return fixed.history;
}

} // namespace p3::fuzz
