#include "core/attributes/get_fun_class.h"

#include <gtest/gtest.h>

#include <set>

namespace p3::core {
namespace {

using F = Get_Fun_Class;

std::vector<std::string> membersOf(const BiasClass& bias) {
    return F::SplitText(" ", bias.members, false);
}

std::string sortedText(int n) {
    DigitArray d{n / 100, n / 10 % 10, n % 10};
    F::SortDigits(d);
    return toNumberText(d);
}

TEST(AttributesBiasTables, DisjointAndCoverAllCombinations) {
    const std::vector<std::size_t> counts{18, 44, 16, 16, 9, 9, 4, 4, 5, 5, 10, 10, 5, 10, 5, 50};
    ASSERT_EQ(kBiasClasses.size(), counts.size());
    std::set<std::string> seen;
    std::string marks;
    for (std::size_t k = 0; k < kBiasClasses.size(); ++k) {
        const auto members = membersOf(kBiasClasses[k]);
        EXPECT_EQ(members.size(), counts[k]) << kBiasClasses[k].name;
        for (const auto& m : members) {
            EXPECT_EQ(m.size(), 3u);
            EXPECT_EQ(sortedText(std::stoi(m)), m) << m << " is not sorted";
            EXPECT_TRUE(seen.insert(m).second) << m << " listed twice";
        }
        marks += kBiasClasses[k].chartMark;
    }
    std::set<std::string> all;
    for (int n = 0; n < 1000; ++n)
        all.insert(sortedText(n));
    EXPECT_EQ(all.size(), 220u);
    EXPECT_EQ(seen, all);
    EXPECT_EQ(marks, "EFDXOJZHMNQITKRV");
    EXPECT_EQ(kBiasClasses[kTrueBiasClass].name, "真正");
}

TEST(AttributesBiasClass, LooksUpSortedCombination) {
    EXPECT_EQ(F::GetBiasClass({0, 0, 0}), "三重偏");
    EXPECT_EQ(F::GetBiasClass({9, 9, 9}), "三重偏");
    EXPECT_EQ(F::GetBiasClass({6, 6, 8}), "三重偏");
    EXPECT_EQ(F::GetBiasClass({1, 2, 3}), "两重偏");
    EXPECT_EQ(F::GetBiasClass({7, 8, 9}), "偏大");
    EXPECT_EQ(F::GetBiasClass({0, 1, 2}), "偏小");
    EXPECT_EQ(F::GetBiasClass({7, 2, 0}), "假对子27");
    EXPECT_EQ(F::GetBiasClass({2, 0, 7}), "假对子27");
    EXPECT_EQ(F::GetBiasClass({4, 5, 6}), "真正");
    EXPECT_EQ(F::GetBiasClass({1, 4, 7}), "真正");
    EXPECT_EQ(F::GetBiasClass({0, 0, 7}), "真正");
    EXPECT_EQ(F::GetBiasClass({5, 0, 5}), "假对子05");
    EXPECT_EQ(F::GetBiasClass({9, 4, 1, 0, 0}), "假对子49"); // read on the first three digits
    EXPECT_EQ(F::GetBiasClass({1, 2}), "");
    EXPECT_EQ(F::GetBiasClass({1, 2, 10}), "");
    EXPECT_EQ(biasClassIndexOfCombination("720"), 12);
    EXPECT_EQ(biasClassIndexOfCombination("72"), -1);
    EXPECT_EQ(biasClassIndexOfCombination("7a0"), -1);
}

// The fast lookup must agree with searching the member lists in test order for every number.
TEST(AttributesBiasClass, AgreesWithMemberListSearchForAllNumbers) {
    for (int n = 0; n < 1000; ++n) {
        const std::string key = sortedText(n);
        std::string_view expected = "真正";
        for (std::size_t k = 0; k + 1 < kBiasClasses.size(); ++k)
            if (kBiasClasses[k].members.find(key) != std::string_view::npos) {
                expected = kBiasClasses[k].name;
                break;
            }
        EXPECT_EQ(F::GetBiasClass({n / 100, n / 10 % 10, n % 10}), expected) << n;
    }
}

TEST(AttributesBiasClass, SummaryMarksAndWords) {
    for (int k = 0; k < int(kBiasClasses.size()); ++k) {
        const std::string_view name = kBiasClasses[static_cast<std::size_t>(k)].name;
        const bool isTrue = name == "真正";
        const bool isFalsePair = name.find("假对子") != std::string_view::npos;
        EXPECT_EQ(biasTwoWayMark(k), isTrue ? 'V' : 'W') << name;
        EXPECT_EQ(biasThreeWayMark(k), isFalsePair ? 'B' : (isTrue ? 'V' : 'P')) << name;
        EXPECT_EQ(biasTwoWayWord(k), isTrue ? "真正" : "偏假") << name;
        EXPECT_EQ(biasThreeWayWord(k), isFalsePair ? "假对子" : (isTrue ? "真正" : "偏态")) << name;
        EXPECT_EQ(biasClassName(k), name);
    }
    EXPECT_EQ(biasTwoWayMark(-1), '\0');
    EXPECT_EQ(biasThreeWayWord(16), "");
    EXPECT_EQ(biasClassName(16), "");
}

} // namespace
} // namespace p3::core
