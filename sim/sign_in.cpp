#include "sign_in.h"

namespace dalmiro::sim {
namespace {

// The browser view shows the page through a window about x 281..1026, y 14..315 of the page;
// the box sits inside it.
constexpr std::string_view kPageHead = R"(<!DOCTYPE html>
<html><head><meta charset="utf-8"><title>淘宝直通车 - 登录</title>
<style>
body{margin:0;width:1058px;height:360px;background:#f2f2f2;font:14px sans-serif;color:#333}
#box{position:absolute;left:301px;top:24px;width:705px;height:272px;box-sizing:border-box;
background:#fff;border:1px solid #ddd;padding:22px 40px}
h1{margin:0 0 18px;font-size:20px;color:#f40}
label{display:block;margin:0 0 12px}
label span{display:inline-block;width:70px}
input{width:260px;height:26px;padding:0 6px;border:1px solid #ccc}
button{width:120px;height:32px;margin-left:70px;border:0;background:#f40;color:#fff;font-size:15px}
.error{color:#c00;margin:0 0 10px}
.note{color:#999;font-size:12px;margin-top:14px}
</style></head><body><div id="box">
<h1>淘宝直通车 · 商家登录</h1>
)";

constexpr std::string_view kPageFoot = "</div></body></html>\n";

std::string SignInForm(const SimAccount& account, bool failed) {
    std::string html;
    if (failed) {
        html += "<p class=\"error\">账户名或密码错误，请重新输入</p>\n";
    }
    html += "<form method=\"post\" action=\"" + std::string(kSignInPath) + "\">\n";
    html += "<label><span>账户名</span><input name=\"loginId\" value=\"" +
            HtmlEscape(account.loginId) + "\"></label>\n";
    html += "<label><span>密码</span><input type=\"password\" name=\"password\" value=\"" +
            HtmlEscape(account.password) + "\"></label>\n";
    html += "<button type=\"submit\">登 录</button>\n</form>\n";
    html += "<p class=\"note\">模拟后台：账户与密码已填好，点击登录即可。</p>\n";
    return html;
}

std::string SignedInBox(const Session& session) {
    return "<p>已登录：<b>" + HtmlEscape(session.loginId) +
           "</b></p>\n<p>请切换到“直通车分析”或“淘词分析”开始使用。</p>\n"
           "<form method=\"post\" action=\"" +
           std::string(kSignOutPath) + "\"><button type=\"submit\">退 出</button></form>\n";
}

SimReply SignInPage(const SimRequest& request, SimData& data, const SessionStore& sessions) {
    std::string html(kPageHead);
    if (auto session = sessions.Find(SessionIdFromCookieHeader(request.cookies))) {
        html += SignedInBox(*session);
    } else {
        html += SignInForm(data.Account(), FieldValue(request.query, "error") == "1");
    }
    html += kPageFoot;
    return HtmlReply(std::move(html));
}

SimReply SignIn(const SimRequest& request, SimData& data, SessionStore& sessions) {
    Fields form = ParseFields(request.body);
    SimAccount account = data.Account();
    std::string loginId = FieldValue(form, "loginId");
    if (request.method != "POST") {
        return RedirectReply(std::string(kSignInPageAddress));
    }
    if (loginId.empty() || loginId != account.loginId ||
        FieldValue(form, "password") != account.password) {
        return RedirectReply("/?error=1" + std::string(kSignInPageAddress.substr(1)));
    }
    std::string id = sessions.Open(account.loginId, data.FixedToken());
    SimReply reply = RedirectReply(std::string(kSignInPageAddress));
    reply.headers.emplace_back("Set-Cookie", SessionCookieHeader(id));
    return reply;
}

SimReply SignOut(const SimRequest& request, SessionStore& sessions) {
    sessions.Close(SessionIdFromCookieHeader(request.cookies));
    SimReply reply = RedirectReply(std::string(kSignInPageAddress));
    reply.headers.emplace_back("Set-Cookie",
                               std::string(kSessionCookieName) + "=; Path=/; Max-Age=0; HttpOnly");
    return reply;
}

} // namespace

std::string SessionCookieHeader(const std::string& sessionId) {
    return std::string(kSessionCookieName) + "=" + sessionId + "; Path=/; HttpOnly";
}

std::optional<SimReply> RouteSignIn(const SimRequest& request, SimData& data,
                                    SessionStore& sessions) {
    if (request.path == "/") {
        return SignInPage(request, data, sessions);
    }
    if (request.path == kSignInPath) {
        return SignIn(request, data, sessions);
    }
    if (request.path == kSignOutPath) {
        return SignOut(request, sessions);
    }
    return std::nullopt;
}

} // namespace dalmiro::sim
