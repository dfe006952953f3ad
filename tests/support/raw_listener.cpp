#include "support/raw_listener.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace dalmiro::test {

namespace {

// The Content-Length of a header block, 0 without one.
std::size_t ContentLength(const std::string& head) {
    std::string lower(head);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const std::size_t at = lower.find("\r\ncontent-length:");
    if (at == std::string::npos) {
        return 0;
    }
    return static_cast<std::size_t>(std::strtoul(lower.c_str() + at + 17, nullptr, 10));
}

void WriteAll(int fd, const std::string& bytes) {
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n <= 0) {
            return;
        }
        sent += static_cast<std::size_t>(n);
    }
}

} // namespace

RawListener::RawListener(std::string reply, std::string address, int port)
    : reply_(std::move(reply)), address_(std::move(address)) {
    int wake[2];
    if (::pipe2(wake, O_CLOEXEC) != 0) {
        return;
    }
    wakeRead_ = wake[0];
    wakeWrite_ = wake[1];
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return;
    }
    const int yes = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(static_cast<uint16_t>(port));
    socklen_t length = sizeof addr;
    if (::inet_pton(AF_INET, address_.c_str(), &addr.sin_addr) != 1 ||
        ::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 || ::listen(fd, 64) != 0 ||
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &length) != 0) {
        ::close(fd);
        return;
    }
    port_ = ntohs(addr.sin_port);
    listenFd_ = fd;
    thread_ = std::thread([this] { Serve(); });
}

RawListener::~RawListener() {
    if (thread_.joinable()) {
        const char stop = 'x';
        [[maybe_unused]] const ssize_t n = ::write(wakeWrite_, &stop, 1);
        thread_.join();
    }
    for (int fd : heldConnections_) {
        ::close(fd);
    }
    for (int fd : {listenFd_, wakeRead_, wakeWrite_}) {
        if (fd >= 0) {
            ::close(fd);
        }
    }
}

std::string RawListener::HostAndPort() const {
    return port_ == 80 ? address_ : address_ + ":" + std::to_string(port_);
}

void RawListener::SetSilent(bool silent) {
    const std::lock_guard lock(mutex_);
    silent_ = silent;
}

std::vector<std::string> RawListener::Requests() const {
    const std::lock_guard lock(mutex_);
    return requests_;
}

std::string RawListener::LastRequest() const {
    const std::lock_guard lock(mutex_);
    return requests_.empty() ? std::string() : requests_.back();
}

bool RawListener::ReadRequest(int fd, std::string& request) {
    std::size_t wanted = std::string::npos; // total length once the header block is complete
    char buffer[4096];
    while (wanted == std::string::npos || request.size() < wanted) {
        pollfd fds[2] = {{fd, POLLIN, 0}, {wakeRead_, POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0 || (fds[1].revents & POLLIN) != 0) {
            return false;
        }
        const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
        if (n <= 0) {
            return !request.empty() && wanted != std::string::npos;
        }
        request.append(buffer, static_cast<std::size_t>(n));
        const std::size_t end = request.find("\r\n\r\n");
        if (wanted == std::string::npos && end != std::string::npos) {
            wanted = end + 4 + ContentLength(request.substr(0, end + 2));
        }
    }
    return true;
}

void RawListener::Serve() {
    for (;;) {
        pollfd fds[2] = {{listenFd_, POLLIN, 0}, {wakeRead_, POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0 || (fds[1].revents & POLLIN) != 0) {
            return;
        }
        const int connection = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC);
        if (connection < 0) {
            continue;
        }
        std::string request;
        const bool complete = ReadRequest(connection, request);
        bool silent = false;
        {
            const std::lock_guard lock(mutex_);
            if (!request.empty()) {
                requests_.push_back(request);
            }
            silent = silent_;
            if (silent) {
                heldConnections_.push_back(connection);
            }
        }
        if (silent) {
            continue;
        }
        if (complete) {
            WriteAll(connection, reply_);
        }
        ::shutdown(connection, SHUT_WR);
        ::close(connection);
    }
}

} // namespace dalmiro::test
