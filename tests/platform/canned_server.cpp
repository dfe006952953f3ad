#include "canned_server.h"

#include <httplib.h>

#include <chrono>
#include <optional>

namespace dalmiro::test {

CannedServer::CannedServer() : server_(std::make_unique<httplib::Server>()) {
    const auto handle = [this](const httplib::Request& request, httplib::Response& response) {
        std::optional<CannedReply> reply;
        {
            std::lock_guard lock(mutex_);
            requests_.push_back({request.method, request.target, request.body});
            if (const auto it = replies_.find(request.path); it != replies_.end())
                reply = it->second;
        }
        if (!reply) {
            response.status = 404;
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(reply->delayMs));
        response.status = reply->status;
        response.set_content(reply->body, "application/json;charset=UTF-8");
    };
    server_->Get(".*", handle);
    server_->Post(".*", handle);
    // Bound and listening before the accept loop starts, so requests may come at once.
    port_ = server_->bind_to_any_port("127.0.0.1");
    thread_ = std::thread([this] { server_->listen_after_bind(); });
    // stop() only ends a loop that is running; wait for it so the destructor cannot miss it.
    for (int i = 0; i < 5000 && !server_->is_running(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

CannedServer::~CannedServer() {
    server_->stop();
    thread_.join();
}

std::string CannedServer::BaseUrl() const {
    return "http://127.0.0.1:" + std::to_string(port_);
}

void CannedServer::Answer(const std::string& path, CannedReply reply) {
    std::lock_guard lock(mutex_);
    replies_[path] = std::move(reply);
}

std::vector<CannedRequest> CannedServer::Requests() const {
    std::lock_guard lock(mutex_);
    return requests_;
}

} // namespace dalmiro::test
