#pragma once
/// Number lists as text: the number text files of the shrink window and the set tool, and the memo
/// layout of the workbench pages.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/common/error.h"
#include "core/common/utf8.h"

namespace p3::core {

/// The UTF-8 characters of a text, each as its own string.
[[nodiscard]] std::vector<std::string> splitCharacters(std::string_view text);

/// The set tool's reader: each line split at blanks, tokens gathered until exactly three characters
/// make a number; when a gathering grows beyond three, the current token is taken alone if it has
/// three characters and the gathering starts afresh. A partial number does not carry over to the next
/// line. Characters (not bytes) are counted and not checked to be digits.
[[nodiscard]] std::vector<std::string> readNumberTokens(std::string_view text);

/// A number text file (GBK or UTF-8) read with readNumberTokens.
[[nodiscard]] Result<std::vector<std::string>> readNumberTextFile(const std::filesystem::path& file);

/// The bet list as a file text: one number a line, its characters separated by single blanks ("0 1 2").
[[nodiscard]] std::string formatBetListText(const std::vector<std::string>& numbers);

/// Writes a text atomically in GBK (the bet list through formatBetListText, memos as displayed).
[[nodiscard]] Status writeNumberTextFile(const std::filesystem::path& file, std::string_view text);

/// The name a save dialog's choice is stored under: ".txt" appended when the name has no ".".
[[nodiscard]] std::filesystem::path numberFileName(const std::filesystem::path& chosen);

/// Memo text: numbers joined by one blank, `columns` numbers a line (1..10), lines joined by "\n".
[[nodiscard]] std::string LayoutNumbers(const std::vector<std::string>& numbers, int columns);

/// The tokens of exactly three characters of a memo text, in order.
[[nodiscard]] std::vector<std::string> ReadMemoNumbers(std::string_view text);

/// Every blank-separated token of a memo text ("结果过滤" takes them all as bet list rows).
[[nodiscard]] std::vector<std::string> memoTokens(std::string_view text);

/// "新增号码": the digit characters of the answer; exactly three make the number, anything else is
/// refused with "投注号码格式不正确!".
[[nodiscard]] Result<std::string> parseNewBetNumber(std::string_view answer);

/// The count label of the bet list: "共: " n " 注".
[[nodiscard]] std::string betCountLabel(std::size_t count);

} // namespace p3::core
