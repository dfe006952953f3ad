#pragma once
// A request as the routes see it and the reply they build, independent of the HTTP library.
#include "sim_text.h"

#include <string>
#include <string_view>

namespace dalmiro::sim {

struct SimRequest {
    std::string method;  // "GET", "POST", …
    std::string path;    // without the query
    Fields query;        // decoded query fields, in order
    std::string body;    // raw request body
    std::string cookies; // every Cookie header, joined with "; "
    std::string baseUrl; // "http://host:port" as the client reached this server
};

struct SimReply {
    int status = 200;
    std::string contentType;
    std::string body;
    Fields headers; // extra header lines (Set-Cookie, Location, …)
};

inline constexpr std::string_view kJsonType = "application/json;charset=UTF-8";
inline constexpr std::string_view kHtmlType = "text/html;charset=UTF-8";
inline constexpr std::string_view kGbkHtmlType = "text/html;charset=GBK";
inline constexpr std::string_view kScriptType = "text/javascript;charset=UTF-8";

SimReply JsonReply(std::string body, int status = 200);
SimReply HtmlReply(std::string body, int status = 200);
SimReply RedirectReply(std::string location);
SimReply NotFoundReply();

} // namespace dalmiro::sim
