// dalmiro-sim: runs the substitute services on one loopback port until interrupted.
//
//   dalmiro-sim [--port N] [--fault PATH=FAULT]... [--announce VERSION] [--no-notice]
//               [--token TOKEN] [--offline]
//
// Prints the base URL ("http://127.0.0.1:PORT") on one line once the port is open. A FAULT
// is "delay:MS", "hang", "status:CODE", "truncate", "oversize:BYTES", "invalid" or "reset", or
// several joined with '+'; PATH "*" applies it to every path.
#include "sim_server.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

namespace {

volatile std::sig_atomic_t gInterrupted = 0;

void OnSignal(int) {
    gInterrupted = 1;
}

int Usage() {
    std::fprintf(stderr,
                 "usage: dalmiro-sim [--port N] [--fault PATH=FAULT]... [--announce VERSION]"
                 " [--no-notice] [--token TOKEN] [--offline]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    using namespace dalmiro::sim;
    SimServer server;
    int port = 0;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        bool hasValue = i + 1 < argc;
        if (arg == "--port" && hasValue) {
            const char* text = argv[++i];
            char* end = nullptr;
            long value = std::strtol(text, &end, 10);
            if (end == text || *end != '\0' || value < 0 || value > 65535) {
                return Usage();
            }
            port = static_cast<int>(value);
        } else if (arg == "--fault" && hasValue) {
            std::string option = argv[++i];
            std::size_t eq = option.find('=');
            auto fault = eq == std::string::npos ? std::nullopt : ParseFault(option.substr(eq + 1));
            if (!fault || eq == 0) {
                std::fprintf(stderr, "dalmiro-sim: bad fault '%s'\n", option.c_str());
                return Usage();
            }
            server.SetFault(option.substr(0, eq), *fault);
        } else if (arg == "--announce" && hasValue) {
            server.SetAnnouncedVersion(argv[++i]);
        } else if (arg == "--no-notice") {
            SimNotice notice = server.Data().Notice();
            notice.present = false;
            server.Data().SetNotice(notice);
        } else if (arg == "--token" && hasValue) {
            server.Data().SetFixedToken(argv[++i]);
        } else if (arg == "--offline") {
            server.Data().SetMakerOnline(false);
        } else {
            return Usage();
        }
    }
    std::signal(SIGINT, OnSignal);
    std::signal(SIGTERM, OnSignal);
    if (!server.Start(port)) {
        std::fprintf(stderr, "dalmiro-sim: cannot listen on 127.0.0.1:%d\n", port);
        return 1;
    }
    std::printf("%s\n", server.BaseUrl().c_str());
    std::fflush(stdout);
    while (!gInterrupted) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    server.Stop();
    return 0;
}
