// The layouts of the main-grid charts 1..36: one entry per kind, groups in column order from column 5.
#include "core/charts/chart_layout.h"

namespace p3::core::charts {

namespace {

constexpr std::string_view kDigits = "0,1,2,3,4,5,6,7,8,9";
constexpr std::string_view kLetters10 = "A,B,C,D,E,F,G,H,I,J";
constexpr std::string_view kLetters27 = "A,B,C,D,E,F,G,H,I,J,K,L,M,N,O,P,Q,R,S,T,U,V,W,X,Y,Z,#";
constexpr std::string_view kTailsAndDigits = "任意位合,0,1,2,3,4,5,6,7,8,9";
constexpr std::string_view kCounts = "0,1,2,3";
constexpr std::string_view kSums27 =
    "0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25,26,27";
constexpr std::string_view kSums18 = "0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18";
constexpr std::string_view kDifferences = "-9,-8,-7,-6,-5,-4,-3,-2,-1,0,1,2,3,4,5,6,7,8,9";
constexpr std::string_view kTailPairs =
    "O2,O4,O6,O8,24,26,28,46,48,68,"
    "O1,O3,O5,O7,O9,21,23,25,27,29,41,43,45,47,49,61,63,65,67,69,81,83,85,87,89,"
    "13,15,17,19,35,37,39,57,59,79";

constexpr GroupSpec kDistribution{"(0-9)组选分布图", kDigits, "Red_/BlueD_", 0, {}, true};

/// Kinds 3..5: three position groups of a two-way classification, its 组选 and its 直选 patterns.
std::vector<GroupSpec> twoWayLayout(std::string_view positionHeaders, std::string_view images,
                                    std::string_view directTitle) {
    return {{"百位号", positionHeaders, images, 0},
            {"十位号", positionHeaders, images, 0},
            {"个位号", positionHeaders, images, 0},
            {"组选细分", "a,b,c,d", "Qinx_", 1},
            {directTitle, "1,2,3,4,5,6,7,8", "BlueD_", 2}};
}

/// Kinds 7, 8: a value 0..9 and its classifications.
std::vector<GroupSpec> tailLayout(std::string_view word) {
    const bool tail = word == "合值";
    return {{tail ? "合值" : "跨度", kDigits, "BlueD_", 0},
            {tail ? "合值大小" : "跨度大小", ",大,,小,", "qin_d/qin_x", 1},
            {tail ? "合值奇偶" : "跨度奇偶", ",奇,,偶,", "qin_Dm/qin_S", 2},
            {tail ? "合值质合" : "跨度质合", ",质,,合,", "Qin_Z/Qin_H", 3},
            {tail ? "合值" : "跨度", "大,中,小", "qin_d/qin_zh/qin_x", 0},
            {tail ? "合值" : "跨度", "0,1,2", "Qin_", 1}};
}

/// Kinds 13..15 and their history family.
std::vector<GroupSpec> historyLayout(std::string_view c1, std::string_view c2, std::string_view c3,
                                     std::string_view codes, std::string_view codeHeaders,
                                     std::string_view widths, std::string_view shape,
                                     std::string_view groupShape) {
    return {kDistribution,
            {c1, kCounts, "B_GreenD_", 1},
            {c2, kCounts, "BlueD_", 1},
            {c3, kCounts, "Green_", 1},
            {codes, codeHeaders, "", 2, widths},
            {shape, ",a,b,c,", "LanSe_", 3},
            {groupShape, kLetters10, "Qinx_", 0}};
}

/// Kinds 18..20: per position the three classes, the digit sets and the 27 direct patterns.
std::vector<GroupSpec> historyDirectLayout(std::string_view classes, std::string_view images,
                                           std::string_view codes, std::string_view codeHeaders,
                                           std::string_view widths, std::string_view title) {
    return {kDistribution,
            {"百位数", classes, images, 1},
            {"十位数", classes, images, 1},
            {"个位数", classes, images, 1},
            {codes, codeHeaders, "", 2, widths},
            {title, kLetters27, "LanSe_", 3}};
}

/// Kinds 26..28 and 34..36: a value 0..9 and five classifications of it.
std::vector<GroupSpec> valueClassLayout(std::string_view title) {
    return {{title, kDigits, "BlueD_", 0},
            {"奇偶类型", ",奇,,偶,", "qin_Dm/qin_S", 1},
            {"大小类型", ",大,,小,", "qin_d/qin_x", 2},
            {"质合类型", ",质,,合,", "Qin_Z/Qin_H", 3},
            {"大中小类型", ",大,中,小,", "qin_d/qin_zh/qin_x", 0},
            {"012路类型", ",0,1,2,", "BlueD_", 1}};
}

std::vector<GroupSpec> pairSumLayout(std::string_view title) {
    return {{title, kSums18, "B_GreenD_", 0},
            {"奇偶类型", ",奇,,偶,", "qin_Dm/qin_S", 1},
            {"012路", "0,1,2", "BlueD_", 2}};
}

std::vector<GroupSpec> fourDistributions(std::string_view first, std::string_view second,
                                         std::string_view third, std::string_view fourth) {
    GroupSpec all{first, kDigits, "Red_/BlueD_", 0, {}, true};
    return {all, {second, kDigits, "BlueD_", 1}, {third, kDigits, "Green_", 2}, {fourth, kDigits, "Qin_", 3}};
}

constexpr std::string_view kLines26 = "5 14,16 18,21 23,26 28,31 33,36 38";
constexpr std::string_view kLines13 = "15 18,19 22,23 26,31 33,35 44";
constexpr std::string_view kLines18 = "15 17,18 20,21 23,27 53";
constexpr std::string_view kLines16 = "15 17,18 20,21 23,24 50";
constexpr std::string_view kLines22 = "5 23,25 27,29 31";
constexpr std::string_view kLines2 = "15 24,25 34,35 44";

std::vector<MainChartSpec> makeSpecs() {
    std::vector<MainChartSpec> specs;
    auto add = [&](int kind, std::vector<GroupSpec> groups, std::string_view lines,
                   std::string_view choices) {
        specs.push_back({kind, std::move(groups), lines, choices, markFunction(kind)});
    };
    add(1,
        {{"百位号分布图", kDigits, "B_GreenD_", 0},
         {"十位号分布图", kDigits, "BlueD_", 1},
         {"个位号分布图", kDigits, "Green_", 2},
         {"类型(三)细分", "A,,B,,C", "LanSe_", 3},
         {"类型(五)细分", "A,B,C,D,E", "LanSe_", 3}},
        "5 14,15 24,25 34,35 39,40 44", "5 14,15 24,25 34,35 39,40 44");
    add(2, fourDistributions("(0-9)组选分布图", "最小号分布图", "中间号分布图", "最大号分布图"), kLines2,
        kLines2);
    add(3, twoWayLayout(",大,,小,", "qin_d/qin_x", "大小直选细分"), "6 8,11 13,16 18,20 23,24 31",
        "5 9,10 14,15 19,20 23,24 31");
    add(4, twoWayLayout(",奇,,偶,", "qin_Dm/qin_S", "奇偶直选细分"), "6 8,11 13,16 18,20 23,24 31",
        "5 9,10 14,15 19,20 23,24 31");
    add(5, twoWayLayout(",质,,合,", "Qin_Z/Qin_H", "质合直选细分"), "6 8,11 13,16 18,20 23,24 31",
        "5 9,10 14,15 19,20 23,24 31");
    add(6,
        {{"和数值", kSums27, "B_GreenD_", 0},
         {"和值奇偶", ",奇,,偶,", "qin_Dm/qin_S", 1},
         {"和值012路", ",0,1,2,", "BlueD_", 2}},
        "5 32,34 36,39 41", "5 32,33 37,39 41");
    add(7, tailLayout("合值"), "5 14,16 18,21 23,26 28,30 32,33 35", "5 14,16 18,21 23,26 28,30 32,33 35");
    add(8, tailLayout("跨度"), "5 14,16 18,21 23,26 28,30 32,33 35", "5 14,16 18,21 23,26 28,30 32,33 35");
    add(9,
        {kDistribution,
         {"豹", "0", "Qin_", 1},
         {"组六细分", "1,2,3,4,5,6", "Qin_", 2},
         {"组三细分", "7,8,9", "Qin_", 3}},
        "15 24", "15 24");
    add(10, {kDistribution, {"连号细分图", kDigits, "Qin_", 1}}, "15 24", "15 24");
    // Unlike its line groups, the last choice group runs from 形态 over the 组选 letters A..G.
    add(11,
        {{"百位号", "0,1,2", "B_GreenD_", 0},
         {"十位号", "0,1,2", "BlueD_", 0},
         {"个位号", "0,1,2", "Green_", 0},
         {"0路个数", kCounts, "LanSe_", 1},
         {"1路个数", kCounts, "LanSe_", 1},
         {"2路个数", kCounts, "LanSe_", 1},
         {"形态细分", "a,b,c", "Qinx_", 2},
         {"012路组选细分图", kLetters10, "Qinx_", 3}},
        "5 7,8 10,11 13,14 17,18 21,22 25,26 28,29 38", "5 7,8 10,11 13,14 17,18 21,22 25,26 35");
    add(12,
        {{"百位号", "大,中,小", "qin_d/qin_zh/qin_x", 0},
         {"十位号", "大,中,小", "qin_d/qin_zh/qin_x", 0},
         {"个位号", "大,中,小", "qin_d/qin_zh/qin_x", 0},
         {"大号个数", kCounts, "B_GreenD_", 1},
         {"中号个数", kCounts, "BlueD_", 1},
         {"小号个数", kCounts, "Green_", 1},
         {"分类形态", ",a,b,c,", "LanSe_", 2},
         {"大中小组选形态", kLetters10, "Qinx_", 3}},
        "5 7,8 10,11 13,14 17,18 21,22 25,27 29,31 40", "5 7,8 10,11 13,14 17,18 21,22 25,27 29,31 40");
    add(13,
        historyLayout("复码个数", "隔码个数", "中码个数", "复隔中号码", "复码,隔码,中码", "32,32,60",
                      "复隔中形态", "复隔中组选形态"),
        kLines13, kLines13);
    add(14,
        historyLayout("邻码个数", "孤码个数", "传码个数", "邻孤传号码", "邻码,孤码,传码", "50,50,32",
                      "邻孤传形态", "邻孤传组选形态"),
        kLines13, kLines13);
    add(15,
        historyLayout("热码个数", "温码个数", "冷码个数", "热温冷号码", "热码,温码,冷码", "50,50,50",
                      "热温冷形态", "热温冷组选形态"),
        kLines13, kLines13);
    add(16,
        {kDistribution,
         {"百位数", "0,1,2", "B_GreenD_", 1},
         {"十位数", "0,1,2", "BlueD_", 1},
         {"个位数", "0,1,2", "Green_", 1},
         {"012直选细分图", kLetters27, "LanSe_", 2}},
        kLines16, kLines16);
    add(17,
        {kDistribution,
         {"百位数", "大,中,小", "qin_d/qin_zh/qin_x", 1},
         {"十位数", "大,中,小", "qin_d/qin_zh/qin_x", 1},
         {"个位数", "大,中,小", "qin_d/qin_zh/qin_x", 1},
         {"大中小直选细分图", kLetters27, "LanSe_", 2}},
        kLines16, kLines16);
    add(18,
        historyDirectLayout("复,隔,中", "Qin_fu/qin_ge/qin_zh", "复隔中号码", "复码,隔码,中码", "32,32,60",
                            "复隔中直选细分图"),
        kLines18, kLines18);
    add(19,
        historyDirectLayout("邻,孤,传", "Qin_Lin/Qin_Gu/Qin_Chuan", "邻孤传号码", "邻码,孤码,传码",
                            "50,50,32", "邻孤传直选细分图"),
        kLines18, kLines18);
    add(20,
        historyDirectLayout("热,温,冷", "Qin_Re/qin_Weng/Qin_Leng", "热温冷号码", "热码,温码,冷码",
                            "50,50,50", "热温冷直选细分图"),
        kLines18, kLines18);
    add(21,
        {{"位和分布图", kSums18, "B_GreenD_", 0, {}, true},
         {"（百位＋十位）位和分布图", kSums18, "B_GreenD_", 1},
         {"（百位＋个位）位和分布图", kSums18, "B_GreenD_", 2},
         {"（十位＋个位）位和分布图", kSums18, "B_GreenD_", 3}},
        "24 42,43 61,62 80", "24 42,43 61,62 80");
    add(22, pairSumLayout("（百位＋十位）位和分布图"), kLines22, kLines22);
    add(23, pairSumLayout("（百位＋个位）位和分布图"), kLines22, kLines22);
    add(24, pairSumLayout("（十位＋个位）位和分布图"), kLines22, kLines22);
    add(25,
        fourDistributions("位合分布图", "（百＋十）位合分布图", "（百＋个）位合分布图",
                          "（十＋个）位合分布图"),
        kLines2, kLines2);
    add(26, valueClassLayout("（百＋十）位合"), kLines26, kLines26);
    add(27, valueClassLayout("（百＋个）位合"), kLines26, kLines26);
    add(28, valueClassLayout("（十＋个）位合"), kLines26, kLines26);
    add(30,
        {{"任意位合组选分布", kTailsAndDigits, "Red_/BlueD_", 0, "60", true},
         {"位合奇偶分布", "0,2,4,6,8,1,3,5,7,9", "Red_/BlueD_", 1, {}, true},
         {"任意位合（二码组合）分布图", kTailPairs, "Red_/BlueD_", 2, {}, true}},
        "", "");
    add(31,
        {{"任意位合组选分布图", kTailsAndDigits, "Red_/BlueD_", 0, "60", true},
         {"复码个数", kCounts, "B_GreenD_", 1},
         {"隔码个数", kCounts, "BlueD_", 1},
         {"中码个数", kCounts, "Green_", 1},
         {"复隔中号码", "复码,隔码,中码", "", 2, "32,32,60"},
         {"复隔中形态", ",a,b,c,", "Qinx_", 3},
         {"复隔中组选形态", kLetters10, "LanSe_", 0}},
        "16 19,20 23,24 27,32 34,36 45", "16 19,20 23,24 27,32 34,36 45");
    add(32,
        {{"百位减十位分布图", kDifferences, "qin_wz", 0},
         {"百位减个位分布图", kDifferences, "qin_wz", 1},
         {"十位减个位分布图", kDifferences, "qin_wz", 2}},
        "5 23,24 42,43 61", "5 23,24 42,43 61");
    add(33,
        fourDistributions("位差绝对值分布图", "百位减十位绝对值分布图", "百位减个位绝对值分布图",
                          "十位减个位绝对值分布图"),
        kLines2, kLines2);
    add(34, valueClassLayout("（百－十）位差"), kLines26, kLines26);
    add(35, valueClassLayout("（百－个）位差"), kLines26, kLines26);
    add(36, valueClassLayout("（十－个）位差"), kLines26, kLines26);
    return specs;
}

} // namespace

const MainChartSpec* mainChartSpec(int kind) {
    static const std::vector<MainChartSpec> specs = makeSpecs();
    for (const auto& spec : specs)
        if (spec.kind == kind) return &spec;
    return nullptr;
}

} // namespace p3::core::charts
