#pragma once

#include <httplib.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

// An HTTP server on 127.0.0.1 with a port the system picks, serving on a thread of its own.
// Register the routes on server() before Start(). Handlers that hold a connection open wait on
// the gate, which Stop() opens, so that stopping never waits for them to time out.
class LocalHttpServer {
public:
    LocalHttpServer() = default;
    ~LocalHttpServer() { Stop(); }
    LocalHttpServer(const LocalHttpServer&) = delete;
    LocalHttpServer& operator=(const LocalHttpServer&) = delete;

    httplib::Server& server() { return server_; }

    // Binds and starts serving; false when no port could be bound.
    bool Start() {
        port_ = server_.bind_to_any_port("127.0.0.1");
        if (port_ <= 0) return false;
        thread_ = std::thread([this] { server_.listen_after_bind(); });
        // stop() does nothing until the server runs, so wait for that.
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!server_.is_running() && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return server_.is_running();
    }

    void Stop() {
        OpenGate();
        if (thread_.joinable()) {
            server_.stop();
            thread_.join();
        }
    }

    int port() const { return port_; }
    std::string Url(const std::string& path) const {
        return "http://127.0.0.1:" + std::to_string(port_) + path;
    }

    // Waits until the gate opens or `longest` passes; true when the gate is open.
    bool WaitForGate(std::chrono::milliseconds longest) {
        std::unique_lock lock(mutex_);
        return gate_changed_.wait_for(lock, longest, [this] { return gate_open_; });
    }
    void OpenGate() {
        {
            std::lock_guard lock(mutex_);
            gate_open_ = true;
        }
        gate_changed_.notify_all();
    }

private:
    httplib::Server server_;
    std::thread thread_;
    int port_ = 0;
    std::mutex mutex_;
    std::condition_variable gate_changed_;
    bool gate_open_ = false;
};
