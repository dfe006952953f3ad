// Signing in over HTTP, and the refusals of the back office without a session or token.
#include "sim_fixture.h"

#include "sim/backoffice_routes.h"

namespace dalmiro::sim::test {
namespace {

using Sessions = SimFixture;

TEST_F(Sessions, SignInPageShowsTheFormInTheBrowserViewsWindow) {
    HttpResult r = Get("/");
    ASSERT_EQ(r.status, 200);
    EXPECT_NE(r.body.find("action=\"/login.htm\""), std::string::npos);
    EXPECT_NE(r.body.find("name=\"loginId\""), std::string::npos);
    EXPECT_NE(r.body.find("name=\"password\""), std::string::npos);
    // The box lies inside the page area the clipped view shows (x 281..1026, y 14..315).
    EXPECT_NE(r.body.find("left:301px;top:24px;width:705px;height:272px"), std::string::npos);
    EXPECT_EQ(r.body.find("http"), std::string::npos) << "no outside resources";
}

TEST_F(Sessions, NoSessionNoTokenThenSignInThenToken) {
    HttpResult before = Get("/bpenv/getLoginUserInfo.htm");
    EXPECT_EQ(before.body, kNotSignedInReply);
    EXPECT_EQ(before.body.find("token"), std::string::npos);

    HttpResult signIn = Post("/login.htm", "loginId=dalmiro_shop&password=123456");
    EXPECT_EQ(signIn.status, 302);
    EXPECT_EQ(signIn.location, "/#!/login");
    EXPECT_EQ(signIn.setCookie.rfind("sim_session=", 0), 0u);
    EXPECT_NE(signIn.setCookie.find("HttpOnly"), std::string::npos);
    EXPECT_NE(signIn.setCookie.find("Path=/"), std::string::npos);
    std::string pair = signIn.setCookie.substr(0, signIn.setCookie.find(';'));

    HttpResult after = Get("/bpenv/getLoginUserInfo.htm", pair);
    std::string id = pair.substr(pair.find('=') + 1);
    EXPECT_NE(after.body.find("\"token\":\"" + server.TokenOf(id) + "\",\"operName\""),
              std::string::npos);
    EXPECT_NE(Get("/", pair).body.find("已登录"), std::string::npos);
}

TEST_F(Sessions, EachSignInOpensItsOwnSession) {
    std::string first = SignInOverHttp();
    std::string second = SignInOverHttp();
    EXPECT_NE(first, second);
    EXPECT_NE(server.TokenOf(first.substr(first.find('=') + 1)),
              server.TokenOf(second.substr(second.find('=') + 1)));
}

TEST_F(Sessions, WrongCredentialsAreRefused) {
    struct Case {
        std::string body;
    } cases[] = {
        {"loginId=dalmiro_shop&password=wrong"},
        {"loginId=someone&password=123456"},
        {"loginId=&password="},
        {""},
    };
    for (const Case& c : cases) {
        HttpResult r = Post("/login.htm", c.body);
        EXPECT_EQ(r.status, 302) << c.body;
        EXPECT_EQ(r.location, "/?error=1#!/login") << c.body;
        EXPECT_EQ(r.setCookie, "") << c.body;
    }
    EXPECT_EQ(Get("/login.htm").location, "/#!/login")
        << "opening the form's target shows the form";
    EXPECT_NE(Get("/?error=1").body.find("账户名或密码错误"), std::string::npos);
    EXPECT_EQ(Get("/").body.find("账户名或密码错误"), std::string::npos);
}

TEST_F(Sessions, SignOutEndsTheSession) {
    std::string pair = SignInOverHttp();
    HttpResult out = Post("/logout.htm", "", pair);
    EXPECT_EQ(out.status, 302);
    EXPECT_NE(out.setCookie.find("Max-Age=0"), std::string::npos);
    EXPECT_EQ(Get("/bpenv/getLoginUserInfo.htm", pair).body, kNotSignedInReply);
}

struct BackOfficePath {
    const char* target;
    bool post;
};

const BackOfficePath kBackOfficePaths[] = {
    {"/bpenv/getLoginUserInfo.htm", false},
    {"/campaign/getCampaignDetailInfo.htm?type=0", false},
    {"/adgroup/adGroupList.htm?queryVO=%7B%22campaignId%22%3A%2230118201%22%7D", false},
    {"/bidword/list.htm?campaignId=30118201&adGroupId=1&queryWord=", false},
    {"/insight/doWhois.htm?bidword=%E8%A3%99&queryAdType=0", false},
    {"/bidword/updatePrice.htm", true},
    {"/report/getMarketAnalysis.htm?bidwordstr=%5B%22%E8%A3%99%22%5D&startDate=2026-1-1&"
     "endDate=2026-1-7",
     true},
    {"/report/getRelatedBidwordList.htm?bidwordstr=%E8%A3%99&theDate=2026-1-7", true},
    {"/insight/loadRelWord4Bidword.htm?bidword=%E8%A3%99", true},
};

TEST_F(Sessions, BackOfficeRefusesRequestsWithoutAValidSession) {
    for (const BackOfficePath& p : kBackOfficePaths) {
        for (const std::string cookie : {"", "sim_session=forged", "other=1"}) {
            HttpResult r =
                p.post ? Post(p.target, "sla=json&token=abc", cookie) : Get(p.target, cookie);
            EXPECT_EQ(r.status, 200) << p.target;
            EXPECT_EQ(r.body, kNotSignedInReply) << p.target << " with '" << cookie << "'";
        }
    }
}

TEST_F(Sessions, PostPathsRefuseAMissingOrWrongToken) {
    SignIn();
    for (const BackOfficePath& p : kBackOfficePaths) {
        if (!p.post) {
            continue;
        }
        for (const std::string& body : {std::string("sla=json"), std::string("token="),
                                        "token=" + token + "x", "token=" + token.substr(1)}) {
            EXPECT_EQ(Post(p.target, body, cookie).body, kBadTokenReply) << p.target << " " << body;
        }
        EXPECT_EQ(Get(p.target, cookie).status, 405) << p.target;
        HttpResult accepted = Post(p.target, "isAjaxRequest=true&token=" + token, cookie);
        EXPECT_NE(accepted.body, kBadTokenReply) << p.target;
        EXPECT_NE(accepted.body, kNotSignedInReply) << p.target;
    }
}

TEST_F(Sessions, SessionCookieIsFoundAmongOtherCookies) {
    SignIn();
    EXPECT_NE(Get("/bpenv/getLoginUserInfo.htm", "a=1; " + cookie + "; b=2").body.find(token),
              std::string::npos);
}

TEST_F(Sessions, PublicServicesNeedNoSession) {
    for (const char* target :
         {"/sug?q=%E8%A3%99", "/search?q=%C8%B9", "/item.htm?id=123", "/bao/uploaded/i1/T1x.png",
          "/maker/notice.htm", "/maker/", "/maker/contact.htm", "/maker/counter.htm",
          "/maker/status.gif", "/"}) {
        EXPECT_EQ(Get(target).status, 200) << target;
    }
}

} // namespace
} // namespace dalmiro::sim::test
