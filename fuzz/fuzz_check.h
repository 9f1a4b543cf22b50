#pragma once
/// The property checks of the fuzz targets: a broken property names itself and aborts, so that the
/// fuzzer records the input as a crash and the corpus replay fails.
#include <cstdio>
#include <cstdlib>

namespace p3::fuzz {

[[noreturn]] inline void propertyFailed(const char* what, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: property failed: %s\n", file, line, what);
    std::abort();
}

} // namespace p3::fuzz

#define P3_FUZZ_CHECK(condition)                                                                             \
    do {                                                                                                     \
        if (!(condition)) ::p3::fuzz::propertyFailed(#condition, __FILE__, __LINE__);                        \
    } while (0)
