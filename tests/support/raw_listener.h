#pragma once
// A loopback TCP listener for wire-level tests: it records every request exactly as the bytes
// arrived (header block and, after a Content-Length, the body) and answers with a fixed reply,
// or holds the connection open without answering.
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace dalmiro::test {

class RawListener {
  public:
    static constexpr const char* kOkReply =
        "HTTP/1.1 200 OK\r\nContent-Length: 2\r\nConnection: close\r\n\r\nok";

    // Listens on `address`:`port` (0 picks a free port). Check Listening() before use: binding
    // a fixed port may fail.
    explicit RawListener(std::string reply = kOkReply, std::string address = "127.0.0.1",
                         int port = 0);
    ~RawListener();
    RawListener(const RawListener&) = delete;
    RawListener& operator=(const RawListener&) = delete;

    bool Listening() const { return listenFd_ >= 0; }
    int Port() const { return port_; }
    // "address:port", or just the address on port 80.
    std::string HostAndPort() const;
    // With `silent`, requests are recorded but never answered; the connections stay open until
    // the listener goes away.
    void SetSilent(bool silent);
    std::vector<std::string> Requests() const;
    // The last request recorded, or empty.
    std::string LastRequest() const;

  private:
    void Serve();
    // Reads one request from the connection; false when it closed or the listener is stopping.
    bool ReadRequest(int fd, std::string& request);

    std::string reply_;
    std::string address_;
    int port_ = 0;
    int listenFd_ = -1;
    int wakeRead_ = -1;
    int wakeWrite_ = -1;
    mutable std::mutex mutex_;
    bool silent_ = false;
    std::vector<std::string> requests_;
    std::vector<int> heldConnections_;
    std::thread thread_;
};

} // namespace dalmiro::test
