#pragma once
// Owning wrappers for libcurl's handles and the one-time library set-up. Internal to net/.
#include <curl/curl.h>

#include <memory>
#include <string>
#include <vector>

namespace dalmiro::net {

struct CurlEasyDeleter {
    void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
};
struct CurlSlistDeleter {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};
struct CurlShareDeleter {
    void operator()(CURLSH* share) const { curl_share_cleanup(share); }
};

using CurlEasy = std::unique_ptr<CURL, CurlEasyDeleter>;
using CurlSlist = std::unique_ptr<curl_slist, CurlSlistDeleter>;
using CurlShare = std::unique_ptr<CURLSH, CurlShareDeleter>;

// Initialises libcurl once per process (thread-safe); false when that failed.
bool CurlReady();
// A new easy handle with the settings every transfer of the program shares (no signals, plain
// HTTP and HTTPS only, no proxy taken from the environment); null on failure.
CurlEasy NewCurlEasy();
// The lines as a header list; null for no lines or on allocation failure (`ok` false then).
CurlSlist MakeSlist(const std::vector<std::string>& lines, bool& ok);

} // namespace dalmiro::net
