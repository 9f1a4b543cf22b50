#pragma once
/// Draw text files (export, import, download): one draw a line, the period, then the digits.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/common/error.h"
#include "core/history/draw_list.h"

namespace p3::core {

/// What reading a draw text gave: the draws before the first bad line, and the bad line's message.
struct DrawTextParse {
    DrawList draws;
    std::optional<Error> error; ///< "第" + period + "期 奖号格式有问题", or a period that is no number
};

/// Reads draw lines: pieces separated by blanks or tabs, the first the period, the others joined
/// as the digits. Blank lines are skipped. With digitCount 0 the first draw's length sets it.
DrawTextParse parseDrawText(std::string_view text, int digitCount);

/// Reads a draw text file (UTF-8 or GBK); a file that cannot be read is an error.
[[nodiscard]] Result<DrawTextParse> readDrawTextFile(const std::string& path, int digitCount);

/// A public-number list, one number a line (blanks inside a line ignored, blank lines skipped). Every
/// number must be digits only, at least `digitCount` of them (only the first digitCount take part)
/// and at most five; anything else is refused naming its line, since the track table would read
/// letters or a short number as digits it does not have.
[[nodiscard]] Result<std::vector<std::string>> parsePublicNumbers(std::string_view text, int digitCount);

/// The export form: period, one blank, digits, a line each.
std::string formatDrawText(const DrawList& draws, std::string_view eol = "\r\n");

} // namespace p3::core
