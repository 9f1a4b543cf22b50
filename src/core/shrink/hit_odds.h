#pragma once
/// How unlikely a scheme's hits are by chance: the upper tail of the number of hits when each period
/// is an independent trial that a random list of that period's size would hit with its own probability.
#include <span>
#include <string>

namespace p3::core {

/// A probability with its base-10 logarithm, which keeps its size when the value itself is too small
/// for a double (log10 is -inf only for an impossible event).
struct TailProbability {
    double value = 1;
    double log10 = 0;
};

/// P(X >= hits) where X is the number of successes of independent trials with the given success
/// probabilities (a Poisson binomial distribution; each probability is clamped to 0..1). Exact up to
/// rounding: the sum is taken under the distribution tilted so that its mean is `hits`, where the
/// terms that matter are of ordinary size, and brought back through the logarithm of the tilt.
[[nodiscard]] TailProbability upperTailProbability(std::span<const double> probabilities, std::size_t hits);

/// The probability for a table: four decimals from 0.0001 up ("0.0312"), below that two decimals of
/// mantissa and the exponent ("3.25e-07", "1.20e-2100"); "0" for an impossible event.
[[nodiscard]] std::string formatProbability(const TailProbability& p);

/// What the figure says to a player, comparing the hit rate with the chance a random list has.
[[nodiscard]] std::string describeHitOdds(const TailProbability& p, double hitRate, double randomHitRate);

} // namespace p3::core
