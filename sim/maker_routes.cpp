#include "maker_routes.h"

#include "images.h"

namespace dalmiro::sim {
namespace {

std::string Page(std::string_view title, const std::string& body, std::string_view style = "") {
    return "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>" + std::string(title) +
           "</title><style>body{margin:0;font:14px sans-serif;color:#333}" + std::string(style) +
           "</style></head><body>\n" + body + "</body></html>\n";
}

// Entries are written [key=value]; the page's other text names none of the keys.
SimReply Notice(const SimRequest& request, const SimData& data) {
    SimNotice notice = data.Notice();
    std::string site = request.baseUrl + std::string(kMakerPrefix);
    std::string body = "<h1>淘词助手</h1>\n";
    if (notice.present) {
        body += "<p>[新版本号=V" + notice.version + "]</p>\n";
        body += "<p>[更新地址=" + (notice.updateAddress.empty() ? site : notice.updateAddress) +
                "]</p>\n";
        body += "<p>[公告内容=" + notice.text + "]</p>\n";
        body += "<p>[公告链接=" + (notice.link.empty() ? site : notice.link) + "]</p>\n";
    } else {
        body += "<p>暂无消息。</p>\n";
    }
    return HtmlReply(Page("淘词助手", body));
}

SimReply Site(const SimRequest&, const SimData& data) {
    std::string body = "<div style=\"padding:24px\"><h1>淘词助手</h1>\n"
                       "<p>直通车选词、排名分析与淘词工具。最新版本 V" +
                       HtmlEscape(data.Notice().version) +
                       "。</p>\n<p><a href=\"contact.htm\">联系我们</a></p></div>\n";
    return HtmlReply(Page("淘词助手 - 官方网站", body));
}

SimReply Contact(const SimRequest&, const SimData&) {
    return HtmlReply(Page("淘词助手 - 联系我们",
                          "<div style=\"padding:24px\"><h1>联系我们</h1>\n"
                          "<p>客服旺旺：淘词助手客服</p>\n<p>工作时间：每天 9:00 - 22:00</p>"
                          "</div>\n"));
}

// The main window shows this page through a window about x 12..396, y 150..254 of it.
SimReply Counter(const SimRequest&, SimData& data) {
    long long visits = data.CountVisit();
    return HtmlReply(
        Page("访问统计",
             "<div id=\"count\">累计访问 <b>" + Digits(visits) + "</b> 次<br>感谢您的支持</div>\n",
             "body{width:420px;height:270px}#count{position:absolute;left:24px;top:160px;"
             "width:360px;height:84px;font-size:18px;line-height:36px;text-align:center;"
             "background:#fff7e6;border:1px solid #f0c78a}"));
}

SimReply Status(const SimRequest&, const SimData& data) {
    SimReply reply;
    reply.contentType = "image/gif";
    reply.body = StatusPicture(data.MakerOnline());
    return reply;
}

} // namespace

std::optional<SimReply> RouteMaker(const SimRequest& request, SimData& data) {
    const std::string& path = request.path;
    if (path == "/maker/notice.htm") {
        return Notice(request, data);
    }
    if (path == "/maker/" || path == "/maker/index.htm") {
        return Site(request, data);
    }
    if (path == "/maker/contact.htm") {
        return Contact(request, data);
    }
    if (path == "/maker/counter.htm") {
        return Counter(request, data);
    }
    if (path == "/maker/status.gif") {
        return Status(request, data);
    }
    return std::nullopt;
}

} // namespace dalmiro::sim
