#pragma once
// A loopback HTTP server that answers each path with a fixed reply and records what it was asked,
// for replies the substitute back office never gives (other letter cases, error statuses).
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace httplib {
class Server;
}

namespace dalmiro::test {

struct CannedReply {
    std::string body;
    int status = 200;
    int delayMs = 0; // waited before answering
};

struct CannedRequest {
    std::string method;
    std::string target; // path and query, as sent
    std::string body;
};

class CannedServer {
  public:
    CannedServer();
    ~CannedServer();
    CannedServer(const CannedServer&) = delete;
    CannedServer& operator=(const CannedServer&) = delete;

    // "http://127.0.0.1:port"
    std::string BaseUrl() const;
    // The reply for a path (without query); other paths answer 404 with an empty body.
    void Answer(const std::string& path, CannedReply reply);
    std::vector<CannedRequest> Requests() const;

  private:
    std::unique_ptr<httplib::Server> server_;
    int port_ = 0;
    std::thread thread_;
    mutable std::mutex mutex_;
    std::map<std::string, CannedReply> replies_;
    std::vector<CannedRequest> requests_;
};

} // namespace dalmiro::test
