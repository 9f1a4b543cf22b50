#include "core/io/text_codec.h"

#include <array>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <random>

#include <fcntl.h>
#include <iconv.h>
#include <sys/stat.h>
#include <unistd.h>

namespace p3::core {
namespace {

constexpr std::string_view kReplacementChar = "\xEF\xBF\xBD"; // U+FFFD
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kEuroSign = "\xE2\x82\xAC";
constexpr std::size_t kNotFound = std::string_view::npos;

struct ErrnoText {
    int code;
    std::string_view text;
};

// What the user is told about the usual reasons a file cannot be read or written.
constexpr std::array<ErrnoText, 10> kErrnoTexts{{
    {ENOENT, "文件或文件夹不存在"},
    {EACCES, "没有访问权限"},
    {EPERM, "没有访问权限"},
    {EISDIR, "目标是一个文件夹"},
    {ENOTDIR, "路径中有一段不是文件夹"},
    {ENOSPC, "磁盘空间不足"},
    {EDQUOT, "磁盘配额已用完"},
    {EROFS, "文件系统只读"},
    {ENAMETOOLONG, "文件名太长"},
    {EIO, "读写设备出错"},
}};

std::string reasonText(int err) {
    for (const ErrnoText& entry : kErrnoTexts) {
        if (entry.code == err) return std::string(entry.text);
    }
    return std::strerror(err);
}

std::string readFailure(const std::filesystem::path& file, int err) {
    return "无法读取文件: " + file.string() + " (" + reasonText(err) + ")";
}

std::string writeFailure(const std::filesystem::path& file, const std::string& reason) {
    return "无法写入文件: " + file.string() + " (" + reason + ")";
}

/// Length of the well-formed UTF-8 sequence starting at p, or 0 when it is not one.
std::size_t utf8SequenceLength(const unsigned char* p, std::size_t avail) {
    const unsigned char b0 = p[0];
    if (b0 < 0x80) return 1;
    auto cont = [&](std::size_t i, unsigned char lo = 0x80, unsigned char hi = 0xBF) {
        return i < avail && p[i] >= lo && p[i] <= hi;
    };
    if (b0 >= 0xC2 && b0 <= 0xDF) return cont(1) ? 2 : 0;
    if (b0 >= 0xE0 && b0 <= 0xEF) {
        // E0 would allow overlong forms, ED the UTF-16 surrogates.
        const unsigned char lo = b0 == 0xE0 ? 0xA0 : 0x80;
        const unsigned char hi = b0 == 0xED ? 0x9F : 0xBF;
        return cont(1, lo, hi) && cont(2) ? 3 : 0;
    }
    if (b0 >= 0xF0 && b0 <= 0xF4) {
        const unsigned char lo = b0 == 0xF0 ? 0x90 : 0x80;
        const unsigned char hi = b0 == 0xF4 ? 0x8F : 0xBF;
        return cont(1, lo, hi) && cont(2) && cont(3) ? 4 : 0;
    }
    return 0;
}

/// Offset of the first byte that does not start a well-formed UTF-8 sequence, or kNotFound.
std::size_t firstInvalidUtf8(std::string_view bytes) {
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t n = bytes.size();
    std::size_t i = 0;
    while (i < n) {
        // ASCII runs are the common case; test eight bytes at a time.
        if (i + 8 <= n) {
            std::uint64_t word;
            std::memcpy(&word, data + i, 8);
            if ((word & 0x8080808080808080ULL) == 0) {
                i += 8;
                continue;
            }
        }
        const std::size_t len = utf8SequenceLength(data + i, n - i);
        if (len == 0) return i;
        i += len;
    }
    return kNotFound;
}

/// UTF-8 with every malformed byte replaced by U+FFFD.
std::string repairUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        const std::size_t bad = firstInvalidUtf8(bytes.substr(i));
        if (bad == kNotFound) {
            out.append(bytes.substr(i));
            break;
        }
        out.append(bytes.substr(i, bad));
        out.append(kReplacementChar);
        i += bad + 1;
    }
    return out;
}

/// Whether text that is not valid UTF-8 is still UTF-8 with a few damaged bytes: many well-formed
/// multi-byte sequences and few bad bytes. GBK text only now and then forms a valid UTF-8
/// sequence by chance, and then beside many bad bytes; reading a damaged UTF-8 file as GBK
/// would turn every Chinese word in it into something else.
bool mostlyUtf8(std::string_view bytes) {
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    std::size_t valid = 0;
    std::size_t invalid = 0;
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t len = utf8SequenceLength(data + i, bytes.size() - i);
        if (len == 0) {
            ++invalid;
            ++i;
            continue;
        }
        if (len > 1) ++valid;
        i += len;
    }
    return valid >= 8 && invalid * 16 <= valid;
}

/// One iconv conversion descriptor, closed on destruction.
class Converter {
public:
    Converter(const char* to, const char* from) : m_cd(iconv_open(to, from)) {}
    ~Converter() {
        if (ok()) iconv_close(m_cd);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool ok() const { return m_cd != reinterpret_cast<iconv_t>(-1); }

    /// Appends the conversion of the input to out and returns how many input bytes it consumed; it stops
    /// at the first byte sequence it cannot convert (or that is cut off at the end).
    std::size_t convert(std::string_view in, std::string& out) {
        std::array<char, 64 * 1024> buffer;
        char* inPtr = const_cast<char*>(in.data());
        std::size_t inLeft = in.size();
        while (true) {
            char* outPtr = buffer.data();
            std::size_t outLeft = buffer.size();
            const std::size_t rc = iconv(m_cd, &inPtr, &inLeft, &outPtr, &outLeft);
            const int err = errno;
            out.append(buffer.data(), buffer.size() - outLeft);
            if (rc != static_cast<std::size_t>(-1)) break;
            if (err == E2BIG) continue;
            // EILSEQ or EINVAL: forget any half-read state so the caller can resume after the bad byte.
            iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
            break;
        }
        return in.size() - inLeft;
    }

private:
    iconv_t m_cd;
};

const char* const kNoConverter = "系统缺少 GBK 编码转换支持";

/// GB18030 bytes to UTF-8; with lenient set, undecodable bytes become U+FFFD one by one.
Result<std::string> decodeGbk(std::string_view in, bool lenient) {
    Converter cd("UTF-8", "GB18030");
    if (!cd.ok()) return fail(kNoConverter);
    std::string out;
    out.reserve(in.size() + in.size() / 2);
    std::size_t pos = 0;
    while (pos < in.size()) {
        pos += cd.convert(in.substr(pos), out);
        if (pos >= in.size()) break;
        if (static_cast<unsigned char>(in[pos]) == 0x80) {
            // The Windows GBK code page puts the euro sign on this single byte; GB18030 has it elsewhere.
            out.append(kEuroSign);
        } else if (lenient) {
            out.append(kReplacementChar);
        } else {
            return fail("文本不是有效的 GBK 编码 (第 " + std::to_string(pos + 1) + " 字节)");
        }
        ++pos;
    }
    return out;
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
    TempFileGuard(int fd, std::filesystem::path path) : m_fd(fd), m_path(std::move(path)) {}
    ~TempFileGuard() {
        if (m_fd >= 0) ::close(m_fd);
        if (!m_path.empty()) ::unlink(m_path.c_str());
    }
    TempFileGuard(const TempFileGuard&) = delete;
    TempFileGuard& operator=(const TempFileGuard&) = delete;

    int fd() const { return m_fd; }
    /// Closes the descriptor, returning errno on failure (0 on success).
    int close() {
        const int rc = ::close(m_fd);
        m_fd = -1;
        return rc == 0 ? 0 : errno;
    }
    void keepFile() { m_path.clear(); }

private:
    int m_fd;
    std::filesystem::path m_path;
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

void syncFolder(const std::filesystem::path& dir) {
    // Makes the rename itself durable; a folder that cannot be opened this way only loses that guarantee.
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

bool isValidUtf8(std::string_view bytes) {
    return firstInvalidUtf8(bytes) == kNotFound;
}

Result<std::string> gbkToUtf8(std::string_view gbk) {
    return decodeGbk(gbk, false);
}

Result<std::string> utf8ToGbk(std::string_view utf8) {
    if (const std::size_t bad = firstInvalidUtf8(utf8); bad != kNotFound) {
        return fail("文本不是有效的 UTF-8 编码 (第 " + std::to_string(bad + 1) + " 字节)");
    }
    Converter toGbk("GBK", "UTF-8");
    Converter toGb18030("GB18030", "UTF-8");
    if (!toGbk.ok() || !toGb18030.ok()) return fail(kNoConverter);
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        pos += toGbk.convert(utf8.substr(pos), out);
        if (pos >= utf8.size()) break;
        // A character outside GBK: its GB18030 form keeps it, where a '?' would silently lose it.
        const auto* p = reinterpret_cast<const unsigned char*>(utf8.data() + pos);
        const std::size_t len = utf8SequenceLength(p, utf8.size() - pos);
        if (len == 0 || toGb18030.convert(utf8.substr(pos, len), out) != len) {
            return fail("文本含有无法用 GBK 保存的字符 (第 " + std::to_string(pos + 1) + " 字节)");
        }
        pos += len;
    }
    return out;
}

std::string decodeText(std::string_view bytes) {
    if (bytes.starts_with(kUtf8Bom)) return repairUtf8(bytes.substr(kUtf8Bom.size()));
    if (isValidUtf8(bytes)) return std::string(bytes);
    if (mostlyUtf8(bytes)) return repairUtf8(bytes);
    if (auto text = decodeGbk(bytes, true)) return std::move(*text);
    // No GBK converter on this system: keep what is readable rather than nothing.
    return repairUtf8(bytes);
}

Result<std::string> readFileBytes(const std::filesystem::path& file) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return fail(readFailure(file, errno));
    TempFileGuard guard(fd, {});
    struct stat info {};
    if (::fstat(fd, &info) != 0) return fail(readFailure(file, errno));
    if (S_ISDIR(info.st_mode)) return fail(readFailure(file, EISDIR));
    std::string data;
    if (S_ISREG(info.st_mode)) data.reserve(static_cast<std::size_t>(info.st_size));
    std::array<char, 64 * 1024> buffer;
    while (true) {
        const ssize_t n = ::read(fd, buffer.data(), buffer.size());
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            return fail(readFailure(file, errno));
        }
        data.append(buffer.data(), static_cast<std::size_t>(n));
    }
    return data;
}

Result<std::string> readTextFile(const std::filesystem::path& file) {
    auto bytes = readFileBytes(file);
    if (!bytes) return std::unexpected(bytes.error());
    return decodeText(*bytes);
}

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    const std::size_t n = text.size();
    std::size_t start = 0;
    while (start < n) {
        std::size_t end = start;
        while (end < n && text[end] != '\n' && text[end] != '\r')
            ++end;
        lines.emplace_back(text.substr(start, end - start));
        if (end == n) break;
        start = end + ((text[end] == '\r' && end + 1 < n && text[end + 1] == '\n') ? 2 : 1);
    }
    return lines;
}

std::string joinLines(std::span<const std::string> lines, std::string_view eol) {
    std::size_t total = 0;
    for (const std::string& line : lines)
        total += line.size() + eol.size();
    std::string text;
    text.reserve(total);
    for (const std::string& line : lines) {
        text.append(line);
        text.append(eol);
    }
    return text;
}

Status writeFileAtomic(const std::filesystem::path& file, std::string_view bytes) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::path target = file;
    if (fs::is_symlink(file, ec)) {
        fs::path resolved = fs::weakly_canonical(file, ec);
        if (!ec) target = std::move(resolved);
    }
    if (target.filename().empty() || target.filename() == "." || target.filename() == "..") {
        return fail(writeFailure(file, "不是文件名"));
    }
    const fs::path dir = target.has_parent_path() ? target.parent_path() : fs::path(".");

    // The leading dot hides the temporary from file lists; the name is cut so that the suffix never
    // pushes it over the file-name length limit.
    std::string stem = target.filename().string().substr(0, 200);
    fs::path tempPath;
    int fd = -1;
    for (int attempt = 0; attempt < 64 && fd < 0; ++attempt) {
        tempPath = dir / ("." + stem + "." + randomSuffix() + ".tmp");
        fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) return fail(writeFailure(file, reasonText(errno)));
    }
    if (fd < 0) return fail(writeFailure(file, reasonText(EEXIST)));
    TempFileGuard guard(fd, tempPath);

    // Replacing a file keeps its permissions; a new file gets the usual ones (0666 less the umask).
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode)) ::fchmod(fd, old.st_mode & 07777);

    if (const int err = writeAll(fd, bytes); err != 0) return fail(writeFailure(file, reasonText(err)));
    if (::fsync(fd) != 0) return fail(writeFailure(file, reasonText(errno)));
    if (const int err = guard.close(); err != 0) return fail(writeFailure(file, reasonText(err)));
    if (::rename(tempPath.c_str(), target.c_str()) != 0) return fail(writeFailure(file, reasonText(errno)));
    guard.keepFile();
    syncFolder(dir);
    return {};
}

Status writeTextFileGbk(const std::filesystem::path& file, std::string_view utf8Text) {
    auto encoded = utf8ToGbk(utf8Text);
    if (!encoded) return fail(writeFailure(file, encoded.error().message));
    return writeFileAtomic(file, *encoded);
}

} // namespace p3::core
