// pick3 serve: the home's draws over the data server's protocol, for the other machines of a
// household or club (and for our own tests): GET /down/<name>.txt and the version check.
#include <httplib.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <ctime>
#include <deque>
#include <iostream>
#include <mutex>
#include <pthread.h>
#include <thread>
#include <vector>

#include "cli/cli_common.h"
#include "core/net/draw_server.h"
#include "core/net/version_check.h"

namespace p3::cli {
namespace {

struct ServeOptions {
    int port = -1;
    std::string bind = "127.0.0.1";
};

// Bounds: a request is a short GET line and a few headers; a handful of clients at once, each cut
// off when it stalls, and a queue of waiting connections that blocks the accepting thread when full
// (the system's listen queue then holds the rest).
constexpr std::size_t kWorkers = 4;
constexpr std::size_t kWaitingConnections = 32;
constexpr std::size_t kMaxRequestBody = 1024;
constexpr int kTimeoutSeconds = 10;

/// A fixed set of worker threads with a bounded queue: enqueue waits while the queue is full.
class BoundedPool final : public httplib::TaskQueue {
public:
    BoundedPool() {
        for (std::size_t i = 0; i < kWorkers; ++i)
            m_threads.emplace_back([this] { work(); });
    }
    ~BoundedPool() override { shutdown(); }

    void enqueue(std::function<void()> fn) override {
        std::unique_lock lock(m_mutex);
        m_space.wait(lock, [this] { return m_queue.size() < kWaitingConnections || m_stopping; });
        m_queue.push_back(std::move(fn));
        m_ready.notify_one();
    }
    void shutdown() override {
        {
            std::lock_guard lock(m_mutex);
            if (m_stopping && m_threads.empty()) return;
            m_stopping = true;
        }
        m_ready.notify_all();
        m_space.notify_all();
        for (auto& t : m_threads)
            if (t.joinable()) t.join();
        m_threads.clear();
    }

private:
    void work() {
        for (;;) {
            std::function<void()> fn;
            {
                std::unique_lock lock(m_mutex);
                m_ready.wait(lock, [this] { return !m_queue.empty() || m_stopping; });
                // Connections already accepted are answered before the pool ends.
                if (m_queue.empty()) return;
                fn = std::move(m_queue.front());
                m_queue.pop_front();
            }
            m_space.notify_one();
            fn();
        }
    }

    std::mutex m_mutex;
    std::condition_variable m_ready;
    std::condition_variable m_space;
    std::deque<std::function<void()>> m_queue;
    std::vector<std::thread> m_threads;
    bool m_stopping = false;
};

std::mutex g_logMutex;

// One line per request on stderr: time, client, method, path, status, bytes of the answer.
void logRequest(const httplib::Request& req, const httplib::Response& res) {
    const std::time_t now = std::time(nullptr);
    std::tm tm{};
    gmtime_r(&now, &tm);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%dT%H:%M:%SZ", &tm);
    std::lock_guard lock(g_logMutex);
    std::cerr << stamp << ' ' << req.remote_addr << ' ' << req.method << ' ' << req.path << ' ' << res.status
              << ' ' << res.body.size() << std::endl;
}

void serve(const GlobalOptions& global, const ServeOptions& o) {
    const auto home = homeFolder(global);
    const auto databaseFile = home / "Data" / "MDB.sqlite";
    // The database must be readable before anyone is told the server is up.
    take(core::DrawDatabase::open(databaseFile, core::OpenMode::ReadOnly));

    // SIGINT and SIGTERM are taken by one thread that stops the server; every other thread,
    // the workers included, has them blocked.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    httplib::Server server;
    server.new_task_queue = [] { return new BoundedPool; };
    server.set_payload_max_length(kMaxRequestBody);
    server.set_read_timeout(kTimeoutSeconds, 0);
    server.set_write_timeout(kTimeoutSeconds, 0);
    server.set_keep_alive_timeout(2);
    server.set_keep_alive_max_count(10);
    server.set_logger(logRequest);

    server.Get(std::string(core::kVersionCheckPath), [](const httplib::Request&, httplib::Response& res) {
        res.set_content(std::string(core::programVersion()) + "\r\n", "text/plain");
    });
    server.Get(R"(/down/.+)", [databaseFile](const httplib::Request& req, httplib::Response& res) {
        const auto name = core::lotteryOfDrawPath(req.path);
        if (!name) {
            res.status = 404;
            return;
        }
        auto answer = core::drawFileAnswer(databaseFile, *name);
        if (!answer) {
            // A database busy with another program's change answers "try later"; the reason is logged.
            {
                std::lock_guard lock(g_logMutex);
                std::cerr << answer.error().message << std::endl;
            }
            res.status = 503;
            return;
        }
        if (!*answer) {
            res.status = 404;
            return;
        }
        res.set_content(std::move(**answer), "text/plain; charset=GBK");
    });
    // Anything but the two paths, and anything but GET, is refused.
    const auto refuse = [](const httplib::Request&, httplib::Response& res) { res.status = 405; };
    server.Post(".*", refuse);
    server.Put(".*", refuse);
    server.Delete(".*", refuse);
    server.Patch(".*", refuse);

    int port = o.port;
    if (port == 0) {
        port = server.bind_to_any_port(o.bind);
    } else if (!server.bind_to_port(o.bind, port)) {
        port = -1;
    }
    if (port <= 0)
        throw CommandError{"无法在 " + o.bind + ":" + std::to_string(o.port) +
                           " 上提供服务 (地址或端口不可用)"};
    {
        std::lock_guard lock(g_logMutex);
        std::cerr << "pick3 serve: http://" << o.bind << ':' << port << " (" << home.string() << ")"
                  << std::endl;
    }

    std::atomic<bool> listening{true};
    std::thread stopper([&server, &listening, stopSignals] {
        while (listening.load()) {
            timespec wait{0, 200'000'000};
            siginfo_t info{};
            if (sigtimedwait(&stopSignals, &info, &wait) > 0) break;
        }
        // A signal that came before the server ran would find nothing to stop: ask until it ends.
        while (listening.load()) {
            server.stop();
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    });
    server.listen_after_bind();
    listening.store(false);
    stopper.join();
    std::lock_guard lock(g_logMutex);
    std::cerr << "pick3 serve: stopped" << std::endl;
}

} // namespace

void registerServeCommand(CLI::App& app, const GlobalOptions& global) {
    auto [cmd, o] = addCommand<ServeOptions>(
        app, global, "serve",
        "serve the home's draws to other homes over the data server's protocol "
        "(GET /down/<name>.txt, the version check); read-only, one log line "
        "per request on stderr, stops on SIGINT or SIGTERM",
        "example: pick3 serve --home /srv/pick3 --port 8080 --bind 0.0.0.0\n"
        "then:    pick3 update --lottery 福彩3D --url http://SERVER:8080\n"
        "--port 0 takes a free port; the first line on stderr names the address served.",
        serve);
    cmd->add_option("--port", o->port, "the TCP port (0: any free port)")
        ->required()
        ->check(integerIn(0, 65535));
    cmd->add_option("--bind", o->bind, "the address to listen on")->capture_default_str();
}

} // namespace p3::cli
