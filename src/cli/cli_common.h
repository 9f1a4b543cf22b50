#pragma once
/// What every pick3 subcommand shares: the home folder, the database and the history to work on.
#include <CLI/CLI.hpp>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/common/error.h"
#include "core/history/draw_list.h"
#include "core/store/draw_database.h"

namespace p3::cli {

/// Thrown by a command to end with the system's message on stderr and exit status 2.
struct CommandError {
    std::string message;
};

/// Options given before or after the subcommand name.
struct GlobalOptions {
    std::optional<std::string> home;
};

/// Adds the subcommand `name` with its one-line description and its footer. Its options live as long as
/// the command line does: `run` gets them with the global options when the subcommand is chosen.
template <typename Options, typename Run>
std::pair<CLI::App*, std::shared_ptr<Options>> addCommand(CLI::App& parent, const GlobalOptions& global,
                                                          std::string name, std::string about,
                                                          std::string footer, Run run) {
    auto options = std::make_shared<Options>();
    auto* command = parent.add_subcommand(std::move(name), std::move(about));
    command->footer(std::move(footer));
    command->callback([&global, options, run] { run(global, *options); });
    return {command, options};
}

/// The home folder, made from the template when it does not exist yet.
std::filesystem::path homeFolder(const GlobalOptions& global);

/// The home's draw database, opened.
core::DrawDatabase openDatabase(const GlobalOptions& global);

/// Where a command reads its history from: a draw file or a lottery of the database.
struct HistoryOptions {
    std::optional<std::string> drawsFile;
    std::optional<std::string> lottery;
    std::optional<std::string> publicFile;
    std::optional<int> digits;
};

/// A history ready for the engines.
struct History {
    core::CurrentLottery lottery;
    core::DrawList draws;
    std::vector<std::string> publicNumbers;
    int digitCount = 3;
};

void addHistoryOptions(CLI::App* command, HistoryOptions& options, bool withPublic = true,
                       bool withDigits = false);
History loadHistory(const GlobalOptions& global, const HistoryOptions& options);

/// The check of every integer option: decimal digits only (a "-" only where negatives are allowed; no
/// "+", no blanks, no "0x" or octal reading), within lowest..highest. Without it the option parser
/// reads "-1" into an unsigned option as its largest value and a number that does not fit as the
/// largest that does.
CLI::Validator integerIn(std::int64_t lowest, std::int64_t highest);

/// The same check for a value taken apart by hand (e.g. the ROW of ROW=MULTIPLE); the option name
/// heads the message.
std::int64_t parseIntegerIn(std::string_view option, std::string_view text, std::int64_t lowest,
                            std::int64_t highest);

/// Unwraps a core result or ends the command with its message.
template <typename T> T take(core::Result<T> result) {
    if (!result) throw CommandError{result.error().message};
    return std::move(*result);
}
inline void take(core::Status status) {
    if (!status) throw CommandError{status.error().message};
}

/// The lottery of that name in the home database, or the current one of Sys_Set.ini; unknown is an error.
core::LotteryInfo requireLottery(core::DrawDatabase& db, const GlobalOptions& global,
                                 const std::optional<std::string>& name);

/// Writes one TSV record: fields joined by TAB, LF at the end.
void printRecord(const std::vector<std::string>& fields);

/// Ends a listing: standard output flushed first, so the caption on standard error follows the list.
void printCaption(const std::string& caption);

/// Writes one number a line, then its caption on standard error.
void printNumbers(const std::vector<std::string>& numbers, const std::string& caption);

// Subcommand registration; each lives in its own file.
void registerTrackCommand(CLI::App& app, const GlobalOptions& global);
void registerLotteryCommand(CLI::App& app, const GlobalOptions& global);
void registerDrawsCommand(CLI::App& app, const GlobalOptions& global);
void registerImportExportCommands(CLI::App& app, const GlobalOptions& global);
void registerStatsCommand(CLI::App& app, const GlobalOptions& global);
void registerChartCommand(CLI::App& app, const GlobalOptions& global);
void registerFixedChartCommand(CLI::App& app, const GlobalOptions& global);
void registerUpdateCommands(CLI::App& app, const GlobalOptions& global);
void registerSetsCommand(CLI::App& app, const GlobalOptions& global);
void registerBetPlanCommand(CLI::App& app, const GlobalOptions& global);
void registerPrintLayoutCommand(CLI::App& app, const GlobalOptions& global);
void registerFilterCommand(CLI::App& app, const GlobalOptions& global);
void registerIntersectCommand(CLI::App& app, const GlobalOptions& global);
void registerConvertCommand(CLI::App& app, const GlobalOptions& global);
void registerBacktestCommand(CLI::App& app, const GlobalOptions& global);
void registerServeCommand(CLI::App& app, const GlobalOptions& global);

} // namespace p3::cli
