#include "core/shrink/list_file.h"

#include <array>
#include <fstream>

#include "core/io/text_codec.h"

namespace p3::core {

Result<std::string> readListTextFile(const std::filesystem::path& file, std::size_t maxBytes) {
    const auto tooLarge = [&] {
        return fail("文件太大: " + file.string() + " (超过 " + std::to_string(maxBytes / (1024 * 1024)) +
                    " MB)");
    };
    std::error_code ec;
    const auto status = std::filesystem::status(file, ec);
    // Missing files, folders and unreadable files get the reader's own message.
    if (ec || !std::filesystem::exists(status) || std::filesystem::is_directory(status))
        return readTextFile(file);
    if (std::filesystem::is_regular_file(status)) {
        const auto size = std::filesystem::file_size(file, ec);
        if (!ec && size > maxBytes) return tooLarge();
        return readTextFile(file);
    }
    // A device or a pipe: read no more than the bound allows.
    std::ifstream in(file, std::ios::binary);
    if (!in) return readTextFile(file);
    std::string bytes;
    std::array<char, 64 * 1024> buffer;
    while (in.read(buffer.data(), buffer.size()) || in.gcount() > 0) {
        bytes.append(buffer.data(), static_cast<std::size_t>(in.gcount()));
        if (bytes.size() > maxBytes) return tooLarge();
    }
    return decodeText(bytes);
}

} // namespace p3::core
