#include "core/io/app_path.h"

#include <cstdlib>
#include <string>
#include <system_error>
#include <vector>

#include <pwd.h>
#include <unistd.h>

#include "core/io/text_codec.h"

namespace p3::core {
namespace fs = std::filesystem;
namespace {

constexpr const char* kAppFolderName = "pick3bench";

std::optional<fs::path> envPath(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0') return std::nullopt;
    return fs::path(value);
}

fs::path makeAbsolute(const fs::path& path) {
    std::error_code ec;
    fs::path absolute = fs::absolute(path, ec);
    return ec ? path : absolute.lexically_normal();
}

fs::path userHomeDir() {
    if (auto home = envPath("HOME")) return *home;
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr &&
        found->pw_dir != nullptr && *found->pw_dir != '\0') {
        return fs::path(found->pw_dir);
    }
    return {};
}

bool isDirectory(const fs::path& path) {
    std::error_code ec;
    return !path.empty() && fs::is_directory(path, ec);
}

Status copyTemplateEntry(const fs::directory_entry& entry, const fs::path& templateDir,
                         const fs::path& home) {
    std::error_code ec;
    const fs::path target = home / entry.path().lexically_relative(templateDir);
    if (entry.is_directory(ec)) {
        if (isDirectory(target)) return {};
        if (!fs::create_directories(target, ec) || ec) return fail("无法建立文件夹: " + target.string());
        return {};
    }
    // Sockets, devices and broken links in a template are nothing a home needs.
    if (!entry.is_regular_file(ec)) return {};
    if (fs::exists(fs::symlink_status(target, ec))) return {};
    auto bytes = readFileBytes(entry.path());
    if (!bytes) return std::unexpected(bytes.error());
    // Written through a temporary file, so that an interrupted copy never leaves a half database that a
    // later start would take as complete.
    return writeFileAtomic(target, *bytes);
}

} // namespace

fs::path resolveHome(std::optional<fs::path> cliHome) {
    if (cliHome && !cliHome->empty()) return makeAbsolute(*cliHome);
    if (auto home = envPath("PICK3_HOME")) return makeAbsolute(*home);
    // The base directory rules ignore a relative XDG_DATA_HOME.
    if (auto dataHome = envPath("XDG_DATA_HOME"); dataHome && dataHome->is_absolute()) {
        return (*dataHome / kAppFolderName).lexically_normal();
    }
    fs::path userHome = userHomeDir();
    if (userHome.empty()) {
        std::error_code ec;
        userHome = fs::temp_directory_path(ec);
        return makeAbsolute(userHome / (std::string(kAppFolderName) + "-" + std::to_string(::getuid())));
    }
    return makeAbsolute(userHome / ".local" / "share" / kAppFolderName);
}

Status ensureHome(const fs::path& home, const fs::path& templateDir) {
    std::error_code ec;
    if (fs::exists(home / "Data" / "MDB.sqlite", ec)) return {};
    if (templateDir.empty()) return fail("找不到程序文件夹的模板, 无法建立程序文件夹: " + home.string());
    if (!isDirectory(templateDir)) return fail("找不到程序文件夹模板: " + templateDir.string());
    if (fs::exists(home, ec) && !isDirectory(home))
        return fail("程序文件夹的位置上已有一个文件: " + home.string());
    if (!isDirectory(home) && (!fs::create_directories(home, ec) || ec)) {
        return fail("无法建立程序文件夹: " + home.string());
    }

    const std::string readError = "无法读取程序文件夹模板: " + templateDir.string();
    fs::recursive_directory_iterator it(templateDir, fs::directory_options::none, ec);
    if (ec) return fail(readError);
    for (; it != fs::recursive_directory_iterator(); it.increment(ec)) {
        if (ec) return fail(readError);
        if (auto copied = copyTemplateEntry(*it, templateDir, home); !copied) return copied;
    }
    if (ec) return fail(readError);
    return {};
}

fs::path executableDir() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::path() : exe.parent_path();
}

fs::path findTemplateDir() {
    std::vector<fs::path> candidates;
    if (auto fromEnv = envPath("PICK3_TEMPLATE")) candidates.push_back(*fromEnv);
    if (const fs::path exeDir = executableDir(); !exeDir.empty()) {
        candidates.push_back(exeDir / ".." / "share" / kAppFolderName / "home");
        candidates.push_back(exeDir / "home");
    }
#ifdef P3_TEMPLATE_DIR
    candidates.emplace_back(P3_TEMPLATE_DIR);
#endif
    for (const fs::path& candidate : candidates) {
        if (isDirectory(candidate)) return makeAbsolute(candidate);
    }
    return {};
}

} // namespace p3::core
