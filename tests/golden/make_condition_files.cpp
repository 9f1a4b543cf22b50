/// Writes reproducible condition files of random, well-formed lines of every kind, for the
/// golden-output check: make_condition_files DIR COUNT SEED
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/shrink/condition_file.h"
#include "core/shrink/random_lines.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: make_condition_files DIR COUNT SEED\n");
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    const int count = std::atoi(argv[2]);
    p3::test::RandomLines random(static_cast<unsigned>(std::strtoul(argv[3], nullptr, 10)), true);
    std::filesystem::create_directories(dir);
    for (int f = 0; f < count; ++f) {
        p3::core::ConditionList lines;
        const int n = 1 + random.below(3);
        for (int i = 0; i < n; ++i)
            lines.push_back(random.line(1 + random.below(25)));
        char name[32];
        std::snprintf(name, sizeof name, "plan%03d.ag", f);
        if (!p3::core::writeConditionFile(dir / name, lines)) {
            std::fprintf(stderr, "cannot write %s\n", name);
            return 2;
        }
    }
    return 0;
}
