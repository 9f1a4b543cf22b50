#pragma once
/// How a long operation tells its caller how far it has got, so that a window can show a real gauge.
#include <algorithm>
#include <cstddef>
#include <functional>

namespace p3::core {

/// Receives whole percents 0..100, rising; an empty function means nobody is listening.
using Progress = std::function<void(int percent)>;

/// Reports step `done` of `total` as a percent inside [from, to] whenever the percent changes.
class ProgressSteps {
public:
    ProgressSteps(const Progress& progress, std::size_t total, int from = 0, int to = 100)
        : m_progress(progress), m_total(total), m_from(from), m_to(to) {}

    void step(std::size_t done) {
        if (!m_progress) return;
        const int percent = m_total == 0
                                ? m_to
                                : m_from + static_cast<int>(static_cast<long long>(m_to - m_from) *
                                                            static_cast<long long>(std::min(done, m_total)) /
                                                            static_cast<long long>(m_total));
        if (percent == m_last) return;
        m_last = percent;
        m_progress(percent);
    }

private:
    const Progress& m_progress;
    std::size_t m_total;
    int m_from;
    int m_to;
    int m_last = -1;
};

} // namespace p3::core
