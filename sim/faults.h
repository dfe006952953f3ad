#pragma once
// Misbehaviour switches, set per path (or "*" for every path), so that tests can show how the
// client copes with slow, broken and hostile replies.
#include <cstddef>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

namespace dalmiro::sim {

enum class FaultKind {
    kNone,
    kHang,         // answer nothing until the server stops
    kErrorStatus,  // the status (500 by default) with a short error page; the path does nothing
    kTruncate,     // Content-Length of the whole reply, half of it sent, then the connection closed
    kOversize,     // the reply padded with spaces to `size` bytes
    kInvalidBytes, // kInvalidBytes put at the start, the middle and the end of the reply
    // The connection reset (TCP RST) before anything is sent; the path does nothing. Where the
    // system offers no way to find the connection, an empty 500 reply instead.
    kReset,
};

struct Fault {
    FaultKind kind = FaultKind::kNone;
    int delayMs = 0; // waited before anything else, with any kind
    int status = 500;
    std::size_t size = 6u << 20;

    static Fault Delay(int ms);
    static Fault Hang();
    static Fault ErrorStatus(int status = 500);
    static Fault Truncated();
    static Fault Oversized(std::size_t size = 6u << 20);
    static Fault InvalidBytes();
    static Fault Reset();
};

// Bytes that are neither UTF-8 nor GBK.
inline constexpr std::string_view kInvalidBytes = "\xFF\xFE\xC3\x28\xFF";

// Parses "delay:MS", "hang", "status:CODE", "truncate", "oversize:BYTES", "invalid", "reset",
// several joined with '+' ("delay:500+truncate"); nullopt for anything else.
std::optional<Fault> ParseFault(std::string_view text);

std::string WithInvalidBytes(std::string body);
std::string Padded(std::string body, std::size_t size);
std::string ErrorPage(int status);

class FaultTable {
  public:
    void Set(std::string path, Fault fault);
    void Clear(const std::string& path);
    void ClearAll();
    // The fault set for the path, else the one set for "*", else none.
    Fault For(const std::string& path) const;

  private:
    mutable std::mutex mutex_;
    std::map<std::string, Fault> faults_;
};

} // namespace dalmiro::sim
