#pragma once
// The process cookie store behind cookie_store.h: one libcurl share holding the cookie engine
// (and the DNS cache) for every handle on every thread. Internal to net/.
#include "net/cookie_store.h"
#include "net/curl_handles.h"

#include <array>
#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string_view>
#include <tuple>

namespace dalmiro::net {

class CookieShare {
  public:
    CookieShare();
    CookieShare(const CookieShare&) = delete;
    CookieShare& operator=(const CookieShare&) = delete;

    // Makes the handle send and file cookies through the store; false when that failed.
    bool Attach(CURL* easy) const;
    std::vector<Cookie> List();
    // A cookie from outside (the browser view): listeners are not told of it.
    void Insert(const Cookie& cookie);
    // A cookie a reply set: listeners hear of it at the next ReportChanges.
    void Store(const Cookie& cookie);
    void Clear();
    // Tells the listeners of every cookie gained or changed since the last look.
    void ReportChanges();
    int AddListener(std::function<void(const Cookie&)> listener);
    // Once this returns, the listener is not running and is never called again (unless it
    // removes itself from inside its own call, which only stops later calls).
    void RemoveListener(int id);

    // Locks of the share, by libcurl's lock data (public for the C callbacks).
    std::mutex& LockFor(curl_lock_data data);

  private:
    using Key = std::tuple<std::string, std::string, std::string>; // domain, path, name
    static Key KeyOf(const Cookie& cookie);
    std::vector<Cookie> ListLocked();
    void StoreLocked(const Cookie& cookie);

    std::array<std::mutex, CURL_LOCK_DATA_LAST> locks_; // outlive share_
    CurlShare share_;
    std::mutex storeMutex_; // guards storeHandle_ and snapshot_
    CurlEasy storeHandle_;
    std::map<Key, Cookie> snapshot_;
    std::mutex listenersMutex_;
    std::map<int, std::function<void(const Cookie&)>> listeners_;
    int nextListenerId_ = 1;
    int listenerCallsRunning_ = 0; // guarded by listenersMutex_
    std::condition_variable listenerCallsDone_;
};

// The one store of the process. Every transfer holds a reference while it runs, so a worker left
// running after a time-out never outlives it.
std::shared_ptr<CookieShare> ProcessCookieShare();

// The cookie as a Netscape cookie-file line ("#HttpOnly_" prefix for HttpOnly); empty when a
// field holds a tab or line break, which the format cannot carry.
std::string NetscapeLine(const Cookie& cookie);
std::optional<Cookie> ParseNetscapeLine(std::string_view line);

} // namespace dalmiro::net
