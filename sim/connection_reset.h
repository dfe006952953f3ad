#pragma once
// Resets (TCP RST) the server side of the connection between the two loopback ports, so that
// the client sees "connection reset by peer" instead of a reply. The HTTP library keeps its
// descriptor, which then leads nowhere, and closes it as usual.

namespace dalmiro::sim {

// False when the connection cannot be found or reset on this system.
bool ResetConnection(int localPort, int peerPort);

} // namespace dalmiro::sim
