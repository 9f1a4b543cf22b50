#include "core/shrink/hit_odds.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <vector>

namespace p3::core {
namespace {

constexpr double kLn10 = 2.302585092994045684;

/// log(1 - p + p e^theta) without overflow for large theta.
double logTiltNorm(double p, double theta) {
    if (theta <= 0) return std::log1p(p * std::expm1(theta));
    return theta + std::log(p + (1 - p) * std::exp(-theta));
}

/// The success probability of a trial under the tilt theta.
double tilted(double p, double theta) {
    if (theta <= 0) return p * std::exp(theta) / (1 + p * std::expm1(theta));
    return p / (p + (1 - p) * std::exp(-theta));
}

/// The distribution of the number of successes, kept only from `low(i)` up after i trials: lower counts
/// cannot reach `hits` any more. Returns f(k) for k = hits .. n.
std::vector<double> upperCounts(const std::vector<double>& q, std::size_t hits) {
    const std::size_t n = q.size();
    std::vector<double> f(n + 1, 0.0), g(n + 1, 0.0);
    f[0] = 1;
    std::size_t low = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const double p = q[i], r = 1 - p;
        const std::size_t nextLow = hits > n - (i + 1) ? hits - (n - (i + 1)) : 0;
        for (std::size_t k = std::max(low, nextLow); k <= i + 1; ++k) {
            const double stay = k <= i && k >= low ? f[k] * r : 0;
            const double step = k >= low + 1 ? f[k - 1] * p : 0;
            g[k] = stay + step;
        }
        std::swap(f, g);
        low = nextLow;
    }
    return {f.begin() + static_cast<std::ptrdiff_t>(hits), f.end()};
}

} // namespace

TailProbability upperTailProbability(std::span<const double> probabilities, std::size_t hits) {
    std::vector<double> p;
    std::size_t certain = 0;
    for (double v : probabilities) {
        v = std::clamp(std::isnan(v) ? 0.0 : v, 0.0, 1.0);
        if (v >= 1)
            ++certain;
        else if (v > 0)
            p.push_back(v);
    }
    if (hits <= certain) return {1, 0};
    const std::size_t h = hits - certain;
    const std::size_t n = p.size();
    constexpr double kImpossible = -std::numeric_limits<double>::infinity();
    if (h > n) return {0, kImpossible};
    double mean = 0;
    for (double v : p)
        mean += v;
    double theta = 0;
    if (static_cast<double>(h) > mean) {
        if (h == n) { // every trial must succeed
            double logP = 0;
            for (double v : p)
                logP += std::log(v);
            return {std::exp(logP), logP / kLn10};
        }
        const auto tiltedMean = [&](double t) {
            double m = 0;
            for (double v : p)
                m += tilted(v, t);
            return m;
        };
        double hi = 1;
        while (tiltedMean(hi) < static_cast<double>(h) && hi < 1e6)
            hi *= 2;
        double lo = 0;
        for (int i = 0; i < 200 && hi - lo > 1e-12 * std::max(1.0, hi); ++i) {
            const double mid = (lo + hi) / 2;
            (tiltedMean(mid) < static_cast<double>(h) ? lo : hi) = mid;
        }
        theta = (lo + hi) / 2;
    }
    std::vector<double> q(n);
    double logNorm = 0;
    for (std::size_t i = 0; i < n; ++i) {
        q[i] = tilted(p[i], theta);
        logNorm += logTiltNorm(p[i], theta);
    }
    // P(X = k) = P'(X = k) * exp(logNorm - theta k); the tail sum is taken relative to k = h.
    const std::vector<double> upper = upperCounts(q, h);
    double sum = 0;
    for (std::size_t j = 0; j < upper.size(); ++j)
        sum += upper[j] * std::exp(-theta * static_cast<double>(j));
    if (sum <= 0) return {0, kImpossible};
    const double logP = std::min(0.0, logNorm - theta * static_cast<double>(h) + std::log(sum));
    return {std::exp(logP), logP / kLn10};
}

std::string formatProbability(const TailProbability& p) {
    char buf[48];
    if (std::isinf(p.log10) && p.log10 < 0) return "0";
    if (p.log10 >= -4) {
        std::snprintf(buf, sizeof buf, "%.4f", std::pow(10.0, p.log10));
        return buf;
    }
    double exponent = std::floor(p.log10);
    double mantissa = std::pow(10.0, p.log10 - exponent);
    if (std::round(mantissa * 100) >= 1000) { // 9.996 shows as 1.00 of the next power
        mantissa /= 10;
        exponent += 1;
    }
    std::snprintf(buf, sizeof buf, "%.2fe-%02.0f", mantissa, -exponent);
    return buf;
}

std::string describeHitOdds(const TailProbability& p, double hitRate, double randomHitRate) {
    if (hitRate <= randomHitRate) return "命中率不高于随机选号，这个方案没有显出本事";
    if (p.log10 > -1) return "命中率略高于随机选号，但纯靠运气也常有这样的成绩";
    if (p.log10 > -2) return "命中率高于随机选号，纯靠运气大约十次里才有一次这么好";
    if (p.log10 > -3) return "命中率明显高于随机选号，纯靠运气大约一百次里才有一次这么好";
    const double times = std::floor(-p.log10);
    char buf[160];
    std::snprintf(buf, sizeof buf, "命中率远高于随机选号，纯靠运气要试上约 1e%.0f 次才碰得上一次", times);
    return buf;
}

} // namespace p3::core
