#include "core/export/table_export.h"

#include <xlsxwriter.h>

#include <cstdlib>
#include <fstream>
#include <regex>
#include <system_error>
#include <unistd.h>

namespace p3::core {
namespace {

std::filesystem::path temporaryBeside(const std::filesystem::path& file) {
    return file.parent_path() / ("." + file.filename().string() + ".part-" + std::to_string(::getpid()));
}

Status checkFolder(const std::filesystem::path& file) {
    if (file.empty()) return fail("请输入文件名!");
    std::error_code ec;
    const std::filesystem::path folder =
        file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
    if (!std::filesystem::is_directory(folder, ec)) return fail("找不到文件夹: " + folder.string());
    return {};
}

Status moveInPlace(const std::filesystem::path& temporary, const std::filesystem::path& file) {
    std::error_code ec;
    std::filesystem::rename(temporary, file, ec);
    if (ec) {
        std::filesystem::remove(temporary, ec);
        return fail("无法写入文件: " + file.string());
    }
    return {};
}

bool isPlainNumber(const std::string& text) {
    static const std::regex number(R"(-?\d{1,15}(\.\d{1,6})?)");
    // Texts with leading zeros ("007", period numbers kept as text) stay text.
    if (text.size() > 1 && text[0] == '0' && text[1] != '.') return false;
    return std::regex_match(text, number);
}

std::string cleanCell(const std::string& text) {
    std::string out = text;
    for (char& c : out)
        if (c == '\t' || c == '\n' || c == '\r') c = ' ';
    return out;
}

} // namespace

Status writeTablesXlsx(const std::vector<TextTable>& tables, const std::filesystem::path& file) {
    if (auto ok = checkFolder(file); !ok) return ok;
    const auto temporary = temporaryBeside(file);
    lxw_workbook* book = workbook_new(temporary.string().c_str());
    if (!book) return fail("无法写入文件: " + file.string());
    lxw_format* caption = workbook_add_format(book);
    format_set_bold(caption);
    format_set_font_name(caption, "宋体");
    lxw_format* plain = workbook_add_format(book);
    format_set_font_name(plain, "宋体");
    for (const TextTable& table : tables) {
        lxw_worksheet* sheet = workbook_add_worksheet(book, table.name.c_str());
        if (!sheet) {
            workbook_close(book);
            std::error_code ec;
            std::filesystem::remove(temporary, ec);
            return fail("无法写入文件: " + file.string());
        }
        worksheet_set_column(sheet, 0, static_cast<lxw_col_t>(table.captions.size()), 12, nullptr);
        for (std::size_t c = 0; c < table.captions.size(); ++c)
            worksheet_write_string(sheet, 0, static_cast<lxw_col_t>(c), table.captions[c].c_str(), caption);
        for (std::size_t r = 0; r < table.rows.size(); ++r)
            for (std::size_t c = 0; c < table.rows[r].size(); ++c) {
                const std::string& cell = table.rows[r][c];
                const auto row = static_cast<lxw_row_t>(r + 1);
                const auto col = static_cast<lxw_col_t>(c);
                if (isPlainNumber(cell))
                    worksheet_write_number(sheet, row, col, std::strtod(cell.c_str(), nullptr), plain);
                else
                    worksheet_write_string(sheet, row, col, cell.c_str(), plain);
            }
    }
    const lxw_error closed = workbook_close(book);
    if (closed != LXW_NO_ERROR) {
        std::error_code ec;
        std::filesystem::remove(temporary, ec);
        return fail("无法写入文件 (" + std::string(lxw_strerror(closed)) + "): " + file.string());
    }
    return moveInPlace(temporary, file);
}

std::string tableTsv(const TextTable& table) {
    std::string out;
    const auto line = [&](const std::vector<std::string>& cells) {
        for (std::size_t i = 0; i < cells.size(); ++i)
            out += (i ? "\t" : "") + cleanCell(cells[i]);
        out += '\n';
    };
    line(table.captions);
    for (const auto& row : table.rows)
        line(row);
    return out;
}

Status writeTableTsv(const TextTable& table, const std::filesystem::path& file) {
    if (auto ok = checkFolder(file); !ok) return ok;
    const auto temporary = temporaryBeside(file);
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << tableTsv(table);
        out.flush();
        if (!out) {
            std::error_code ec;
            std::filesystem::remove(temporary, ec);
            return fail("无法写入文件: " + file.string());
        }
    }
    return moveInPlace(temporary, file);
}

} // namespace p3::core
