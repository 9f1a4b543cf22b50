#include "core/export/bet_plan_xlsx.h"

#include <xlsxwriter.h>

#include "core/io/atomic_write.h"

#include <string>
#include <system_error>
#include <unistd.h>

namespace p3::core {
namespace {

constexpr lxw_color_t kGreen = 0x008000;
constexpr lxw_color_t kNavy = 0x000080;
constexpr lxw_color_t kGrey = 0x808080;

lxw_format* cellFormat(lxw_workbook* book, lxw_color_t colour, double size, bool bold) {
    lxw_format* f = workbook_add_format(book);
    format_set_font_name(f, "宋体");
    format_set_font_size(f, size);
    format_set_font_color(f, colour);
    if (bold) format_set_bold(f);
    format_set_align(f, LXW_ALIGN_CENTER);
    format_set_align(f, LXW_ALIGN_VERTICAL_CENTER);
    format_set_border(f, LXW_BORDER_THIN);
    return f;
}

} // namespace

Status writeBetPlanXlsx(const BetPlan& plan, const BetPlanInputs& inputs, const std::filesystem::path& file) {
    if (auto named = checkSaveName(file); !named) return named;
    // The workbook is renamed over the target, which would replace a file the user marked read-only.
    if (auto writable = checkWritableTarget(file); !writable) return writable;
    std::error_code exists;
    const std::filesystem::path folder =
        file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
    if (!std::filesystem::is_directory(folder, exists)) return fail("找不到文件夹: " + folder.string());
    const std::filesystem::path temporary =
        file.parent_path() / ("." + file.filename().string() + ".part-" + std::to_string(::getpid()));
    lxw_workbook* book = workbook_new(temporary.string().c_str());
    if (!book) return fail("无法写入文件: " + file.string());
    lxw_worksheet* sheet = workbook_add_worksheet(book, "test");

    lxw_format* title = cellFormat(book, kGreen, 18, false);
    lxw_format* caption = cellFormat(book, kNavy, 12, false);
    lxw_format* grey = cellFormat(book, kGrey, 12, false);
    lxw_format* plain = cellFormat(book, LXW_COLOR_BLACK, 12, false);
    lxw_format* label = cellFormat(book, kGreen, 12, true);

    worksheet_set_column(sheet, 0, 6, 13, nullptr);
    worksheet_merge_range(sheet, 0, 0, 0, 6, std::string(kBetPlanSheetTitle).c_str(), title);
    for (lxw_col_t c = 0; c < 7; ++c)
        worksheet_write_string(sheet, 1, c, std::string(kBetPlanCaptions[c]).c_str(), caption);

    lxw_row_t r = 2;
    for (const BetPlanRow& row : plan.rows) {
        worksheet_write_number(sheet, r, 0, row.period, grey);
        worksheet_write_number(sheet, r, 1, static_cast<double>(row.multiple), plain);
        worksheet_write_number(sheet, r, 2, row.cost.toDouble(), plain);
        worksheet_write_number(sheet, r, 3, row.cumulative.toDouble(), plain);
        worksheet_write_number(sheet, r, 4, row.prize.toDouble(), plain);
        worksheet_write_number(sheet, r, 5, row.profit.toDouble(), plain);
        worksheet_write_string(sheet, r, 6, row.rateText.c_str(), plain);
        ++r;
    }

    // Summary: one empty row after the table, then three rows of label and value pairs.
    const lxw_row_t s = r + 1;
    auto pair = [&](lxw_row_t row, lxw_col_t col, const std::string& text, const std::string& value) {
        worksheet_write_string(sheet, row, col, text.c_str(), label);
        worksheet_write_string(sheet, row, col + 1, value.c_str(), plain);
    };
    worksheet_merge_range(sheet, s, 0, s, 1, "当期投入:", label);
    worksheet_write_string(sheet, s, 2, (formatExact(inputs.unitCost) + "元").c_str(), plain);
    pair(s, 3, "中奖奖金:", formatExact(inputs.unitPrize) + "元");
    worksheet_merge_range(sheet, s + 1, 0, s + 1, 1, "起始倍数:", label);
    worksheet_write_string(sheet, s + 1, 2, (std::to_string(inputs.startMultiple) + "倍").c_str(), plain);
    pair(s + 1, 3, "倍投期数:", std::to_string(inputs.periods) + "期");
    worksheet_merge_range(sheet, s + 2, 0, s + 2, 1, "中奖利润率:", label);
    worksheet_write_string(sheet, s + 2, 2, (">=" + formatExact(inputs.rate) + "%").c_str(), plain);

    const lxw_error closed = workbook_close(book);
    std::error_code ec;
    if (closed != LXW_NO_ERROR) {
        std::filesystem::remove(temporary, ec);
        return fail("无法写入文件 (" + std::string(lxw_strerror(closed)) + "): " + file.string());
    }
    std::filesystem::rename(temporary, file, ec);
    if (ec) {
        std::filesystem::remove(temporary, ec);
        return fail("无法写入文件: " + file.string());
    }
    return {};
}

} // namespace p3::core
