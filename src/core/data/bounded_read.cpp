#include "core/data/bounded_read.h"

#include <array>
#include <fstream>

#include "core/io/text_codec.h"

namespace p3::core {

Result<std::string> readFileBytesAtMost(const std::filesystem::path& file, std::uintmax_t limit,
                                        std::string_view tooLarge) {
    std::error_code ec;
    const auto status = std::filesystem::status(file, ec);
    // Missing files and folders: the plain reader names the failure.
    if (ec || std::filesystem::is_directory(status)) return readFileBytes(file);
    if (std::filesystem::is_regular_file(status)) {
        const std::uintmax_t size = std::filesystem::file_size(file, ec);
        if (!ec && size > limit) return fail(std::string(tooLarge) + file.string());
        auto bytes = readFileBytes(file);
        if (bytes && bytes->size() > limit)
            return fail(std::string(tooLarge) + file.string()); // grew meanwhile
        return bytes;
    }
    // A device or a pipe has no size to measure; it may never end.
    std::ifstream in(file, std::ios::binary);
    if (!in) return readFileBytes(file);
    std::string data;
    std::array<char, 64 * 1024> buffer;
    while (in.read(buffer.data(), buffer.size()) || in.gcount() > 0) {
        data.append(buffer.data(), static_cast<std::size_t>(in.gcount()));
        if (data.size() > limit) return fail(std::string(tooLarge) + file.string());
    }
    return data;
}

} // namespace p3::core
