#pragma once
/// A fresh folder for one test, removed with everything in it when the test ends.
#include <atomic>
#include <filesystem>
#include <random>
#include <string>
#include <system_error>

#include <unistd.h>

#include <gtest/gtest.h>

namespace p3::test {

class TempDir {
public:
    /// Creates <base>/<test name>-<unique>; the base is P3_TEST_TMP when the build defines it,
    /// else the system's temporary folder.
    TempDir() {
        namespace fs = std::filesystem;
#ifdef P3_TEST_TMP
        const fs::path base = P3_TEST_TMP;
#else
        const fs::path base = fs::temp_directory_path();
#endif
        std::string name = "p3test";
        if (const auto* info = ::testing::UnitTest::GetInstance()->current_test_info()) {
            name = std::string(info->test_suite_name()) + "." + info->name();
            for (char& c : name) {
                if (c == '/') c = '_';
            }
        }
        static std::atomic<unsigned> counter{0};
        std::random_device random;
        std::error_code ec;
        fs::create_directories(base, ec);
        for (int attempt = 0; attempt < 100; ++attempt) {
            const fs::path candidate =
                base / (name + "-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + "-" +
                        std::to_string(random() % 100000));
            if (fs::create_directory(candidate, ec) && !ec) {
                m_path = candidate;
                return;
            }
        }
        ADD_FAILURE() << "cannot create a temporary folder under " << base;
    }
    ~TempDir() {
        if (m_path.empty()) return;
        std::error_code ec;
        // A test may have taken permissions away; give them back so that the folder can go.
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        for (auto it = std::filesystem::recursive_directory_iterator(m_path, ec);
             !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
            if (it->is_directory(ec)) {
                std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                             std::filesystem::perm_options::add, ec);
            }
        }
        std::filesystem::remove_all(m_path, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const {
        return m_path;
    }
    /// A path inside the folder.
    std::filesystem::path operator/(const std::filesystem::path& relative) const {
        return m_path / relative;
    }

private:
    std::filesystem::path m_path;
};

} // namespace p3::test
