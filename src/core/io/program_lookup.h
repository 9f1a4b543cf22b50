#pragma once
/// Finding the helper programs the workbench starts (the print program, the desktop's calculator).
#include <array>
#include <filesystem>
#include <optional>
#include <span>
#include <string_view>

namespace p3::core {

/// An executable file of that name in one of the folders of a PATH-style list (":"-separated); an empty
/// entry stands for the current folder, as the shell takes it.
[[nodiscard]] std::optional<std::filesystem::path> findOnPath(std::string_view name,
                                                              std::string_view pathList);

/// Where a program of the workbench is: beside the running program first (an installed layout keeps them
/// together), then on PATH, then in the home, then in the extra folders (the build tree); nothing when it
/// is nowhere.
[[nodiscard]] std::optional<std::filesystem::path>
findProgram(std::string_view name, const std::filesystem::path& programDir, std::string_view pathList,
            const std::filesystem::path& home, std::span<const std::filesystem::path> extraDirs = {});

/// The desktop calculators looked for, in order of preference.
inline constexpr std::array<std::string_view, 8> kCalculatorPrograms{
    "gnome-calculator", "kcalc",     "galculator", "qalculate-gtk",
    "qalculate-qt",     "mate-calc", "xcalc",      "speedcrunch"};

/// The first calculator of kCalculatorPrograms on the PATH list.
[[nodiscard]] std::optional<std::filesystem::path> findCalculator(std::string_view pathList);

} // namespace p3::core
