#include "core/attributes/bias_classes.h"

#include <cstdint>
#include <utility>

namespace p3::core {

namespace {

constexpr std::uint8_t kNoClass = 0xFF;

constexpr bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

constexpr int sortedKey(int a, int b, int c) {
    if (a > b) std::swap(a, b);
    if (b > c) std::swap(b, c);
    if (a > b) std::swap(a, b);
    return a * 100 + b * 10 + c;
}

/// Calls f(key) for every three-digit entry of a member list.
template <typename F> constexpr void forEachMember(std::string_view members, F&& f) {
    for (std::size_t i = 0; i + 3 <= members.size();) {
        if (isDigit(members[i]) && isDigit(members[i + 1]) && isDigit(members[i + 2])) {
            f((members[i] - '0') * 100 + (members[i + 1] - '0') * 10 + (members[i + 2] - '0'));
            i += 3;
        } else {
            ++i;
        }
    }
}

/// Class of each sorted combination key; the first class in test order that lists it wins.
constexpr std::array<std::uint8_t, 1000> buildCombinationClasses() {
    std::array<std::uint8_t, 1000> classes{};
    classes.fill(kNoClass);
    for (std::size_t k = 0; k < kTrueBiasClass; ++k)
        forEachMember(kBiasClasses[k].members, [&](int key) {
            if (classes[static_cast<std::size_t>(key)] == kNoClass)
                classes[static_cast<std::size_t>(key)] = static_cast<std::uint8_t>(k);
        });
    for (int n = 0; n < 1000; ++n)
        if (sortedKey(n / 100, n / 10 % 10, n % 10) == n && classes[static_cast<std::size_t>(n)] == kNoClass)
            classes[static_cast<std::size_t>(n)] = kTrueBiasClass;
    return classes;
}

/// Class of every number 000..999 in any digit order, so a lookup needs no sorting.
constexpr std::array<std::uint8_t, 1000> buildNumberClasses() {
    const auto byCombination = buildCombinationClasses();
    std::array<std::uint8_t, 1000> classes{};
    for (int n = 0; n < 1000; ++n)
        classes[static_cast<std::size_t>(n)] =
            byCombination[static_cast<std::size_t>(sortedKey(n / 100, n / 10 % 10, n % 10))];
    return classes;
}

// The member lists must be sorted combinations, listed once in all the table,
// and the explicit 真正 list must be exactly what the other fifteen leave over.
constexpr bool memberListsAreSound() {
    std::array<int, 1000> listed{};
    for (const auto& bias : kBiasClasses) {
        bool sorted = true;
        forEachMember(bias.members, [&](int key) {
            sorted = sorted && sortedKey(key / 100, key / 10 % 10, key % 10) == key;
            ++listed[static_cast<std::size_t>(key)];
        });
        if (!sorted) return false;
    }
    std::size_t combinations = 0;
    for (int n = 0; n < 1000; ++n) {
        const bool isCombination = sortedKey(n / 100, n / 10 % 10, n % 10) == n;
        combinations += isCombination ? 1 : 0;
        if (listed[static_cast<std::size_t>(n)] != (isCombination ? 1 : 0)) return false;
    }
    return combinations == 220;
}
static_assert(memberListsAreSound(),
              "bias class member lists must be disjoint and cover the 220 combinations");

constexpr std::array<std::uint8_t, 1000> kNumberClasses = buildNumberClasses();

/// The 二细分 and 三细分 values of each group, indexed by BiasGroup.
struct GroupSummary {
    int twoWay;
    int threeWay;
};
constexpr std::array<GroupSummary, 3> kGroupSummaries{{
    {0, 0}, // Lean: 偏假, 偏态
    {0, 1}, // FalsePair: 偏假, 假对子
    {1, 2}, // True: 真正, 真正
}};

const GroupSummary* summaryOf(int classIndex) noexcept {
    if (classIndex < 0 || classIndex >= int(kBiasClasses.size())) return nullptr;
    return &kGroupSummaries[static_cast<std::size_t>(
        kBiasClasses[static_cast<std::size_t>(classIndex)].group)];
}

constexpr bool displayOrderIsPermutation() {
    std::array<int, 16> seen{};
    for (int c : kBiasDisplayOrder) {
        if (c < 0 || c >= 16) return false;
        ++seen[static_cast<std::size_t>(c)];
    }
    for (int n : seen)
        if (n != 1) return false;
    return true;
}
static_assert(displayOrderIsPermutation(), "the display order must list every bias class once");

} // namespace

int biasClassIndex(int a, int b, int c) noexcept {
    if (a < 0 || a > 9 || b < 0 || b > 9 || c < 0 || c > 9) return -1;
    return kNumberClasses[static_cast<std::size_t>(a * 100 + b * 10 + c)];
}

int biasClassIndexOfCombination(std::string_view combination) noexcept {
    if (combination.size() != 3 || !isDigit(combination[0]) || !isDigit(combination[1]) ||
        !isDigit(combination[2]))
        return -1;
    return biasClassIndex(combination[0] - '0', combination[1] - '0', combination[2] - '0');
}

std::string_view biasClassName(int classIndex) noexcept {
    if (classIndex < 0 || classIndex >= int(kBiasClasses.size())) return {};
    return kBiasClasses[static_cast<std::size_t>(classIndex)].name;
}

int biasTwoWayIndex(int classIndex) noexcept {
    const GroupSummary* summary = summaryOf(classIndex);
    return summary ? summary->twoWay : -1;
}

int biasThreeWayIndex(int classIndex) noexcept {
    const GroupSummary* summary = summaryOf(classIndex);
    return summary ? summary->threeWay : -1;
}

int biasDisplayPosition(int classIndex) noexcept {
    for (std::size_t i = 0; i < kBiasDisplayOrder.size(); ++i)
        if (kBiasDisplayOrder[i] == classIndex) return static_cast<int>(i);
    return -1;
}

char biasTwoWayMark(int classIndex) noexcept {
    const int v = biasTwoWayIndex(classIndex);
    return v < 0 ? '\0' : kBiasTwoWayValues[static_cast<std::size_t>(v)].mark;
}

char biasThreeWayMark(int classIndex) noexcept {
    const int v = biasThreeWayIndex(classIndex);
    return v < 0 ? '\0' : kBiasThreeWayValues[static_cast<std::size_t>(v)].mark;
}

std::string_view biasTwoWayWord(int classIndex) noexcept {
    const int v = biasTwoWayIndex(classIndex);
    return v < 0 ? std::string_view{} : kBiasTwoWayValues[static_cast<std::size_t>(v)].word;
}

std::string_view biasThreeWayWord(int classIndex) noexcept {
    const int v = biasThreeWayIndex(classIndex);
    return v < 0 ? std::string_view{} : kBiasThreeWayValues[static_cast<std::size_t>(v)].word;
}

} // namespace p3::core
