#pragma once
// The addresses of the back-office calls and of the item's public page and picture, built from
// the hosts in use. Ids and paths are inserted as they stand.
#include "app/hosts.h"

#include <string>
#include <string_view>

namespace dalmiro {

std::string LoginInfoUrl(const Hosts& hosts);
std::string CampaignListUrl(const Hosts& hosts);
std::string PromotedItemListUrl(const Hosts& hosts, std::string_view campaignId);
std::string KeywordListUrl(const Hosts& hosts, std::string_view campaignId,
                           std::string_view adGroupId);
std::string BidUpdateUrl(const Hosts& hosts);
std::string ItemPageUrl(const Hosts& hosts, std::string_view itemId);
std::string ItemPictureUrl(const Hosts& hosts, std::string_view imagePath);

} // namespace dalmiro
