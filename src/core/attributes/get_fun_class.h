#pragma once
/// The attribute operations every window shares: how a number classifies by itself, against earlier draws and
/// by bias.
#include "core/attributes/attribute_tables.h"
#include "core/attributes/bias_classes.h"
#include "core/attributes/digits.h"
#include "core/attributes/value_classes.h"

#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace p3::core {

/// 组选类型 of the first three digits, or -1 when there are fewer than three.
int groupTypeIndex(const DigitArray& digits) noexcept;

/// 群号 code 0..9 of the first three digits (see GetOrderShapeText), or -1 when there are fewer than three.
int orderShapeCode(const DigitArray& digits) noexcept;

class Get_Fun_Class {
public:
    Get_Fun_Class() = default;
    explicit Get_Fun_Class(std::filesystem::path appPath) : m_appPath(std::move(appPath)) {}

    /// The program folder; every file of the workbench lives below it.
    const std::filesystem::path& AppPath() const noexcept { return m_appPath; }
    void setAppPath(std::filesystem::path appPath) { m_appPath = std::move(appPath); }

    /// A file below the program folder, the relative path written with "\" or "/" ("Qiu\GuoLv\").
    std::filesystem::path appFile(std::string_view relativePath) const;

    // ---- Classification of a number by itself ----

    /// Letter "A".."J" of the 012-route count pattern of the first three digits; a pattern outside the
    /// table (fewer than three digits, or a digit outside 0..9, which counts in no route) comes back as
    /// itself.
    static std::string GetRouteLetter(const DigitArray& digits);

    /// "大"/"中"/"小" for every entry (7..9, 3..6, 0..2).
    static std::string GetBigMidSmallText(const DigitArray& digits);

    /// The true or false word for every entry under `mode` (1 big, 2 odd, 3 prime); with `pattern`, the
    /// count words of the first three ("2小1大"), empty when there are fewer than three. An unknown mode
    /// gives "".
    static std::string GetBinaryAttributeText(const DigitArray& digits, int mode, std::string_view trueWord,
                                              std::string_view falseWord, bool pattern);

    /// How many characters of the number text occur in the set text; repeated digits count each time.
    static int CountDigitsInSet(std::string_view numberText, std::string_view setText) noexcept;

    /// The candidate characters that occur in the reference text, in candidate order.
    static std::string KeepDigitsInSet(std::string_view reference, std::string_view candidate);

    /// The candidate characters that do not occur in the reference text, in candidate order.
    static std::string KeepDigitsNotInSet(std::string_view reference, std::string_view candidate);

    /// The number text's characters whose attribute word equals `word` ("大小大", "大", "528" → "58"), or
    /// with `countOnly` how many words match, as decimal text.
    static std::string GetDigitsWithAttribute(std::string_view word, std::string_view attributeText,
                                              bool countOnly, std::string_view numberText);

    /// 跨度 of the first three digits.
    static int GetSpan(const DigitArray& digits) noexcept { return digitSpan(digits); }

    /// "豹子", "组三", "顺子", "半顺" or "杂六" (8-9-0 and 9-0-1 are straights); empty for fewer than three
    /// digits.
    static std::string_view GetGroupTypeText(const DigitArray& digits) noexcept;

    /// Shape code 0..9 (labels in kShapeCodeLabels), or -1 for fewer than three digits.
    static int GetShapeCode(const DigitArray& digits) noexcept;

    /// "0号".."9号": where the smallest, middle and largest digit stand; empty for fewer than three digits.
    static std::string_view GetOrderShapeText(const DigitArray& digits) noexcept;

    /// 连号 run lengths of the sorted digits ("0" when none, the longer first when there are two: "32").
    static std::string GetConsecutiveRuns(const DigitArray& digits);

    /// Whether `word` is one of the blank-separated tokens of `list`; an empty word is never found.
    static bool ContainsWord(std::string_view word, std::string_view list) noexcept;

    /// The pieces of `text` between occurrences of `separator`; pieces that are blank are dropped unless
    /// `keepEmpty`, kept pieces are not trimmed. An empty separator leaves the text whole.
    static std::vector<std::string> SplitText(std::string_view separator, std::string_view text,
                                              bool keepEmpty);

    static void SortDigits(DigitArray& digits) noexcept;
    static void SortIntegers(std::span<int> values) noexcept;

    // ---- Attributes against earlier draws ----

    /// "复"/"隔"/"中" per digit: in the last draw, else in the draw before it, else neither; or the pattern
    /// word. The pattern words of this and the next two read the first three digits; fewer than three give
    /// "".
    static std::string GetRepeatGapMiddle(std::string_view numberText, std::string_view lastDraw,
                                          std::string_view drawBeforeLast, bool pattern);

    /// The two neighbours of every digit of a draw, in order and with repeats ("158" → "024679"; 0 and 9
    /// neighbour).
    static std::string GetNeighbourDigits(std::string_view draw);

    /// "传" per digit in the last draw, else "邻" for a neighbour of one of its digits, else "孤"; or the
    /// pattern word.
    static std::string GetAdjacentIsolatedTransmitted(std::string_view numberText, std::string_view lastDraw,
                                                      bool pattern);

    /// "热" (3 or more), "温" (2) or "冷" (0, 1) per digit by its occurrences in the recent draws; or the
    /// pattern word.
    static std::string GetHotWarmCold(std::string_view numberText, std::span<const std::string> recentDraws,
                                      bool pattern);

    // ---- Bias class ----

    /// The bias class name of the first three digits in any order; empty for fewer than three digits or a
    /// digit outside 0..9.
    static std::string_view GetBiasClass(const DigitArray& digits) noexcept;

private:
    std::filesystem::path m_appPath;
};

} // namespace p3::core
