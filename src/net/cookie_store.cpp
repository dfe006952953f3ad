#include "net/cookie_store.h"

#include "net/cookie_share.h"

#include <charconv>

namespace dalmiro {

namespace net {

namespace {

// Set while this thread is calling cookie listeners.
thread_local bool insideListenerCall = false;

void LockShare(CURL*, curl_lock_data data, curl_lock_access, void* user) {
    static_cast<CookieShare*>(user)->LockFor(data).lock();
}

void UnlockShare(CURL*, curl_lock_data data, void* user) {
    static_cast<CookieShare*>(user)->LockFor(data).unlock();
}

std::vector<std::string_view> SplitTabs(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (std::size_t tab = line.find('\t'); tab != std::string_view::npos;
         tab = line.find('\t', start)) {
        fields.push_back(line.substr(start, tab - start));
        start = tab + 1;
    }
    fields.push_back(line.substr(start));
    return fields;
}

} // namespace

CookieShare::CookieShare() {
    if (!CurlReady()) {
        return;
    }
    CurlShare share(curl_share_init());
    if (!share) {
        return;
    }
    CURLSH* s = share.get();
    const bool ok = curl_share_setopt(s, CURLSHOPT_USERDATA, this) == CURLSHE_OK &&
                    curl_share_setopt(s, CURLSHOPT_LOCKFUNC, LockShare) == CURLSHE_OK &&
                    curl_share_setopt(s, CURLSHOPT_UNLOCKFUNC, UnlockShare) == CURLSHE_OK &&
                    curl_share_setopt(s, CURLSHOPT_SHARE, CURL_LOCK_DATA_COOKIE) == CURLSHE_OK &&
                    curl_share_setopt(s, CURLSHOPT_SHARE, CURL_LOCK_DATA_DNS) == CURLSHE_OK;
    if (!ok) {
        return;
    }
    share_ = std::move(share);
    storeHandle_ = NewCurlEasy();
    if (storeHandle_ && !Attach(storeHandle_.get())) {
        storeHandle_.reset();
    }
}

std::mutex& CookieShare::LockFor(curl_lock_data data) {
    const auto index = static_cast<std::size_t>(data);
    return locks_[index < locks_.size() ? index : 0];
}

bool CookieShare::Attach(CURL* easy) const {
    // The share brings the cookies; an empty cookie file switches the handle's cookie engine on
    // (without it libcurl neither sends nor files cookies on that handle).
    return share_ && curl_easy_setopt(easy, CURLOPT_SHARE, share_.get()) == CURLE_OK &&
           curl_easy_setopt(easy, CURLOPT_COOKIEFILE, "") == CURLE_OK;
}

CookieShare::Key CookieShare::KeyOf(const Cookie& cookie) {
    return {cookie.domain, cookie.path, cookie.name};
}

std::vector<Cookie> CookieShare::ListLocked() {
    std::vector<Cookie> cookies;
    if (!storeHandle_) {
        return cookies;
    }
    curl_slist* raw = nullptr;
    if (curl_easy_getinfo(storeHandle_.get(), CURLINFO_COOKIELIST, &raw) != CURLE_OK) {
        return cookies;
    }
    const CurlSlist lines(raw);
    for (const curl_slist* line = lines.get(); line != nullptr; line = line->next) {
        if (std::optional<Cookie> cookie = ParseNetscapeLine(line->data)) {
            cookies.push_back(std::move(*cookie));
        }
    }
    return cookies;
}

std::vector<Cookie> CookieShare::List() {
    const std::lock_guard lock(storeMutex_);
    return ListLocked();
}

void CookieShare::StoreLocked(const Cookie& cookie) {
    const std::string line = NetscapeLine(cookie);
    if (storeHandle_ && !line.empty()) {
        curl_easy_setopt(storeHandle_.get(), CURLOPT_COOKIELIST, line.c_str());
    }
}

void CookieShare::Insert(const Cookie& cookie) {
    const std::lock_guard lock(storeMutex_);
    StoreLocked(cookie);
    // Take the cookie as the store now holds it into the snapshot, so that the next comparison
    // finds nothing new and the listeners (the browser bridge) never hear their own cookie back.
    const Key key = KeyOf(cookie);
    snapshot_.erase(key);
    for (Cookie& held : ListLocked()) {
        if (KeyOf(held) == key) {
            snapshot_[key] = std::move(held);
        }
    }
}

void CookieShare::Store(const Cookie& cookie) {
    const std::lock_guard lock(storeMutex_);
    StoreLocked(cookie);
}

void CookieShare::Clear() {
    const std::lock_guard lock(storeMutex_);
    if (storeHandle_) {
        curl_easy_setopt(storeHandle_.get(), CURLOPT_COOKIELIST, "ALL");
    }
    snapshot_.clear();
}

void CookieShare::ReportChanges() {
    std::vector<Cookie> changed;
    {
        const std::lock_guard lock(storeMutex_);
        std::map<Key, Cookie> current;
        for (Cookie& cookie : ListLocked()) {
            Key key = KeyOf(cookie);
            const auto before = snapshot_.find(key);
            if (before == snapshot_.end() || !(before->second == cookie)) {
                changed.push_back(cookie);
            }
            current.emplace(std::move(key), std::move(cookie));
        }
        snapshot_ = std::move(current);
    }
    if (changed.empty()) {
        return;
    }
    std::vector<std::function<void(const Cookie&)>> listeners;
    {
        const std::lock_guard lock(listenersMutex_);
        for (const auto& entry : listeners_) {
            listeners.push_back(entry.second);
        }
        ++listenerCallsRunning_;
    }
    // Counts the call as finished however it ends, a throwing listener included.
    struct CallsRunning {
        CookieShare& share;
        ~CallsRunning() {
            insideListenerCall = false;
            {
                const std::lock_guard lock(share.listenersMutex_);
                --share.listenerCallsRunning_;
            }
            share.listenerCallsDone_.notify_all();
        }
    } running{*this};
    insideListenerCall = true;
    for (const Cookie& cookie : changed) {
        for (const auto& listener : listeners) {
            listener(cookie);
        }
    }
}

int CookieShare::AddListener(std::function<void(const Cookie&)> listener) {
    const std::lock_guard lock(listenersMutex_);
    const int id = nextListenerId_++;
    listeners_.emplace(id, std::move(listener));
    return id;
}

void CookieShare::RemoveListener(int id) {
    std::unique_lock lock(listenersMutex_);
    listeners_.erase(id);
    // Calls already under way on other threads hold copies of the listener: wait for them, so
    // that whatever the listener refers to may be destroyed once this returns. A listener that
    // removes itself must not wait for its own call.
    if (!insideListenerCall) {
        listenerCallsDone_.wait(lock, [this] { return listenerCallsRunning_ == 0; });
    }
}

std::shared_ptr<CookieShare> ProcessCookieShare() {
    static const std::shared_ptr<CookieShare> share = std::make_shared<CookieShare>();
    return share;
}

std::string NetscapeLine(const Cookie& cookie) {
    for (const std::string* field : {&cookie.domain, &cookie.path, &cookie.name, &cookie.value}) {
        if (field->find_first_of("\t\r\n") != std::string::npos) {
            return {};
        }
    }
    if (cookie.domain.empty() || cookie.name.empty()) {
        return {};
    }
    std::string line;
    if (cookie.httpOnly) {
        line += "#HttpOnly_";
    }
    // Host-only: the bare host and FALSE; otherwise the dotted domain and TRUE.
    line += cookie.hostOnly ? cookie.domain : "." + cookie.domain;
    line += cookie.hostOnly ? "\tFALSE\t" : "\tTRUE\t";
    line += cookie.path.empty() ? "/" : cookie.path;
    line += cookie.secure ? "\tTRUE\t" : "\tFALSE\t";
    line += std::to_string(cookie.expires);
    line += "\t" + cookie.name + "\t" + cookie.value;
    return line;
}

std::optional<Cookie> ParseNetscapeLine(std::string_view line) {
    Cookie cookie;
    constexpr std::string_view kHttpOnly = "#HttpOnly_";
    if (line.starts_with(kHttpOnly)) {
        cookie.httpOnly = true;
        line.remove_prefix(kHttpOnly.size());
    } else if (line.starts_with('#')) {
        return std::nullopt;
    }
    const std::vector<std::string_view> fields = SplitTabs(line);
    if (fields.size() < 6) {
        return std::nullopt;
    }
    std::string_view domain = fields[0];
    if (domain.starts_with('.')) {
        domain.remove_prefix(1);
    }
    cookie.domain = std::string(domain);
    cookie.hostOnly = fields[1] != "TRUE";
    cookie.path = std::string(fields[2]);
    cookie.secure = fields[3] == "TRUE";
    std::from_chars(fields[4].data(), fields[4].data() + fields[4].size(), cookie.expires);
    cookie.name = std::string(fields[5]);
    cookie.value = fields.size() > 6 ? std::string(fields[6]) : std::string();
    return cookie;
}

} // namespace net

void InsertCookie(const Cookie& cookie) {
    net::ProcessCookieShare()->Insert(cookie);
}

std::vector<Cookie> AllCookies() {
    return net::ProcessCookieShare()->List();
}

int AddCookieListener(std::function<void(const Cookie&)> listener) {
    return net::ProcessCookieShare()->AddListener(std::move(listener));
}

void RemoveCookieListener(int id) {
    net::ProcessCookieShare()->RemoveListener(id);
}

void ClearCookies() {
    net::ProcessCookieShare()->Clear();
}

} // namespace dalmiro
