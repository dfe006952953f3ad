#include "sim_server.h"

#include "connection_reset.h"
#include "router.h"

#include <httplib.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <thread>

namespace dalmiro::sim {
namespace {

constexpr int kWorkerThreads = 16;
constexpr time_t kKeepAliveSeconds = 1;

bool IsHostName(const std::string& host) {
    return !host.empty() && host.size() < 256 &&
           host.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"
                                  "0123456789.-:[]") == std::string::npos;
}

} // namespace

struct SimServer::Impl {
    httplib::Server http;
    std::thread listener;
    std::atomic<bool> listenEnded{false};
    std::atomic<bool> started{false};
    int port = 0;
    SimData data;
    SessionStore sessions;
    FaultTable faults;
    std::mutex stopMutex;
    std::condition_variable stopSignal;
    bool stopping = false;

    // Waits up to `ms` (forever when negative); true when the server is stopping.
    bool WaitOrStop(int ms) {
        std::unique_lock lock(stopMutex);
        if (ms < 0) {
            stopSignal.wait(lock, [&] { return stopping; });
            return true;
        }
        return stopSignal.wait_for(lock, std::chrono::milliseconds(ms), [&] { return stopping; });
    }

    std::string BaseUrl() const { return "http://127.0.0.1:" + std::to_string(port); }

    SimRequest ToSimRequest(const httplib::Request& req) const {
        SimRequest r;
        r.method = req.method;
        r.path = req.path;
        std::size_t mark = req.target.find('?');
        if (mark != std::string::npos) {
            r.query = ParseFields(std::string_view(req.target).substr(mark + 1));
        }
        r.body = req.body;
        for (std::size_t i = 0; i < req.get_header_value_count("Cookie"); ++i) {
            if (!r.cookies.empty()) {
                r.cookies += "; ";
            }
            r.cookies += req.get_header_value("Cookie", i);
        }
        std::string host = req.get_header_value("Host");
        r.baseUrl = IsHostName(host) ? "http://" + host : BaseUrl();
        return r;
    }

    void Serve(const httplib::Request& req, httplib::Response& res) {
        Fault fault = faults.For(req.path);
        if (fault.delayMs > 0 && WaitOrStop(fault.delayMs)) {
            res.status = 503;
            return;
        }
        switch (fault.kind) {
        case FaultKind::kHang:
            WaitOrStop(-1);
            res.status = 503;
            return;
        case FaultKind::kReset:
            res.status = 500;
            ResetConnection(req.local_port, req.remote_port);
            return;
        case FaultKind::kErrorStatus:
            res.status = fault.status;
            res.set_content(ErrorPage(fault.status), std::string(kHtmlType));
            return;
        default:
            break;
        }
        SimReply reply = Route(ToSimRequest(req), data, sessions);
        if (fault.kind == FaultKind::kInvalidBytes) {
            reply.body = WithInvalidBytes(std::move(reply.body));
        } else if (fault.kind == FaultKind::kOversize) {
            reply.body = Padded(std::move(reply.body), fault.size);
        }
        res.status = reply.status;
        for (const auto& [name, value] : reply.headers) {
            res.headers.emplace(name, value);
        }
        if (fault.kind == FaultKind::kTruncate) {
            auto body = std::make_shared<std::string>(std::move(reply.body));
            std::size_t declared = std::max<std::size_t>(body->size(), 1);
            std::size_t sent = body->size() / 2;
            res.set_content_provider(
                declared, reply.contentType.c_str(),
                [body, sent](std::size_t offset, std::size_t, httplib::DataSink& sink) {
                    if (offset < sent) {
                        sink.write(body->data() + offset, sent - offset);
                    }
                    return false; // ends the reply short and closes the connection
                });
            return;
        }
        res.set_content(reply.body, reply.contentType.c_str());
    }
};

SimServer::SimServer() : impl_(std::make_unique<Impl>()) {
    Impl* impl = impl_.get();
    // The library takes ownership of the queue it is handed.
    impl->http.new_task_queue = [] { return new httplib::ThreadPool(kWorkerThreads); };
    impl->http.set_keep_alive_timeout(kKeepAliveSeconds);
    // Header and body go out in separate writes; without this the body of a reply on a kept-alive
    // connection waits for the client's delayed acknowledgement (about 40 ms a reply).
    impl->http.set_tcp_nodelay(true);
    // The library's default also sets SO_REUSEPORT, which would let a second server share a
    // port that is in use; only the quick rebind after TIME_WAIT is wanted.
    impl->http.set_socket_options([](socket_t sock) {
        int yes = 1;
        setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, reinterpret_cast<const char*>(&yes), sizeof yes);
    });
    auto handler = [impl](const httplib::Request& req, httplib::Response& res) {
        impl->Serve(req, res);
    };
    impl->http.Get(".*", handler);
    impl->http.Post(".*", handler);
}

SimServer::~SimServer() {
    Stop();
}

bool SimServer::Start(int port) {
    if (impl_->started.exchange(true)) {
        return false;
    }
    int bound = -1;
    if (port == 0) {
        bound = impl_->http.bind_to_any_port("127.0.0.1");
    } else if (impl_->http.bind_to_port("127.0.0.1", port)) {
        bound = port;
    }
    if (bound <= 0) {
        return false;
    }
    impl_->port = bound;
    Impl* impl = impl_.get();
    impl_->listener = std::thread([impl] {
        impl->http.listen_after_bind();
        impl->listenEnded = true;
    });
    // Stop() can only end a listen loop that has begun.
    while (!impl_->http.is_running() && !impl_->listenEnded) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return impl_->http.is_running();
}

void SimServer::Stop() {
    if (!impl_->listener.joinable()) {
        return;
    }
    {
        std::lock_guard lock(impl_->stopMutex);
        impl_->stopping = true;
    }
    impl_->stopSignal.notify_all();
    impl_->http.stop();
    impl_->listener.join();
}

bool SimServer::IsRunning() const {
    return impl_->http.is_running();
}

int SimServer::Port() const {
    return impl_->port;
}

std::string SimServer::BaseUrl() const {
    return impl_->port > 0 ? impl_->BaseUrl() : "";
}

SimData& SimServer::Data() {
    return impl_->data;
}

void SimServer::SetFault(std::string path, Fault fault) {
    impl_->faults.Set(std::move(path), fault);
}

void SimServer::ClearFault(const std::string& path) {
    impl_->faults.Clear(path);
}

void SimServer::ClearFaults() {
    impl_->faults.ClearAll();
}

void SimServer::SetAnnouncedVersion(std::string version) {
    impl_->data.SetAnnouncedVersion(std::move(version));
}

std::string SimServer::SignIn() {
    return impl_->sessions.Open(impl_->data.Account().loginId, impl_->data.FixedToken());
}

std::string SimServer::TokenOf(const std::string& sessionId) const {
    auto session = impl_->sessions.Find(sessionId);
    return session ? session->token : std::string();
}

void SimServer::SignOutEveryone() {
    impl_->sessions.CloseAll();
}

} // namespace dalmiro::sim
