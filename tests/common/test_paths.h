#pragma once
/// Fresh scratch folders for tests, under the build tree, removed at the end of each test.
#include <atomic>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace p3::test {

class ScratchDir {
public:
    explicit ScratchDir(const std::string& name) {
        static std::atomic<int> counter{0};
        m_path = std::filesystem::path(P3_TEST_TMP) /
                 (name + "-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~ScratchDir() {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::filesystem::path operator/(const std::string& name) const { return m_path / name; }

private:
    std::filesystem::path m_path;
};

} // namespace p3::test
