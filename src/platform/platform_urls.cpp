#include "platform/platform_urls.h"

namespace dalmiro {

namespace {

// The ad-group list query: page 1 of up to 200 items of one campaign, as a percent-encoded JSON
// object whose campaignId is a JSON string.
constexpr std::string_view kItemQueryHead =
    "%7B%22pageNumber%22%3A1%2C%22pageSize%22%3A200%2C%22queryTitle%22%3A%22%22%2C"
    "%22queryState%22%3A%22%22%2C%22campaignId%22%3A%22";
constexpr std::string_view kItemQueryTail = "%22%7D";

std::string Join(std::initializer_list<std::string_view> parts) {
    std::string out;
    for (std::string_view part : parts)
        out += part;
    return out;
}

} // namespace

std::string LoginInfoUrl(const Hosts& hosts) {
    return hosts.backOffice + "/bpenv/getLoginUserInfo.htm";
}

std::string CampaignListUrl(const Hosts& hosts) {
    return hosts.backOffice + "/campaign/getCampaignDetailInfo.htm?type=0";
}

std::string PromotedItemListUrl(const Hosts& hosts, std::string_view campaignId) {
    return Join({hosts.backOffice, "/adgroup/adGroupList.htm?queryVO=", kItemQueryHead, campaignId,
                 kItemQueryTail});
}

std::string KeywordListUrl(const Hosts& hosts, std::string_view campaignId,
                           std::string_view adGroupId) {
    return Join({hosts.backOffice, "/bidword/list.htm?campaignId=", campaignId,
                 "&adGroupId=", adGroupId, "&queryWord="});
}

std::string BidUpdateUrl(const Hosts& hosts) {
    return hosts.backOffice + "/bidword/updatePrice.htm";
}

std::string ItemPageUrl(const Hosts& hosts, std::string_view itemId) {
    return Join({hosts.items, "/item.htm?id=", itemId});
}

std::string ItemPictureUrl(const Hosts& hosts, std::string_view imagePath) {
    return Join({hosts.images, "/bao/uploaded", imagePath});
}

} // namespace dalmiro
