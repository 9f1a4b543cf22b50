#include "core/io/program_lookup.h"

#include <system_error>
#include <unistd.h>

namespace p3::core {
namespace fs = std::filesystem;

namespace {

bool isExecutableFile(const fs::path& file) {
    std::error_code ec;
    return fs::is_regular_file(file, ec) && ::access(file.c_str(), X_OK) == 0;
}

} // namespace

std::optional<fs::path> findOnPath(std::string_view name, std::string_view pathList) {
    if (name.empty() || name.find('/') != std::string_view::npos) return std::nullopt;
    std::size_t start = 0;
    while (start <= pathList.size()) {
        std::size_t end = pathList.find(':', start);
        if (end == std::string_view::npos) end = pathList.size();
        const std::string_view dir = pathList.substr(start, end - start);
        const fs::path candidate = (dir.empty() ? fs::path(".") : fs::path(dir)) / name;
        if (isExecutableFile(candidate)) return candidate;
        start = end + 1;
    }
    return std::nullopt;
}

std::optional<fs::path> findProgram(std::string_view name, const fs::path& programDir,
                                    std::string_view pathList, const fs::path& home,
                                    std::span<const fs::path> extraDirs) {
    if (!programDir.empty() && isExecutableFile(programDir / name)) return programDir / name;
    if (auto onPath = findOnPath(name, pathList)) return onPath;
    if (!home.empty() && isExecutableFile(home / name)) return home / name;
    for (const fs::path& dir : extraDirs)
        if (isExecutableFile(dir / name)) return dir / name;
    return std::nullopt;
}

std::optional<fs::path> findCalculator(std::string_view pathList) {
    for (auto name : kCalculatorPrograms)
        if (auto found = findOnPath(name, pathList)) return found;
    return std::nullopt;
}

} // namespace p3::core
