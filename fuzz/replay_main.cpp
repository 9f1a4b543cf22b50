// The entry of every fuzz target outside a fuzzing engine's own driver. With file or folder
// arguments it runs each file as one input (a folder: every regular file in it, in name order), so
// that ctest replays the corpus on every build; a folder without inputs is an error, since a corpus
// that silently vanished checks nothing. Without arguments it runs the standard input once: the
// AFL++ fork server starts the program afresh for every input and feeds it there.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

void runOne(const std::string& bytes) {
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

bool readAll(const std::filesystem::path& file, std::string& out) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return false;
    out.assign(std::istreambuf_iterator<char>(in), {});
    return !in.bad();
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::string input(std::istreambuf_iterator<char>(std::cin), {});
        runOne(input);
        return 0;
    }
    std::size_t ran = 0;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path arg(argv[i]);
        std::vector<std::filesystem::path> files;
        std::error_code ec;
        if (std::filesystem::is_directory(arg, ec)) {
            for (const auto& entry : std::filesystem::directory_iterator(arg, ec))
                if (entry.is_regular_file()) files.push_back(entry.path());
            std::ranges::sort(files);
            if (files.empty()) {
                std::fprintf(stderr, "no inputs in %s\n", argv[i]);
                return 1;
            }
        } else {
            files.push_back(arg);
        }
        for (const auto& file : files) {
            std::string bytes;
            if (!readAll(file, bytes)) {
                std::fprintf(stderr, "cannot read %s\n", file.string().c_str());
                return 1;
            }
            // Named before it runs, so that a crash or a broken property points at its input.
            std::fprintf(stderr, "%s\n", file.string().c_str());
            runOne(bytes);
            ++ran;
        }
    }
    std::printf("%zu inputs ran\n", ran);
    return 0;
}
