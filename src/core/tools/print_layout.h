#pragma once
/// The print hand-off: number lists laid out as text lines in print_data.txt, with the title and the
/// count left in Sys_Set.ini for the print program.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/common/error.h"

namespace p3::core {

inline constexpr std::string_view kPrintDataFileName = "print_data.txt";
/// The print program the hand-off starts, in the program folder.
inline constexpr std::string_view kPrintProgramName = "pick3-print";

/// The choices of the three layout boxes.
inline constexpr std::string_view kPrintSeparators[] = {"-", ",", " "};
inline constexpr int kPrintBlankIntervals[] = {5, 10, 15, 20, 1000};

/// The layout settings of the print window, with its defaults.
struct PrintLayout {
    std::string separator = ",";
    int columns = 6;       ///< numbers a line, 1..10
    int blankInterval = 5; ///< an empty line after this many lines
    bool sequence = false; ///< "标记序号"
};

/// Refuses a layout value that is not one of the boxes' choices.
[[nodiscard]] Status checkPrintLayout(const PrintLayout& layout);

/// The lines of print_data.txt: entries of prefix and digits joined by the separator, `columns` to a line,
/// an empty line after every `blankInterval` lines. The prefix is three blanks, or with sequence numbers
/// the 1-based number and ": " padded on the left to 8 characters.
std::vector<std::string> buildPrintLines(const std::vector<std::string>& numbers, const PrintLayout& layout);

/// The title the window proposes: name + " 第" + (newest period + 1) + " 期投注结果".
std::string proposedPrintTitle(std::string_view lotteryName, std::string_view newestPeriod);
/// The label "共：" + count + "注".
std::string printCountLabel(std::size_t count);

/// "打印": writes print_data.txt to the home and print_param/title and print_param/Zhushu to its
/// Sys_Set.ini; returns the lines written.
[[nodiscard]] Result<std::vector<std::string>> writePrintHandoff(const std::filesystem::path& home,
                                                                 const std::vector<std::string>& numbers,
                                                                 const PrintLayout& layout,
                                                                 std::string_view title);

/// What the print program reads back.
struct PrintHandoff {
    std::string title;
    long count = 0;
    std::vector<std::string> lines;
};

/// Reads print_data.txt and the print_param settings of the home.
[[nodiscard]] Result<PrintHandoff> readPrintHandoff(const std::filesystem::path& home);

} // namespace p3::core
