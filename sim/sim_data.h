#pragma once
// The substitute back office's data: the merchant's account, campaigns, promoted items (ad
// groups) and keywords with their bids, plus what the services answer about a keyword and the
// maker's announcement. Every member is guarded by one mutex, so tests may change the data while
// the server answers. Texts are UTF-8 and kept unescaped; replies escape them.
#include "keyword_facts.h"

#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dalmiro::sim {

struct SimKeyword {
    std::string keywordId;
    std::string word;
    long long maxPriceFen = 0;
};

// A promoted item; on the back office each one is an ad group.
struct SimItem {
    std::string adGroupId;
    std::string itemId; // the public item id (outsideItemNumId)
    std::string title;
    std::string imgUrl; // path below "/bao/uploaded"
    std::vector<SimKeyword> keywords;
};

struct SimCampaign {
    std::string campaignId;
    std::string title;
    std::vector<SimItem> items;
};

struct SimAccount {
    std::string loginId = "dalmiro_shop";
    std::string password = "123456";
};

// The maker's announcement page. Empty addresses stand for the maker's web site on this server.
struct SimNotice {
    bool present = true;
    std::string version = "1.5";
    std::string updateAddress;
    std::string text = "欢迎使用淘词助手，祝您生意兴隆";
    std::string link;
};

// Builders that derive ids, pictures and bids from their arguments.
SimKeyword MakeKeyword(const std::string& adGroupId, const std::string& word);
SimItem MakeItem(const std::string& campaignId, int index, const std::string& title,
                 const std::vector<std::string>& keywordWords);
// Four campaigns: three with items, one with an escaped quote in its title, and an empty one.
std::vector<SimCampaign> DefaultCampaigns();
// `campaigns` campaigns of `items` items with `keywords` keywords each, titles and words from
// the vocabulary.
std::vector<SimCampaign> GeneratedCampaigns(int campaigns, int items, int keywords);

class SimData {
  public:
    SimData();
    // Back to the defaults: default campaigns and account, no per-keyword settings.
    void Reset();

    std::vector<SimCampaign> Campaigns() const;
    void SetCampaigns(std::vector<SimCampaign> campaigns);
    std::optional<SimCampaign> FindCampaign(std::string_view campaignId) const;
    // By public item id.
    std::optional<SimItem> FindItem(std::string_view itemId) const;
    std::optional<SimKeyword> FindKeyword(std::string_view keywordId) const;
    // The keywords of the ad group, looked up within the campaign (any campaign when campaignId
    // is empty); empty when there is no such ad group.
    std::vector<SimKeyword> Keywords(std::string_view campaignId, std::string_view adGroupId) const;
    // Stores a new bid; false when no keyword has that id.
    bool SetBid(std::string_view keywordId, long long fen);

    SimAccount Account() const;
    void SetAccount(SimAccount account);
    // When not empty, every new session gets this token instead of a generated one.
    std::string FixedToken() const;
    void SetFixedToken(std::string token);

    // Ad item ids of the ranking look-up, in display order: other sellers' ads with every
    // promoted item that holds the keyword at its derived position (the first free one from
    // there), unless a list was set for the keyword.
    std::vector<std::string> RankedAdIds(const std::string& keyword) const;
    void SetRankedAdIds(const std::string& keyword, std::vector<std::string> ids);
    std::vector<SimMarketDay> MarketDays(const std::string& keyword) const;
    void SetMarketDays(const std::string& keyword, std::vector<SimMarketDay> days);
    std::vector<std::string> RelatedWords(const std::string& keyword) const;
    void SetRelatedWords(const std::string& keyword, std::vector<std::string> words);
    std::vector<SimRelatedWord> RelatedWordFigures(const std::string& keyword) const;
    void SetRelatedWordFigures(const std::string& keyword, std::vector<SimRelatedWord> words);
    std::vector<SimSuggestion> Suggestions(const std::string& keyword) const;
    void SetSuggestions(const std::string& keyword, std::vector<SimSuggestion> list);
    long long ItemCount(const std::string& keyword) const;
    void SetItemCount(const std::string& keyword, long long count);

    SimNotice Notice() const;
    void SetNotice(SimNotice notice);
    void SetAnnouncedVersion(std::string version);
    bool MakerOnline() const;
    void SetMakerOnline(bool online);
    // Counts one visit of the counter page and returns the new total.
    long long CountVisit();

  private:
    mutable std::mutex mutex_;
    std::vector<SimCampaign> campaigns_;
    SimAccount account_;
    std::string fixedToken_;
    std::map<std::string, std::vector<std::string>> rankedAds_;
    std::map<std::string, std::vector<SimMarketDay>> marketDays_;
    std::map<std::string, std::vector<std::string>> relatedWords_;
    std::map<std::string, std::vector<SimRelatedWord>> relatedFigures_;
    std::map<std::string, std::vector<SimSuggestion>> suggestions_;
    std::map<std::string, long long> itemCounts_;
    SimNotice notice_;
    bool makerOnline_ = true;
    long long visits_ = 0;
};

} // namespace dalmiro::sim
