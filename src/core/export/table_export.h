#pragma once
/// Plain tables (a caption row and rows of cell texts) written as a spreadsheet or as TSV text.
#include <filesystem>
#include <string>
#include <vector>

#include "core/common/error.h"

namespace p3::core {

struct TextTable {
    std::string name; ///< the sheet name
    std::vector<std::string> captions;
    std::vector<std::vector<std::string>> rows;
};

/// One sheet per table, captions in bold on the first row; cells that are plain decimal numbers are
/// written as numbers. The file is replaced only when complete.
[[nodiscard]] Status writeTablesXlsx(const std::vector<TextTable>& tables, const std::filesystem::path& file);

/// The table as UTF-8 TSV: the captions, then one line per row. The file is replaced only when complete.
[[nodiscard]] Status writeTableTsv(const TextTable& table, const std::filesystem::path& file);

/// The TSV text of a table (LF line ends; TABs and line breaks inside cells become blanks).
[[nodiscard]] std::string tableTsv(const TextTable& table);

} // namespace p3::core
