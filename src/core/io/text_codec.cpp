#include "core/io/text_codec.h"

#include "core/io/bounded_read.h"

#include <array>
#include <cerrno>
#include <cstdint>
#include <cstring>

#include <fcntl.h>
#include <iconv.h>
#include <sys/stat.h>
#include <unistd.h>

namespace p3::core {
namespace {

constexpr std::string_view kReplacementChar = "\xEF\xBF\xBD"; // U+FFFD
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeBom = "\xFF\xFE";
constexpr std::string_view kUtf16BeBom = "\xFE\xFF";
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

/// Bytes in well-formed multi-byte UTF-8 sequences and bytes that start none.
struct Utf8Tally {
    std::size_t good = 0;
    std::size_t bad = 0;
};

Utf8Tally tallyUtf8(std::string_view bytes) {
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    Utf8Tally tally;
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t len = utf8SequenceLength(data + i, bytes.size() - i);
        if (len == 0) {
            ++tally.bad;
            ++i;
            continue;
        }
        if (len > 1) tally.good += len;
        i += len;
    }
    return tally;
}

/// How the bytes fare when read as GBK: characters of the common GB2312 area, characters outside it
/// (the GBK extensions and GB18030 four-byte forms), and bytes that form no character.
struct GbkTally {
    std::size_t common = 0;
    std::size_t rare = 0;
    std::size_t bad = 0;
};

GbkTally tallyGbk(std::string_view bytes) {
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t n = bytes.size();
    GbkTally tally;
    for (std::size_t i = 0; i < n;) {
        const unsigned char lead = data[i];
        if (lead < 0x80) {
            ++i;
            continue;
        }
        if (lead >= 0x81 && lead <= 0xFE && i + 1 < n) {
            const unsigned char trail = data[i + 1];
            if (trail >= 0x40 && trail <= 0xFE && trail != 0x7F) {
                const bool common = lead >= 0xA1 && lead <= 0xF7 && trail >= 0xA1;
                ++(common ? tally.common : tally.rare);
                i += 2;
                continue;
            }
            if (trail >= 0x30 && trail <= 0x39 && i + 3 < n) {
                ++tally.rare;
                i += 4;
                continue;
            }
        }
        ++tally.bad;
        ++i;
    }
    return tally;
}

/// Whether text that is not valid UTF-8 is still UTF-8 with a few damaged bytes (a stray byte, a
/// character cut off at the end). Reading such a file as GBK would turn every Chinese word in it into
/// something else. GBK text forms valid UTF-8 sequences only by chance, beside many bad bytes; and
/// UTF-8 read as GBK gives mostly characters outside the common area or no characters at all, where
/// real GBK text is nearly all common characters.
bool mostlyUtf8(std::string_view bytes) {
    const Utf8Tally utf8 = tallyUtf8(bytes);
    if (utf8.good == 0) return false;
    if (utf8.good >= 8 * utf8.bad) return true;
    const GbkTally gbk = tallyGbk(bytes);
    return gbk.rare + gbk.bad > gbk.common && utf8.good >= utf8.bad;
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

/// UTF-16 without its mark to UTF-8; a unit that forms no character (a lone surrogate, an odd last
/// byte) becomes U+FFFD.
std::string decodeUtf16(std::string_view in, const char* encoding) {
    Converter cd("UTF-8", encoding);
    if (!cd.ok()) return repairUtf8(in);
    std::string out;
    out.reserve(in.size() * 3 / 2);
    std::size_t pos = 0;
    while (pos < in.size()) {
        pos += cd.convert(in.substr(pos), out);
        if (pos >= in.size()) break;
        out.append(kReplacementChar);
        pos += 2; // one code unit
    }
    return out;
}

} // namespace

std::string fileErrorReason(int err) {
    for (const ErrnoText& entry : kErrnoTexts) {
        if (entry.code == err) return std::string(entry.text);
    }
    return std::strerror(err);
}

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

bool readsAsUtf8(std::string_view bytes) {
    return isValidUtf8(bytes) || mostlyUtf8(bytes);
}

std::string decodeUtf8Lossy(std::string_view bytes) {
    return repairUtf8(bytes);
}

std::string decodeGbkLossy(std::string_view bytes) {
    if (auto text = decodeGbk(bytes, true)) return std::move(*text);
    return repairUtf8(bytes);
}

Result<std::string> utf8ToUtf16(std::string_view utf8, bool bigEndian) {
    if (const std::size_t bad = firstInvalidUtf8(utf8); bad != kNotFound) {
        return fail("文本不是有效的 UTF-8 编码 (第 " + std::to_string(bad + 1) + " 字节)");
    }
    Converter cd(bigEndian ? "UTF-16BE" : "UTF-16LE", "UTF-8");
    if (!cd.ok()) return fail(kNoConverter);
    std::string out(bigEndian ? kUtf16BeBom : kUtf16LeBom);
    if (cd.convert(utf8, out) != utf8.size()) return fail("文本无法用 UTF-16 保存");
    return out;
}

std::string decodeText(std::string_view bytes) {
    // What Windows Notepad saves as "Unicode": UTF-16 behind its byte-order mark.
    if (bytes.starts_with(kUtf16LeBom)) return decodeUtf16(bytes.substr(2), "UTF-16LE");
    if (bytes.starts_with(kUtf16BeBom)) return decodeUtf16(bytes.substr(2), "UTF-16BE");
    if (bytes.starts_with(kUtf8Bom)) return repairUtf8(bytes.substr(kUtf8Bom.size()));
    if (isValidUtf8(bytes)) return std::string(bytes);
    if (mostlyUtf8(bytes)) return repairUtf8(bytes);
    if (auto text = decodeGbk(bytes, true)) return std::move(*text);
    // No GBK converter on this system: keep what is readable rather than nothing.
    return repairUtf8(bytes);
}

Result<std::string> readFileBytes(const std::filesystem::path& file) {
    return readFileBounded(file);
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

Status writeTextFileGbk(const std::filesystem::path& file, std::string_view utf8Text) {
    auto encoded = utf8ToGbk(utf8Text);
    if (!encoded) return fail(writeFailure(file, encoded.error().message));
    return writeFileAtomic(file, *encoded);
}

} // namespace p3::core
