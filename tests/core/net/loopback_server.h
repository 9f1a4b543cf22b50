#pragma once
/// A loopback HTTP server on a free port of 127.0.0.1, for the download tests; stopped when it goes.
#include <httplib.h>

#include <chrono>
#include <string>
#include <thread>

namespace p3::test {

class LoopbackServer {
public:
    LoopbackServer() { m_port = m_server.bind_to_any_port("127.0.0.1"); }
    ~LoopbackServer() { stop(); }
    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;

    httplib::Server& server() { return m_server; }
    /// Starts answering; register the handlers first.
    void start() {
        m_thread = std::thread([this] { m_server.listen_after_bind(); });
        for (int i = 0; i < 500 && !m_server.is_running(); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    void stop() {
        m_server.stop();
        if (m_thread.joinable()) m_thread.join();
    }
    std::string base() const { return "http://127.0.0.1:" + std::to_string(m_port); }
    int port() const { return m_port; }

private:
    httplib::Server m_server;
    std::thread m_thread;
    int m_port = 0;
};

} // namespace p3::test
