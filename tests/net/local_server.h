#pragma once
// A small cpp-httplib server on a free loopback port, running on its own thread for one test.
#include <httplib.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>

namespace dalmiro::test {

class LocalServer {
  public:
    // `routes` registers the handlers before the server starts.
    explicit LocalServer(const std::function<void(httplib::Server&)>& routes,
                         const std::string& address = "127.0.0.1")
        : address_(address) {
        routes(server_);
        port_ = server_.bind_to_any_port(address);
        if (port_ < 0) {
            return; // no server: the test's requests fail instead of waiting for it for ever
        }
        thread_ = std::thread([this] { server_.listen_after_bind(); });
        while (!server_.is_running()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }
    ~LocalServer() {
        server_.stop();
        if (thread_.joinable()) {
            thread_.join();
        }
    }
    LocalServer(const LocalServer&) = delete;
    LocalServer& operator=(const LocalServer&) = delete;

    int Port() const { return port_; }
    // "http://address:port" followed by `path`.
    std::string Url(const std::string& path) const {
        return "http://" + address_ + ":" + std::to_string(port_) + path;
    }

  private:
    httplib::Server server_;
    std::string address_;
    int port_ = 0;
    std::thread thread_;
};

} // namespace dalmiro::test
