#pragma once
// The substitute services on one loopback port: back office, public search services and the
// maker's pages, so that every address of the program can point at one base URL. The server
// answers on worker threads; its data, sessions and faults may be changed while it runs. It
// stops in its destructor.
#include "faults.h"
#include "sessions.h"
#include "sim_data.h"

#include <memory>
#include <string>

namespace dalmiro::sim {

class SimServer {
  public:
    SimServer();
    ~SimServer();
    SimServer(const SimServer&) = delete;
    SimServer& operator=(const SimServer&) = delete;

    // Listens on 127.0.0.1 at the port (0: a free one). False when the port cannot be bound or
    // the server was started before; a stopped server is not started again.
    bool Start(int port = 0);
    // Releases every held request, stops listening and waits for the workers.
    void Stop();
    bool IsRunning() const;
    int Port() const;
    // "http://127.0.0.1:PORT"; empty before Start.
    std::string BaseUrl() const;

    SimData& Data();
    void SetFault(std::string path, Fault fault);
    void ClearFault(const std::string& path);
    void ClearFaults();
    void SetAnnouncedVersion(std::string version);

    // Opens a session for the account as the sign-in form does and returns the session cookie's
    // value (cookie name kSessionCookieName).
    std::string SignIn();
    // The token the back office issued for the session; empty for an unknown session.
    std::string TokenOf(const std::string& sessionId) const;
    void SignOutEveryone();

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace dalmiro::sim
