#include "startup/announcement.h"

#include <gtest/gtest.h>

namespace dalmiro {
namespace {

TEST(Announcement, CutsTheFourEntriesAnywhereInThePage) {
    const Announcement found = ParseAnnouncement(
        Gbk("<p>说明</p>[公告链接=http://a.example/n]<br>[新版本号=v1.6]\r\n"
            "[更新地址=http://a.example/setup.exe] [公告内容=五一活动，全场免费]"));
    EXPECT_EQ(found.newVersion, "1.6"); // the V marker ignores case
    EXPECT_EQ(found.updateAddress, "http://a.example/setup.exe");
    EXPECT_EQ(found.text, Gbk("五一活动，全场免费"));
    EXPECT_EQ(found.link, "http://a.example/n");

    const Announcement none = ParseAnnouncement(Gbk("<html>暂无消息</html>"));
    EXPECT_EQ(none.newVersion, "");
    EXPECT_EQ(none.updateAddress, "");
    EXPECT_EQ(none.text, "");
    EXPECT_EQ(none.link, "");
}

TEST(Announcement, VersionOfTheTitle) {
    struct Case {
        Text title;
        double version;
    };
    const Case cases[] = {
        {Gbk("Dalmiro淘词助手-淘宝直通车关键词排名数据分析专家V1.5---- By QQ800000000"), 1.5},
        {Gbk("助手v2.25----"), 2.25},
        {Gbk("助手V3"), 3},           // no "----": up to the end
        {Gbk("助手 1.5----"), 0},     // no V
        {Gbk("乂助手V1.7----"), 1.7}, // 乂 ends in the byte of "V": not a V
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(VersionFromTitle(c.title), c.version) << GbkToUtf8(c.title);
}

TEST(Announcement, NewerOnlyBeyondTheTolerance) {
    struct Case {
        const char* announced;
        bool newer;
    };
    const Case cases[] = {
        {"1.6", true},  {"1.5", false},        {"1.4", false}, {"", false},
        {"abc", false}, {"1.50000001", false}, {"2", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsNewerVersion(c.announced, 1.5), c.newer) << c.announced;
}

} // namespace
} // namespace dalmiro
