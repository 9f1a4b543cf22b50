#include "core/attributes/get_fun_class.h"

#include "core/attributes/attribute_table.h"
#include "core/attributes/attribute_text.h"

#include <gtest/gtest.h>

#include <map>

namespace p3::core {
namespace {

using F = Get_Fun_Class;

DigitArray digitsOf(int n) {
    return {n / 100, n / 10 % 10, n % 10};
}

TEST(AttributesGroupType, WrapsAroundNineAndZero) {
    EXPECT_EQ(F::GetGroupTypeText({0, 8, 9}), "顺子");
    EXPECT_EQ(F::GetGroupTypeText({9, 8, 0}), "顺子");
    EXPECT_EQ(F::GetGroupTypeText({9, 0, 1}), "顺子");
    EXPECT_EQ(F::GetGroupTypeText({0, 1, 9}), "顺子");
    EXPECT_EQ(F::GetGroupTypeText({0, 9, 0}), "组三");
    EXPECT_EQ(F::GetGroupTypeText({0, 2, 9}), "半顺"); // 0 and 9 are neighbours
    EXPECT_EQ(F::GetGroupTypeText({0, 7, 9}), "半顺");
    EXPECT_EQ(F::GetGroupTypeText({1, 3, 5}), "杂六");
    EXPECT_EQ(F::GetGroupTypeText({5, 5, 5}), "豹子");
    EXPECT_EQ(F::GetGroupTypeText({3, 2, 1}), "顺子");
    EXPECT_EQ(F::GetGroupTypeText({0, 8, 1}), "半顺"); // 8-9-0-1 is no straight of three
}

TEST(AttributesGroupType, LeavesCallerDigitsAndRefusesShortArrays) {
    DigitArray digits{9, 0, 8};
    EXPECT_EQ(F::GetGroupTypeText(digits), "顺子");
    EXPECT_EQ(F::GetShapeCode(digits), 1);
    EXPECT_EQ(F::GetSpan(digits), 9);
    EXPECT_EQ(F::GetBiasClass(digits), "偏合");
    EXPECT_EQ(digits, (DigitArray{9, 0, 8}));

    EXPECT_EQ(F::GetGroupTypeText({1, 2}), "");
    EXPECT_EQ(F::GetShapeCode({}), -1);
    EXPECT_EQ(F::GetOrderShapeText({7}), "");
    EXPECT_EQ(shapeCodeLabel(F::GetShapeCode({1, 2})), "");
}

TEST(AttributesShapeCode, SplitsByPairNeighboursAndSumParity) {
    EXPECT_EQ(F::GetShapeCode({1, 1, 2}), 6); // pair, even sum, neighbouring
    EXPECT_EQ(F::GetShapeCode({1, 1, 3}), 9); // pair, odd sum, apart
    EXPECT_EQ(F::GetShapeCode({0, 0, 9}), 7); // 0 and 9 neighbour, sum 9
    EXPECT_EQ(F::GetShapeCode({1, 2, 4}), 3);
    EXPECT_EQ(F::GetShapeCode({1, 3, 5}), 5);
    EXPECT_EQ(F::GetShapeCode({2, 4, 6}), 4);
    EXPECT_EQ(F::GetShapeCode({2, 2, 4}), 8);
    EXPECT_EQ(F::GetShapeCode({7, 7, 7}), 0);
    EXPECT_EQ(F::GetShapeCode({0, 9, 8}), 1);
    EXPECT_EQ(F::GetShapeCode({1, 9, 0}), 1);
    EXPECT_EQ(shapeCodeLabel(6), "偶点连号组三");
    EXPECT_EQ(shapeCodeLabel(2), "偶点半顺组六");
    EXPECT_EQ(shapeCodeLabel(10), "");
}

// The shape code refines the group type: every code must sit in its group and carry the sum's parity.
TEST(AttributesShapeCode, AgreesWithGroupTypeForAllNumbers) {
    const std::map<int, std::string_view> groupOfCode{{0, "豹子"}, {1, "顺子"}, {2, "半顺"}, {3, "半顺"},
                                                      {4, "杂六"}, {5, "杂六"}, {6, "组三"}, {7, "组三"},
                                                      {8, "组三"}, {9, "组三"}};
    std::map<int, int> numbersPerCode;
    for (int n = 0; n < 1000; ++n) {
        const DigitArray d = digitsOf(n);
        const int code = F::GetShapeCode(d);
        ASSERT_TRUE(groupOfCode.contains(code)) << n;
        EXPECT_EQ(F::GetGroupTypeText(d), groupOfCode.at(code)) << n;
        if (code >= 2) {
            EXPECT_EQ(code % 2, digitSum(d) % 2) << n;
        }
        ++numbersPerCode[code];
    }
    EXPECT_EQ(numbersPerCode[0], 10);
    EXPECT_EQ(numbersPerCode[1], 60); // ten straights, 012 .. 789 plus 890 and 901, times 6 orders
}

TEST(AttributesOrderShape, NamesWhereSmallestAndLargestStand) {
    const std::map<int, std::string_view> expected{{123, "1号"}, {321, "6号"}, {132, "2号"}, {213, "3号"},
                                                   {231, "4号"}, {312, "5号"}, {112, "7号"}, {121, "8号"},
                                                   {211, "9号"}, {555, "0号"}, {110, "7号"}, {101, "8号"}};
    for (const auto& [n, text] : expected)
        EXPECT_EQ(F::GetOrderShapeText(digitsOf(n)), text) << n;
    EXPECT_EQ(orderShapeCode({9, 5, 0}), 6);
    EXPECT_EQ(orderShapeCode({9, 0, 5}), 5);
}

TEST(AttributesRouteLetter, CountsRoutesInPatternOrder) {
    EXPECT_EQ(F::GetRouteLetter({0, 3, 6}), "A");
    EXPECT_EQ(F::GetRouteLetter({1, 4, 7}), "G");
    EXPECT_EQ(F::GetRouteLetter({2, 5, 8}), "J");
    EXPECT_EQ(F::GetRouteLetter({0, 1, 2}), "E");
    EXPECT_EQ(F::GetRouteLetter({9, 9, 1}), "B");
    EXPECT_EQ(F::GetRouteLetter({9, 2, 8}), "F");
    EXPECT_EQ(F::GetRouteLetter({0, 3, 6, 1, 1}), "A"); // a five-digit draw is read on its first three
    EXPECT_EQ(F::GetRouteLetter({0, 1}), "110");        // no pattern of three: the counts themselves

    // Route 0 holds four digits, routes 1 and 2 three each.
    std::map<std::string, int> perLetter;
    for (int n = 0; n < 1000; ++n)
        ++perLetter[F::GetRouteLetter(digitsOf(n))];
    EXPECT_EQ(perLetter.size(), 10u);
    EXPECT_EQ(perLetter["A"], 64);
    EXPECT_EQ(perLetter["B"], 3 * 16 * 3);
    EXPECT_EQ(perLetter["E"], 6 * 4 * 3 * 3);
    EXPECT_EQ(perLetter["G"], 27);
    EXPECT_EQ(perLetter["J"], 27);
}

TEST(AttributesBinaryAttribute, PerDigitWordsAndCountPatterns) {
    EXPECT_EQ(F::GetBinaryAttributeText({1, 4, 9}, 3, "质", "合", true), "2合1质");
    EXPECT_EQ(F::GetBinaryAttributeText({1, 4, 9}, 3, "质", "合", false), "质合合");
    EXPECT_EQ(F::GetBinaryAttributeText({5, 2, 9}, 1, "大", "小", false), "大小大");
    EXPECT_EQ(F::GetBinaryAttributeText({0, 1, 2, 3, 4, 5}, 2, "奇", "偶", false), "偶奇偶奇偶奇");
    EXPECT_EQ(F::GetBinaryAttributeText({0, 1, 4}, 1, "大", "小", true), "3小");
    EXPECT_EQ(F::GetBinaryAttributeText({0, 1, 5}, 1, "大", "小", true), "2小1大");
    EXPECT_EQ(F::GetBinaryAttributeText({5, 1, 5}, 1, "大", "小", true), "2大1小");
    EXPECT_EQ(F::GetBinaryAttributeText({5, 9, 7}, 1, "大", "小", true), "3大");
    EXPECT_EQ(F::GetBinaryAttributeText({1, 3, 5, 2, 2}, 2, "奇", "偶", true), "3奇"); // first three only
    EXPECT_EQ(F::GetBinaryAttributeText({1, 3}, 2, "奇", "偶", true), "");
    EXPECT_EQ(F::GetBinaryAttributeText({1, 3, 5}, 4, "奇", "偶", false), "");
}

TEST(AttributesBigMidSmall, ThreeBandsPerDigit) {
    EXPECT_EQ(F::GetBigMidSmallText({0, 1, 2, 3, 4, 5, 6, 7, 8, 9}), "小小小中中中中大大大");
    EXPECT_EQ(F::GetBigMidSmallText({9, 5, 1}), "大中小");
    EXPECT_EQ(F::GetBigMidSmallText({}), "");
}

TEST(AttributesDigitSets, CountKeepAndDropDigits) {
    EXPECT_EQ(F::CountDigitsInSet("999", "0369"), 3);
    EXPECT_EQ(F::CountDigitsInSet("112", "147"), 2);
    EXPECT_EQ(F::CountDigitsInSet("258", ""), 0);
    EXPECT_EQ(F::KeepDigitsInSet("373", kAllDigits), "37");
    EXPECT_EQ(F::KeepDigitsNotInSet("373", kAllDigits), "01245689");
    EXPECT_EQ(F::KeepDigitsInSet("12", "21121"), "21121"); // repeated candidates are kept each time
    EXPECT_EQ(F::KeepDigitsNotInSet("", "305"), "305");
}

TEST(AttributesDigitsWithAttribute, AddressesWordsAsCharacters) {
    EXPECT_EQ(F::GetDigitsWithAttribute("大", "大小大", false, "528"), "58");
    EXPECT_EQ(F::GetDigitsWithAttribute("大", "大小大", true, "528"), "2");
    EXPECT_EQ(F::GetDigitsWithAttribute("小", "大小大", false, "528"), "2");
    EXPECT_EQ(F::GetDigitsWithAttribute("中", "大小大", false, "528"), "");
    EXPECT_EQ(F::GetDigitsWithAttribute("中", "大小大", true, "528"), "0");
    EXPECT_EQ(F::GetDigitsWithAttribute("大", "大小大", false, "52"), "5"); // no third digit to give
    EXPECT_EQ(F::GetDigitsWithAttribute("大", "大小大", true, ""), "2");
}

TEST(AttributesText, WalksUtf8CharactersAsWords) {
    EXPECT_EQ(wordCount("大a小"), 3u);
    EXPECT_EQ(wordAt("大a小", 1), "a");
    EXPECT_EQ(wordAt("大a小", 2), "小");
    EXPECT_EQ(wordAt("大a小", 3), "");
    const std::string cut = std::string("大小").substr(0, 4); // the second character cut short
    EXPECT_EQ(wordCount(cut), 2u);
    EXPECT_EQ(wordAt(cut, 1).size(), 1u);
}

TEST(AttributesConsecutiveRuns, RunLengthsLongerFirst) {
    EXPECT_EQ(F::GetConsecutiveRuns({1, 3, 5}), "0");
    EXPECT_EQ(F::GetConsecutiveRuns({1, 2, 4}), "2");
    EXPECT_EQ(F::GetConsecutiveRuns({2, 3, 4}), "3");
    EXPECT_EQ(F::GetConsecutiveRuns({1, 1, 2, 3}), "3");
    EXPECT_EQ(F::GetConsecutiveRuns({8, 9, 0}), "2");        // 0 does not follow 9 here
    EXPECT_EQ(F::GetConsecutiveRuns({0, 1, 3, 4, 5}), "32"); // found as 2 then 3
    EXPECT_EQ(F::GetConsecutiveRuns({5, 4, 3, 1, 0}), "32");
    EXPECT_EQ(F::GetConsecutiveRuns({0, 1, 3, 4}), "22");
    EXPECT_EQ(F::GetConsecutiveRuns({0, 1, 2, 3, 4}), "5");
    EXPECT_EQ(F::GetConsecutiveRuns({7}), "0");
    EXPECT_EQ(F::GetConsecutiveRuns({}), "0");
}

TEST(AttributesConsecutiveRuns, RepeatedDigitEndsARun) {
    EXPECT_EQ(F::GetConsecutiveRuns({1, 2, 2, 3}), "22");
    EXPECT_EQ(F::GetConsecutiveRuns({1, 2, 3, 3}), "3");
    EXPECT_EQ(F::GetConsecutiveRuns({1, 2, 2}), "2");
    EXPECT_EQ(F::GetConsecutiveRuns({5, 5, 5}), "0");
    // One run of all ten digits is "10", not two runs to be reordered.
    EXPECT_EQ(F::GetConsecutiveRuns({9, 8, 7, 6, 5, 4, 3, 2, 1, 0}), "10");
    DigitArray digits{3, 2, 1};
    F::GetConsecutiveRuns(digits);
    EXPECT_EQ(digits, (DigitArray{3, 2, 1}));
}

TEST(AttributesContainsWord, MatchesWholeBlankSeparatedTokensOnly) {
    EXPECT_TRUE(F::ContainsWord("1", "11 12 1"));
    EXPECT_FALSE(F::ContainsWord("1", "11 12"));
    EXPECT_TRUE(F::ContainsWord("1", "1 11"));
    EXPECT_TRUE(F::ContainsWord("12", "112 1212 12"));
    EXPECT_FALSE(F::ContainsWord("12", "112 1212"));
    EXPECT_TRUE(F::ContainsWord("大数", "小数 大数"));
    EXPECT_FALSE(F::ContainsWord("数", "小数 大数"));
    EXPECT_FALSE(F::ContainsWord("组三", "组三_连 组三_不连"));
    EXPECT_TRUE(F::ContainsWord("-3", "3 -3"));
    EXPECT_FALSE(F::ContainsWord("3", "-3"));
    EXPECT_FALSE(F::ContainsWord("7", "7,8")); // only the blank separates tokens
    EXPECT_TRUE(F::ContainsWord("7", "5  7"));
    EXPECT_FALSE(F::ContainsWord("7", ""));
    EXPECT_FALSE(F::ContainsWord("", "7 "));
    EXPECT_FALSE(F::ContainsWord("", ""));
}

TEST(AttributesSplitText, KeepEmptyDecidesAboutBlankPieces) {
    using Pieces = std::vector<std::string>;
    EXPECT_EQ(F::SplitText(",", "a,,b", true), (Pieces{"a", "", "b"}));
    EXPECT_EQ(F::SplitText(",", "a,,b", false), (Pieces{"a", "b"}));
    EXPECT_EQ(F::SplitText(",", "a, ,b, c ", false), (Pieces{"a", "b", " c "})); // kept pieces untrimmed
    EXPECT_EQ(F::SplitText(",", "a, ,b", true), (Pieces{"a", " ", "b"}));
    EXPECT_EQ(F::SplitText(",", "", true), (Pieces{""}));
    EXPECT_EQ(F::SplitText(",", "", false), (Pieces{}));
    EXPECT_EQ(F::SplitText(",", "a,", true), (Pieces{"a", ""}));
    EXPECT_EQ(F::SplitText("&", "合值~1 3~1~0&合值大小~大数~0~1&", false),
              (Pieces{"合值~1 3~1~0", "合值大小~大数~0~1"}));
    EXPECT_EQ(F::SplitText(",", ",,,,,0,1,,A", true).size(), 9u);
    EXPECT_EQ(F::SplitText("~~", "a~~b~c", false), (Pieces{"a", "b~c"}));
    EXPECT_EQ(F::SplitText("", "a,b", false), (Pieces{"a,b"}));
    EXPECT_EQ(F::SplitText(" ", "百位号 十位号  个位号", false), (Pieces{"百位号", "十位号", "个位号"}));
}

TEST(AttributesSort, SortsInPlaceAscending) {
    DigitArray digits{9, 0, 5, 0, 3};
    F::SortDigits(digits);
    EXPECT_EQ(digits, (DigitArray{0, 0, 3, 5, 9}));
    std::vector<int> values{500, 42, 5, 999, 42};
    F::SortIntegers(values);
    EXPECT_EQ(values, (std::vector<int>{5, 42, 42, 500, 999}));
}

TEST(AttributesValueClasses, WordsOfSumTailAndSpan) {
    const DigitArray n258{2, 5, 8};
    EXPECT_EQ(digitSum(n258), 15);
    const int tail = sumTail(n258);
    EXPECT_EQ(tail, 5);
    EXPECT_EQ(attributeWordOf(AttributeId::SumTailSize, 258), "大数");
    EXPECT_EQ(attributeWordOf(AttributeId::SumTailParity, 258), "奇数");
    EXPECT_EQ(attributeWordOf(AttributeId::SumTailPrime, 258), "质数");
    EXPECT_EQ(bigMidSmallWord(tail), "中");
    EXPECT_EQ(routeWord(tail), "2路");
    const int span = digitSpan(n258);
    EXPECT_EQ(span, 6);
    EXPECT_EQ(attributeWordOf(AttributeId::SpanSize, 258), "大数");
    EXPECT_EQ(attributeWordOf(AttributeId::SpanParity, 258), "偶数");
    EXPECT_EQ(attributeWordOf(AttributeId::SpanPrime, 258), "合数");
    EXPECT_EQ(bigMidSmallWord(span), "中");
    EXPECT_EQ(routeWord(span), "0路");

    const DigitArray n000{0, 0, 0};
    EXPECT_EQ(attributeWordOf(AttributeId::SumTailPrime, 0), "合数");
    EXPECT_EQ(attributeWordOf(AttributeId::SpanSize, 0), "小数");
    EXPECT_EQ(bigMidSmallWord(digitSpan(n000)), "小");
    EXPECT_EQ(routeWord(sumTail(n000)), "0路");
    EXPECT_EQ(sumTail({9, 9, 9}), 7);
    EXPECT_EQ(digitSum({9, 9, 9, 9}), 27); // a four-digit draw sums its first three
}

TEST(AttributesValueClasses, DigitWordsForEveryValue) {
    std::string big, odd, prime;
    for (int v = 0; v <= 9; ++v) {
        big += binaryWord(BinaryMode::Big, v);
        odd += binaryWord(BinaryMode::Odd, v);
        prime += binaryWord(BinaryMode::Prime, v);
    }
    EXPECT_EQ(big, "小小小小小大大大大大");
    EXPECT_EQ(odd, "偶奇偶奇偶奇偶奇偶奇");
    EXPECT_EQ(prime, "合质质质合质合质合合"); // 1 counts as prime
    EXPECT_FALSE(isPrime(-1));
    EXPECT_FALSE(isPrime(11));
}

TEST(AttributesCountPatterns, FamilyWordsFollowPatternOrder) {
    EXPECT_EQ(countPatternIndex("120"), 3);
    EXPECT_EQ(countPatternIndex("12"), -1);
    EXPECT_EQ(countPatternIndex(1, 1, 2), -1);
    EXPECT_EQ(patternWord(kRepeatGapMiddleFamily, 0, 1, 2), "1隔2中");
    EXPECT_EQ(patternWord(kAdjacentIsolatedTransmittedFamily, 1, 0, 2), "1邻2传");
    EXPECT_EQ(patternWord(kBigMidSmallFamily, 0, 1, 2), "1中2小");
    EXPECT_EQ(patternWord(kBigMidSmallFamily, 1, 1, 1), "1大1中1小");
    EXPECT_EQ(patternWord(kHotWarmColdFamily, 4, 0, 0), "");
    EXPECT_EQ(countPatternShapeWord(0, 3, 0), "a");
    EXPECT_EQ(countPatternShapeWord(1, 0, 2), "b");
    EXPECT_EQ(countPatternShapeWord(1, 1, 1), "c");
}

// The pattern words are made from the class words; these are the words the windows and charts show.
TEST(AttributesCountPatterns, EveryPatternWordOfEveryFamily) {
    const auto words = [](const PatternFamily& family) {
        std::vector<std::string> out;
        for (std::size_t i = 0; i <= kCountPatterns.size(); ++i)
            out.push_back(patternWordAt(family, i));
        return out;
    };
    using V = std::vector<std::string>;
    EXPECT_EQ(words(kRepeatGapMiddleFamily), (V{"3复", "2复1隔", "2复1中", "1复2隔", "1复1隔1中", "1复2中",
                                                "3隔", "2隔1中", "1隔2中", "3中", ""}));
    EXPECT_EQ(words(kAdjacentIsolatedTransmittedFamily), (V{"3邻", "2邻1孤", "2邻1传", "1邻2孤", "1邻1孤1传",
                                                            "1邻2传", "3孤", "2孤1传", "1孤2传", "3传", ""}));
    EXPECT_EQ(words(kHotWarmColdFamily), (V{"3热", "2热1温", "2热1冷", "1热2温", "1热1温1冷", "1热2冷", "3温",
                                            "2温1冷", "1温2冷", "3冷", ""}));
    EXPECT_EQ(words(kBigMidSmallFamily), (V{"3大", "2大1中", "2大1小", "1大2中", "1大1中1小", "1大2小", "3中",
                                            "2中1小", "1中2小", "3小", ""}));
}

TEST(AttributesDigits, ConvertsAndValidatesNumberTexts) {
    EXPECT_EQ(toDigits("027"), (DigitArray{0, 2, 7}));
    EXPECT_EQ(toNumberText({0, 2, 7}), "027");
    EXPECT_EQ(toNumberText({1, 12}), "112");
    ASSERT_TRUE(parseNumberText("027").has_value());
    EXPECT_EQ(*parseNumberText("02745"), (DigitArray{0, 2, 7, 4, 5}));
    for (std::string_view bad : {"02a", "02", "027451", "", " 027"}) {
        const auto parsed = parseNumberText(bad);
        ASSERT_FALSE(parsed.has_value()) << bad;
        EXPECT_NE(parsed.error().message.find("号码格式不正确"), std::string::npos);
    }
    EXPECT_FALSE(parseNumberText("0275", 3, 3).has_value());
}

TEST(AttributesAppPath, BuildsFilePathsBelowTheProgramFolder) {
    Get_Fun_Class functions;
    EXPECT_TRUE(functions.AppPath().empty());
    functions.setAppPath("/home/user/p3");
    EXPECT_EQ(functions.AppPath(), std::filesystem::path("/home/user/p3"));
    EXPECT_EQ(functions.appFile("Qiu\\GuoLv\\"), std::filesystem::path("/home/user/p3/Qiu/GuoLv"));
    EXPECT_EQ(functions.appFile("Data/MDB.sqlite"), std::filesystem::path("/home/user/p3/Data/MDB.sqlite"));
    EXPECT_EQ(functions.appFile("Sys_Set.ini"), std::filesystem::path("/home/user/p3/Sys_Set.ini"));
}

} // namespace
} // namespace p3::core
