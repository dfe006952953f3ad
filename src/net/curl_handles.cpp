#include "net/curl_handles.h"

namespace dalmiro::net {

bool CurlReady() {
    // A function-local static runs the initialisation exactly once, even with racing threads.
    static const bool ready = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    return ready;
}

CurlEasy NewCurlEasy() {
    if (!CurlReady()) {
        return nullptr;
    }
    CurlEasy easy(curl_easy_init());
    if (!easy) {
        return nullptr;
    }
    CURL* h = easy.get();
    // Workers run transfers on their own threads: signals must stay out of it.
    bool ok = curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L) == CURLE_OK;
    ok = ok && curl_easy_setopt(h, CURLOPT_PROTOCOLS_STR, "http,https") == CURLE_OK;
    ok = ok && curl_easy_setopt(h, CURLOPT_REDIR_PROTOCOLS_STR, "http,https") == CURLE_OK;
    // An empty proxy means direct access, whatever http_proxy and friends say.
    ok = ok && curl_easy_setopt(h, CURLOPT_PROXY, "") == CURLE_OK;
    return ok ? std::move(easy) : nullptr;
}

CurlSlist MakeSlist(const std::vector<std::string>& lines, bool& ok) {
    ok = true;
    CurlSlist list;
    for (const std::string& line : lines) {
        curl_slist* grown = curl_slist_append(list.get(), line.c_str());
        if (grown == nullptr) {
            ok = false;
            return nullptr;
        }
        list.release(); // now owned by `grown`, which is the same list's head
        list.reset(grown);
    }
    return list;
}

} // namespace dalmiro::net
