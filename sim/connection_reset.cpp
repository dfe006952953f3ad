#include "connection_reset.h"

#if defined(__linux__)
#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#endif

namespace dalmiro::sim {

#if defined(__linux__)
namespace {

int PortOf(const sockaddr_storage& address) {
    if (address.ss_family == AF_INET) {
        return ntohs(reinterpret_cast<const sockaddr_in&>(address).sin_port);
    }
    if (address.ss_family == AF_INET6) {
        return ntohs(reinterpret_cast<const sockaddr_in6&>(address).sin6_port);
    }
    return -1;
}

bool IsConnection(int fd, int localPort, int peerPort) {
    int type = 0;
    socklen_t typeLength = sizeof type;
    if (getsockopt(fd, SOL_SOCKET, SO_TYPE, &type, &typeLength) != 0 || type != SOCK_STREAM) {
        return false;
    }
    sockaddr_storage local{};
    sockaddr_storage peer{};
    socklen_t localLength = sizeof local;
    socklen_t peerLength = sizeof peer;
    return getsockname(fd, reinterpret_cast<sockaddr*>(&local), &localLength) == 0 &&
           getpeername(fd, reinterpret_cast<sockaddr*>(&peer), &peerLength) == 0 &&
           PortOf(local) == localPort && PortOf(peer) == peerPort;
}

} // namespace

bool ResetConnection(int localPort, int peerPort) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd", error)) {
        int fd = -1;
        try {
            fd = std::stoi(entry.path().filename().string());
        } catch (const std::exception&) {
            continue;
        }
        if (!IsConnection(fd, localPort, peerPort)) {
            continue;
        }
        // Closing with a zero linger time sends RST. The descriptor number is taken over by
        // /dev/null in the same step, so the library's later writes and close go there.
        linger immediate{1, 0};
        setsockopt(fd, SOL_SOCKET, SO_LINGER, &immediate, sizeof immediate);
        int null = open("/dev/null", O_RDWR | O_CLOEXEC);
        if (null < 0) {
            return false;
        }
        bool done = dup2(null, fd) == fd;
        close(null);
        return done;
    }
    return false;
}
#else
bool ResetConnection(int, int) {
    return false;
}
#endif

} // namespace dalmiro::sim
