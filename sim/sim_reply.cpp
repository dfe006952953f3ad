#include "sim_reply.h"

namespace dalmiro::sim {

SimReply JsonReply(std::string body, int status) {
    SimReply r;
    r.status = status;
    r.contentType = kJsonType;
    r.body = std::move(body);
    return r;
}

SimReply HtmlReply(std::string body, int status) {
    SimReply r;
    r.status = status;
    r.contentType = kHtmlType;
    r.body = std::move(body);
    return r;
}

SimReply RedirectReply(std::string location) {
    SimReply r = HtmlReply("<!DOCTYPE html><html><body><a href=\"" + HtmlEscape(location) +
                               "\">继续</a></body></html>",
                           302);
    r.headers.emplace_back("Location", std::move(location));
    return r;
}

SimReply NotFoundReply() {
    return HtmlReply("<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>404</title>"
                     "</head><body><h1>404 页面不存在</h1></body></html>",
                     404);
}

} // namespace dalmiro::sim
