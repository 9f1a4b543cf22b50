#include "core/io/atomic_write.h"

#include <cerrno>
#include <charconv>
#include <cstdint>
#include <random>
#include <string>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/io/text_codec.h"

namespace p3::core {
namespace {

namespace fs = std::filesystem;

std::string writeFailure(const fs::path& file, const std::string& reason) {
    return "无法写入文件: " + file.string() + " (" + reason + ")";
}

std::string randomSuffix() {
    thread_local std::mt19937_64 engine{
        std::random_device{}() ^ static_cast<std::uint64_t>(::getpid()) ^
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count())};
    constexpr std::string_view digits = "0123456789abcdef";
    std::uint64_t value = engine();
    std::string text;
    for (int i = 0; i < 12; ++i, value >>= 4)
        text += digits[value & 0xF];
    return text;
}

/// Closes a file descriptor and, unless released, removes the temporary file it belongs to.
class TempFileGuard {
public:
    TempFileGuard(int fd, fs::path path) : m_fd(fd), m_path(std::move(path)) {}
    ~TempFileGuard() {
        if (m_fd >= 0) ::close(m_fd);
        if (!m_path.empty()) ::unlink(m_path.c_str());
    }
    TempFileGuard(const TempFileGuard&) = delete;
    TempFileGuard& operator=(const TempFileGuard&) = delete;

    /// Closes the descriptor, returning errno on failure (0 on success).
    int close() {
        const int rc = ::close(m_fd);
        m_fd = -1;
        return rc == 0 ? 0 : errno;
    }
    void keepFile() { m_path.clear(); }

private:
    int m_fd;
    fs::path m_path;
};

int writeAll(int fd, std::string_view bytes) {
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    return 0;
}

void syncFolder(const fs::path& dir) {
    // Makes the rename itself durable; a folder that cannot be opened this way only loses that guarantee.
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

bool isHex(std::string_view s) {
    return !s.empty() && s.find_first_not_of("0123456789abcdef") == std::string_view::npos;
}

/// The prefix every temporary file of a target starts with; the name is cut so that the suffix never
/// pushes it over the file-name length limit.
std::string tempPrefix(const fs::path& target) {
    return "." + target.filename().string().substr(0, 200) + ".";
}

/// Whether a temporary file of this target was left by a write that was cut off: its process is gone,
/// or it is older than any write takes. A temporary of a running write is never touched.
bool isStaleTemp(std::string_view middle, const struct stat& info) {
    const auto age = std::chrono::system_clock::now() - std::chrono::system_clock::from_time_t(info.st_mtime);
    const std::size_t dash = middle.find('-');
    if (dash == std::string_view::npos) {
        // Written before temporary names carried the process: only its age tells.
        return isHex(middle) && middle.size() == 12 && age > std::chrono::minutes(1);
    }
    const std::string_view pidText = middle.substr(0, dash);
    if (!isHex(middle.substr(dash + 1)) || pidText.empty()) return false;
    long pid = 0;
    const auto [end, ec] = std::from_chars(pidText.data(), pidText.data() + pidText.size(), pid);
    if (ec != std::errc() || end != pidText.data() + pidText.size() || pid <= 0) return false;
    if (age > kStaleTempAge) return true;
    return ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH && age > std::chrono::seconds(2);
}

void removeStaleTemps(const fs::path& dir, const fs::path& target) {
    const std::string prefix = tempPrefix(target);
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (!name.starts_with(prefix) || !name.ends_with(".tmp") || name.size() <= prefix.size() + 4)
            continue;
        const std::string_view middle =
            std::string_view(name).substr(prefix.size(), name.size() - prefix.size() - 4);
        struct stat info {};
        if (::lstat(it->path().c_str(), &info) != 0 || !S_ISREG(info.st_mode)) continue;
        // Only our own kind of file: owned by this user, never another user's.
        if (info.st_uid != ::geteuid()) continue;
        if (isStaleTemp(middle, info)) ::unlink(it->path().c_str());
    }
}

/// The file a write replaces: the target of a symbolic link, else the path itself.
fs::path resolvedTarget(const fs::path& file) {
    std::error_code ec;
    if (fs::is_symlink(file, ec)) {
        fs::path resolved = fs::weakly_canonical(file, ec);
        if (!ec) return resolved;
    }
    return file;
}

/// The reason a target may not be replaced, or empty when it may.
std::string refusalReason(const fs::path& target) {
    struct stat info {};
    if (::stat(target.c_str(), &info) != 0) return {}; // a new file: the folder decides
    if (S_ISDIR(info.st_mode)) return "目标是一个文件夹";
    if (!S_ISREG(info.st_mode)) return "不是普通文件";
    // The superuser may write anything; a file nobody may write is still one the user meant to keep.
    if ((info.st_mode & 0222) == 0) return "文件是只读的";
    if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
        return errno == EACCES || errno == EPERM ? std::string("文件是只读的") : fileErrorReason(errno);
    }
    return {};
}

} // namespace

Status checkWritableTarget(const fs::path& file) {
    const fs::path target = resolvedTarget(file);
    if (const std::string reason = refusalReason(target); !reason.empty())
        return fail(writeFailure(file, reason));
    return {};
}

Status checkSaveName(const fs::path& chosen) {
    if (chosen.empty()) return fail("请输入文件名!");
    const fs::path name = chosen.filename();
    if (name.empty() || name == "." || name == "..") return fail(writeFailure(chosen, "不是文件名"));
    std::error_code ec;
    if (fs::is_directory(chosen, ec)) return fail(writeFailure(chosen, "目标是一个文件夹"));
    return {};
}

Status writeFileAtomic(const fs::path& file, std::string_view bytes) {
    const fs::path target = resolvedTarget(file);
    if (target.filename().empty() || target.filename() == "." || target.filename() == "..") {
        return fail(writeFailure(file, "不是文件名"));
    }
    if (const std::string reason = refusalReason(target); !reason.empty())
        return fail(writeFailure(file, reason));
    const fs::path dir = target.has_parent_path() ? target.parent_path() : fs::path(".");
    removeStaleTemps(dir, target);

    // The leading dot hides the temporary from file lists; the process number in its name lets a
    // later write tell a cut-off temporary from one still being written.
    const std::string prefix = tempPrefix(target) + std::to_string(::getpid()) + "-";
    fs::path tempPath;
    int fd = -1;
    for (int attempt = 0; attempt < 64 && fd < 0; ++attempt) {
        tempPath = dir / (prefix + randomSuffix() + ".tmp");
        fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) return fail(writeFailure(file, fileErrorReason(errno)));
    }
    if (fd < 0) return fail(writeFailure(file, fileErrorReason(EEXIST)));
    TempFileGuard guard(fd, tempPath);

    // Replacing a file keeps its permissions and, where allowed, its owner (the superuser editing a
    // user's file must not take it over); a new file gets the usual ones (0666 less the umask).
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
        if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) {
            if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
                // Not allowed to give it away: the replacement stays the writer's own.
            }
        }
        ::fchmod(fd, old.st_mode & 07777);
    }

    if (const int err = writeAll(fd, bytes); err != 0) return fail(writeFailure(file, fileErrorReason(err)));
    if (::fsync(fd) != 0) return fail(writeFailure(file, fileErrorReason(errno)));
    if (const int err = guard.close(); err != 0) return fail(writeFailure(file, fileErrorReason(err)));
    if (::rename(tempPath.c_str(), target.c_str()) != 0)
        return fail(writeFailure(file, fileErrorReason(errno)));
    guard.keepFile();
    syncFolder(dir);
    return {};
}

} // namespace p3::core
