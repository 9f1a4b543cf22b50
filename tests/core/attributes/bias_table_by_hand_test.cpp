// Bias classes of member numbers written out from the bias table, in any digit order, with the chart letter
// and the two- and three-way summary marks of each class.
#include <gtest/gtest.h>

#include "core/attributes/bias_classes.h"

#include <string>

using namespace p3::core;

namespace {

struct ClassCase {
    const char* name;
    char letter;
    char twoWay;   ///< V for 真正, W for any other class
    char threeWay; ///< B for a 假对子 class, P for another non-真正 class, V for 真正
    std::initializer_list<int>
        members; ///< numbers whose sorted digits are in the class, written in any order
};

} // namespace

TEST(BiasTableByHand, MembersGiveClassLetterAndSummaryMarks) {
    const ClassCase cases[] = {
        {"三重偏", 'E', 'W', 'P', {0, 999, 668, 866, 440, 311, 757}},
        {"两重偏", 'F', 'W', 'P', {123, 321, 531, 480, 864, 975, 220, 969}},
        {"偏大", 'D', 'W', 'P', {789, 987, 655, 875, 776}},
        {"偏小", 'X', 'W', 'P', {12, 210, 430, 441, 314}},
        {"偏偶", 'O', 'W', 'P', {862, 206, 622, 482}},
        {"偏奇", 'J', 'W', 'P', {931, 993, 951, 393}},
        {"偏质", 'Z', 'W', 'P', {225, 552, 521, 352}},
        {"偏合", 'H', 'W', 'P', {900, 990, 960, 980}},
        {"假质", 'M', 'W', 'P', {722, 772, 752, 712, 327}},
        {"假合", 'N', 'W', 'P', {944, 994, 984, 940, 964}},
        {"假对子05", 'Q', 'W', 'B', {505, 550, 510, 650, 520, 750, 530, 850, 540, 950}},
        {"假对子16", 'I', 'W', 'B', {611, 661, 610, 651, 621, 761, 631, 861, 641, 961}},
        {"假对子27", 'T', 'W', 'B', {720, 207, 742, 762, 872, 972}},
        {"假对子38", 'K', 'W', 'B', {833, 883, 830, 853, 831, 863, 832, 873, 843, 983}},
        {"假对子49", 'R', 'W', 'B', {941, 942, 943, 954, 974}},
        {"真正", 'V', 'V', 'V', {456, 147, 7, 700, 981, 663, 874, 929}},
    };
    for (const auto& c : cases) {
        for (int n : c.members) {
            SCOPED_TRACE(std::string(c.name) + " " + std::to_string(n));
            const int index = biasClassIndex(n / 100, n / 10 % 10, n % 10);
            EXPECT_EQ(biasClassName(index), c.name);
            ASSERT_GE(index, 0);
            EXPECT_EQ(kBiasClasses[static_cast<std::size_t>(index)].chartMark, c.letter);
            EXPECT_EQ(biasTwoWayMark(index), c.twoWay);
            EXPECT_EQ(biasThreeWayMark(index), c.threeWay);
        }
    }
}

TEST(BiasTableByHand, CombinationTextsAndClassCounts) {
    EXPECT_EQ(biasClassName(biasClassIndexOfCombination("027")), "假对子27");
    EXPECT_EQ(biasClassName(biasClassIndexOfCombination("720")), "假对子27");
    EXPECT_EQ(biasClassName(biasClassIndexOfCombination("055")), "假对子05");
    EXPECT_EQ(biasClassIndexOfCombination("02"), -1);
    // Each of the 220 sorted combinations lies in exactly one class, with the class sizes of the table.
    const int sizes[16] = {18, 44, 16, 16, 9, 9, 4, 4, 5, 5, 10, 10, 5, 10, 5, 50};
    int counted[16] = {};
    for (int a = 0; a <= 9; ++a)
        for (int b = a; b <= 9; ++b)
            for (int c = b; c <= 9; ++c) {
                const int index = biasClassIndex(c, a, b);
                ASSERT_GE(index, 0);
                ++counted[index];
            }
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(counted[i], sizes[i]) << biasClassName(i);
}
