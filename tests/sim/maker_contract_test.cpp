// The maker's pages: the announcement entries as the start-up reads them, and the other pages.
#include "sim_fixture.h"

namespace dalmiro::sim::test {
namespace {

struct Entries {
    std::string version;
    std::string updateAddress;
    std::string text;
    std::string link;
};

// Cut as the start-up cuts them: anchor, left marker, "]".
Entries ReadEntries(const std::string& page) {
    return {Between(page, "新版本号=", "V", "]"), Between(page, "更新地址", "=", "]"),
            Between(page, "公告内容", "=", "]"), Between(page, "公告链接", "=", "]")};
}

using MakerContract = SimFixture;

TEST_F(MakerContract, AnnouncementEntries) {
    const std::string site = server.BaseUrl() + "/maker/";
    Entries standard = ReadEntries(Get("/maker/notice.htm").body);
    EXPECT_EQ(standard.version, "1.5");
    EXPECT_EQ(standard.updateAddress, site);
    EXPECT_EQ(standard.text, server.Data().Notice().text);
    EXPECT_EQ(standard.link, site);

    server.SetAnnouncedVersion("1.6");
    EXPECT_EQ(ReadEntries(Get("/maker/notice.htm").body).version, "1.6");

    SimNotice custom{true, "2.0", "http://example.test/new", "夏季大促", "http://example.test/a"};
    server.Data().SetNotice(custom);
    Entries set = ReadEntries(Get("/maker/notice.htm").body);
    EXPECT_EQ(set.version, "2.0");
    EXPECT_EQ(set.updateAddress, custom.updateAddress);
    EXPECT_EQ(set.text, "夏季大促");
    EXPECT_EQ(set.link, custom.link);
}

TEST_F(MakerContract, PageWithoutEntries) {
    SimNotice none;
    none.present = false;
    server.Data().SetNotice(none);
    HttpResult r = Get("/maker/notice.htm");
    EXPECT_EQ(r.status, 200);
    Entries e = ReadEntries(r.body);
    EXPECT_EQ(e.version, "");
    EXPECT_EQ(e.updateAddress, "");
    EXPECT_EQ(e.text, "");
    EXPECT_EQ(e.link, "");
}

TEST_F(MakerContract, SiteContactCounterAndStatusPicture) {
    for (const char* path : {"/maker/", "/maker/contact.htm"}) {
        HttpResult r = Get(path);
        EXPECT_EQ(r.status, 200) << path;
        EXPECT_NE(r.body.find("淘词助手"), std::string::npos) << path;
    }
    EXPECT_NE(Get("/maker/counter.htm").body.find("<b>1</b>"), std::string::npos);
    EXPECT_NE(Get("/maker/counter.htm").body.find("<b>2</b>"), std::string::npos);

    HttpResult online = Get("/maker/status.gif");
    EXPECT_EQ(online.contentType, "image/gif");
    EXPECT_EQ(online.body.substr(0, 6), "GIF89a");
    server.Data().SetMakerOnline(false);
    HttpResult offline = Get("/maker/status.gif");
    EXPECT_EQ(offline.body.substr(0, 6), "GIF89a");
    EXPECT_NE(offline.body, online.body);
}

} // namespace
} // namespace dalmiro::sim::test
