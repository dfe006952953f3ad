#include "platform/login_token.h"
#include "platform/platform_urls.h"
#include "platform/run_log.h"

#include <gtest/gtest.h>

namespace dalmiro {
namespace {

Hosts TestHosts() {
    Hosts hosts;
    hosts.backOffice = "http://bo.test";
    hosts.images = "http://img.test";
    hosts.items = "http://item.test";
    return hosts;
}

TEST(PlatformUrls, AreBuiltFromTheHostsAndIdsAsTheyStand) {
    const Hosts hosts = TestHosts();
    EXPECT_EQ(LoginInfoUrl(hosts), "http://bo.test/bpenv/getLoginUserInfo.htm");
    EXPECT_EQ(CampaignListUrl(hosts), "http://bo.test/campaign/getCampaignDetailInfo.htm?type=0");
    EXPECT_EQ(PromotedItemListUrl(hosts, "3000000001"),
              "http://bo.test/adgroup/adGroupList.htm?queryVO=%7B%22pageNumber%22%3A1%2C"
              "%22pageSize%22%3A200%2C%22queryTitle%22%3A%22%22%2C%22queryState%22%3A%22%22%2C"
              "%22campaignId%22%3A%223000000001%22%7D");
    EXPECT_EQ(KeywordListUrl(hosts, "45", "678"),
              "http://bo.test/bidword/list.htm?campaignId=45&adGroupId=678&queryWord=");
    EXPECT_EQ(BidUpdateUrl(hosts), "http://bo.test/bidword/updatePrice.htm");
    EXPECT_EQ(ItemPageUrl(hosts, "5201314"), "http://item.test/item.htm?id=5201314");
    // The image path follows the folder directly, whatever it starts with.
    EXPECT_EQ(ItemPictureUrl(hosts, "/i1/a.jpg"), "http://img.test/bao/uploaded/i1/a.jpg");
    EXPECT_EQ(ItemPictureUrl(hosts, "i1/a.jpg"), "http://img.test/bao/uploadedi1/a.jpg");
}

TEST(RunLogText, NamesTheChoiceWithCrLfLines) {
    EXPECT_EQ(RunLogText(Gbk("春季计划"), Gbk("连衣裙"), 3, "http://item.test/item.htm?id=7"),
              Gbk("◆◆◆◆◆◆◆◆◆◆运行日志◆◆◆◆◆◆◆◆◆◆\r\n"
                  "当前推广计划：春季计划\r\n"
                  "当前推广宝贝：连衣裙\r\n"
                  "当前计划有3个推广宝贝\r\n"
                  "当前宝贝地址：http://item.test/item.htm?id=7"));
}

TEST(TokenFromLoginInfo, CutsTheValueBeforeOperName) {
    const struct {
        const char* reply;
        const char* token;
    } cases[] = {
        {R"({"nick":"x","token":"abc123","operName":"shop"})", "abc123"},
        {R"({"token":"a+b/c=_-.","operName":"shop"})", "a+b/c=_-."},
        {R"({"TOKEN":"up","operName":"shop"})", "up"}, // markers are found ignoring case
        {R"({"token":"tail","nick":"shop"})", R"(tail","nick":"shop"})"},
        {R"({"error":"not signed in"})", ""},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TokenFromLoginInfo(c.reply), c.token) << c.reply;
}

} // namespace
} // namespace dalmiro
