#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/shrink/hit_odds.h"

using namespace p3::core;

namespace {
std::vector<double> repeated(double p, std::size_t n) {
    return std::vector<double>(n, p);
}
} // namespace

// Expected values are exact rational sums over the whole distribution, worked out by hand for the small
// cases and with exact fractions for the large ones.
TEST(HitOdds, SmallCasesSummedByHand) {
    const std::vector<double> p{0.1, 0.2, 0.3};
    EXPECT_DOUBLE_EQ(upperTailProbability(p, 0).value, 1.0);
    EXPECT_NEAR(upperTailProbability(p, 1).value, 1 - 0.9 * 0.8 * 0.7, 1e-15);
    EXPECT_NEAR(upperTailProbability(p, 2).value, 0.098, 1e-15);
    EXPECT_NEAR(upperTailProbability(p, 3).value, 0.006, 1e-15);
    EXPECT_EQ(upperTailProbability(p, 4).value, 0.0);
    EXPECT_TRUE(std::isinf(upperTailProbability(p, 4).log10));
    EXPECT_NEAR(upperTailProbability(repeated(0.5, 10), 8).value, 56.0 / 1024, 1e-15);
}

TEST(HitOdds, CertainAndImpossibleTrials) {
    // A list of all 1000 numbers always hits; an empty list never does.
    EXPECT_NEAR(upperTailProbability(std::vector<double>{1, 1, 0.5}, 3).value, 0.5, 1e-15);
    EXPECT_DOUBLE_EQ(upperTailProbability(std::vector<double>{1, 1, 0.5}, 2).value, 1.0);
    EXPECT_EQ(upperTailProbability(std::vector<double>{0, 0, 0.5}, 2).value, 0.0);
    EXPECT_NEAR(upperTailProbability(std::vector<double>{0, 0.25, 0.5}, 1).value, 1 - 0.75 * 0.5, 1e-15);
}

TEST(HitOdds, FarTailsKeepTheirRelativePrecision) {
    // Binomial(200, 0.01) at 20 or more: 2.8924286915729495e-14.
    auto a = upperTailProbability(repeated(0.01, 200), 20);
    EXPECT_NEAR(a.value / 2.8924286915729495e-14, 1, 1e-9);
    EXPECT_NEAR(a.log10, -13.53873733911368, 1e-9);
    // Unequal chances (i mod 5 + 1) / 100 for 500 periods, 60 hits: 1.321671919264676e-19.
    std::vector<double> b;
    for (int i = 0; i < 500; ++i)
        b.push_back((i % 5 + 1) / 100.0);
    EXPECT_NEAR(upperTailProbability(b, 60).log10, -18.878876337086368, 1e-9);
    // (i mod 7 + 1) / 1000 for 700 periods, 100 hits: 5.306385873096599e-119.
    std::vector<double> c;
    for (int i = 0; i < 700; ++i)
        c.push_back((i % 7 + 1) / 1000.0);
    EXPECT_NEAR(upperTailProbability(c, 100).log10, -118.27520117190679, 1e-8);
    // Near the middle: Binomial(1000, 0.3) at 330 or more: 0.02158184429584525.
    EXPECT_NEAR(upperTailProbability(repeated(0.3, 1000), 330).value, 0.02158184429584525, 1e-12);
}

TEST(HitOdds, BeyondTheRangeOfADouble) {
    // 2000 periods each with one number in the list, every one a hit: 10^-6000.
    auto all = upperTailProbability(repeated(0.001, 2000), 2000);
    EXPECT_EQ(all.value, 0.0);
    EXPECT_NEAR(all.log10, -6000, 1e-6);
    EXPECT_EQ(formatProbability(all), "1.00e-6000");
    // One miss allowed: 2000 * 10^-5997 * 0.999 + 10^-6000, about 1.998e-5994 * ... in logs.
    auto oneMiss = upperTailProbability(repeated(0.001, 2000), 1999);
    const double expected =
        std::log10(2000 * 0.999 * std::pow(10.0, -3.0 * 1999 + 5994) + std::pow(10.0, -6000.0 + 5994)) - 5994;
    EXPECT_NEAR(oneMiss.log10, expected, 1e-9);
}

TEST(HitOdds, FormatAndWords) {
    EXPECT_EQ(formatProbability({56.0 / 1024, std::log10(56.0 / 1024)}), "0.0547");
    EXPECT_EQ(formatProbability({1, 0}), "1.0000");
    EXPECT_EQ(formatProbability({3.25e-7, std::log10(3.25e-7)}), "3.25e-07");
    EXPECT_EQ(formatProbability({9.9999e-6, std::log10(9.9999e-6)}), "1.00e-05");
    EXPECT_EQ(formatProbability({0, -INFINITY}), "0");
    EXPECT_NE(describeHitOdds({0.5, std::log10(0.5)}, 0.02, 0.03).find("不高于随机"), std::string::npos);
    EXPECT_NE(describeHitOdds({0.3, std::log10(0.3)}, 0.04, 0.03).find("运气也常有"), std::string::npos);
    EXPECT_NE(describeHitOdds({1e-5, -5}, 0.2, 0.03).find("1e5"), std::string::npos);
}
