#include "core/io/bounded_read.h"

#include <array>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/io/text_codec.h"

namespace p3::core {
namespace {

Error refusal(const std::filesystem::path& file, const std::string& reason) {
    return Error{"无法读取文件: " + file.string() + " (" + reason + ")"};
}

/// Closes the descriptor when the read ends, however it ends.
class FdGuard {
public:
    explicit FdGuard(int fd) : m_fd(fd) {}
    ~FdGuard() {
        if (m_fd >= 0) ::close(m_fd);
    }
    FdGuard(const FdGuard&) = delete;
    FdGuard& operator=(const FdGuard&) = delete;

private:
    int m_fd;
};

} // namespace

std::string tooLargeReason(std::uintmax_t limit) {
    constexpr std::uintmax_t kMiB = 1024u * 1024u;
    if (limit >= kMiB) return "文件太大, 超过 " + std::to_string(limit / kMiB) + " MB";
    return "文件太大, 超过 " + std::to_string(limit) + " 字节";
}

Result<std::string> readFileBounded(const std::filesystem::path& file, std::uintmax_t limit) {
    if (file.empty()) return fail("请输入文件名!");
    // Without O_NONBLOCK, opening a pipe that has no writer waits for one for ever; with it the open
    // returns at once and fstat tells what the path is before anything is read.
    const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        return std::unexpected(refusal(file, fileErrorReason(errno)));
    }
    FdGuard guard(fd);
    struct stat info {};
    if (::fstat(fd, &info) != 0) return std::unexpected(refusal(file, "无法读取文件信息"));
    if (S_ISDIR(info.st_mode)) return std::unexpected(refusal(file, "目标是一个文件夹"));
    if (!S_ISREG(info.st_mode)) return std::unexpected(refusal(file, "不是普通文件"));
    if (static_cast<std::uintmax_t>(info.st_size) > limit)
        return std::unexpected(refusal(file, tooLargeReason(limit)));
    // A regular file never blocks; reading in blocking mode keeps EAGAIN out of the loop.
    if (const int flags = ::fcntl(fd, F_GETFL); flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);

    std::string data;
    data.reserve(static_cast<std::size_t>(info.st_size));
    std::array<char, 64 * 1024> buffer;
    while (true) {
        const ssize_t n = ::read(fd, buffer.data(), buffer.size());
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            return std::unexpected(refusal(file, "读写设备出错"));
        }
        data.append(buffer.data(), static_cast<std::size_t>(n));
        // The file may grow while it is read (a log being written, a file on a network share).
        if (data.size() > limit) return std::unexpected(refusal(file, tooLargeReason(limit)));
    }
    return data;
}

Result<std::string> readTextFileBounded(const std::filesystem::path& file, std::uintmax_t limit) {
    auto bytes = readFileBounded(file, limit);
    if (!bytes) return std::unexpected(bytes.error());
    return decodeText(*bytes);
}

} // namespace p3::core
