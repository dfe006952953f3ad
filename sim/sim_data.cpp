#include "sim_data.h"

#include "sim_text.h"
#include "vocabulary.h"

#include <cstdio>
#include <set>

namespace dalmiro::sim {
namespace {

std::string HexName(std::uint64_t value) {
    char buf[24];
    std::snprintf(buf, sizeof buf, "%012llx",
                  static_cast<unsigned long long>(value & 0xffffffffffffull));
    return buf;
}

template <typename Map>
auto Overridden(const Map& map, const std::string& key) -> const typename Map::mapped_type* {
    auto it = map.find(key);
    return it == map.end() ? nullptr : &it->second;
}

} // namespace

SimKeyword MakeKeyword(const std::string& adGroupId, const std::string& word) {
    SimKeyword k;
    k.word = word;
    k.keywordId =
        Digits(Derived(adGroupId + "|" + word, "keywordId", 1'000'000'000, 9'999'999'999));
    k.maxPriceFen = Derived(adGroupId + "|" + word, "bid", 15, 350);
    return k;
}

SimItem MakeItem(const std::string& campaignId, int index, const std::string& title,
                 const std::vector<std::string>& keywordWords) {
    SimItem item;
    std::string key = campaignId + "#" + std::to_string(index);
    item.adGroupId = Digits(Derived(key, "adGroupId", 100'000'000, 999'999'999));
    item.itemId = Digits(Derived(key, "itemId", 520'000'000'000, 529'999'999'999));
    item.title = title;
    item.imgUrl = "/i" + std::to_string(1 + StableHash(key) % 4) + "/T1" +
                  HexName(StableHash("picture|" + key)) + ".png";
    for (const std::string& word : keywordWords) {
        item.keywords.push_back(MakeKeyword(item.adGroupId, word));
    }
    return item;
}

std::vector<SimCampaign> DefaultCampaigns() {
    std::vector<SimCampaign> list;

    SimCampaign summer{"30118201", "夏季连衣裙推广", {}};
    summer.items.push_back(MakeItem(
        summer.campaignId, 0, "雪纺碎花连衣裙夏季新款韩版修身长裙",
        {"连衣裙", "雪纺连衣裙", "碎花连衣裙", "夏季连衣裙", "韩版连衣裙", "修身长裙", "长裙"}));
    summer.items.push_back(
        MakeItem(summer.campaignId, 1, "小清新蕾丝连衣裙气质中长款",
                 {"蕾丝连衣裙", "小清新连衣裙", "气质连衣裙", "中长款连衣裙", "连衣裙"}));
    summer.items.push_back(MakeItem(summer.campaignId, 2, "复古高腰半身裙显瘦百搭",
                                    {"半身裙", "高腰半身裙", "复古半身裙", "显瘦半身裙"}));
    list.push_back(std::move(summer));

    SimCampaign daily{"30118202", "韩版女装日常推广", {}};
    daily.items.push_back(MakeItem(daily.campaignId, 0, "韩版宽松纯棉T恤女夏",
                                   {"T恤", "纯棉T恤", "宽松T恤", "韩版T恤女"}));
    daily.items.push_back(MakeItem(daily.campaignId, 1, "高腰阔腿裤女显瘦百搭",
                                   {"阔腿裤", "高腰阔腿裤", "显瘦阔腿裤"}));
    list.push_back(std::move(daily));

    // Quotes inside titles reach the replies escaped as \" .
    SimCampaign clearance{"30118203", "碎花长裙\"清仓\",夏季专场", {}};
    clearance.items.push_back(
        MakeItem(clearance.campaignId, 0, "雪纺衫\"爆款\"小清新", {"雪纺衫", "小清新雪纺衫"}));
    list.push_back(std::move(clearance));

    list.push_back(SimCampaign{"30118204", "新品测款计划", {}});
    return list;
}

std::vector<SimCampaign> GeneratedCampaigns(int campaigns, int items, int keywords) {
    auto attrs = AttributeWords();
    auto products = ProductWords();
    std::vector<SimCampaign> list;
    for (int c = 0; c < campaigns; ++c) {
        SimCampaign campaign;
        campaign.campaignId = Digits(30'200'001 + c);
        campaign.title = std::string(attrs[c % attrs.size()]) +
                         std::string(products[c % products.size()]) + "推广计划" +
                         std::to_string(c + 1);
        for (int i = 0; i < items; ++i) {
            std::string product(products[(c + i) % products.size()]);
            std::vector<std::string> words;
            for (int k = 0; k < keywords; ++k) {
                std::string word(attrs[k % attrs.size()]);
                if (k >= static_cast<int>(attrs.size())) {
                    word += attrs[(k / attrs.size()) % attrs.size()];
                }
                words.push_back(word + product);
            }
            std::string title = std::string(attrs[(c + i) % attrs.size()]) +
                                std::string(attrs[(c + 2 * i + 1) % attrs.size()]) + product + " " +
                                std::to_string(i + 1) + "号";
            campaign.items.push_back(MakeItem(campaign.campaignId, i, title, words));
        }
        list.push_back(std::move(campaign));
    }
    return list;
}

SimData::SimData() {
    Reset();
}

void SimData::Reset() {
    std::lock_guard lock(mutex_);
    campaigns_ = DefaultCampaigns();
    account_ = SimAccount{};
    fixedToken_.clear();
    rankedAds_.clear();
    marketDays_.clear();
    relatedWords_.clear();
    relatedFigures_.clear();
    suggestions_.clear();
    itemCounts_.clear();
    notice_ = SimNotice{};
    makerOnline_ = true;
    visits_ = 0;
}

std::vector<SimCampaign> SimData::Campaigns() const {
    std::lock_guard lock(mutex_);
    return campaigns_;
}

void SimData::SetCampaigns(std::vector<SimCampaign> campaigns) {
    std::lock_guard lock(mutex_);
    campaigns_ = std::move(campaigns);
}

std::optional<SimCampaign> SimData::FindCampaign(std::string_view campaignId) const {
    std::lock_guard lock(mutex_);
    for (const SimCampaign& c : campaigns_) {
        if (c.campaignId == campaignId) {
            return c;
        }
    }
    return std::nullopt;
}

std::optional<SimItem> SimData::FindItem(std::string_view itemId) const {
    std::lock_guard lock(mutex_);
    for (const SimCampaign& c : campaigns_) {
        for (const SimItem& item : c.items) {
            if (item.itemId == itemId) {
                return item;
            }
        }
    }
    return std::nullopt;
}

std::optional<SimKeyword> SimData::FindKeyword(std::string_view keywordId) const {
    std::lock_guard lock(mutex_);
    for (const SimCampaign& c : campaigns_) {
        for (const SimItem& item : c.items) {
            for (const SimKeyword& k : item.keywords) {
                if (k.keywordId == keywordId) {
                    return k;
                }
            }
        }
    }
    return std::nullopt;
}

std::vector<SimKeyword> SimData::Keywords(std::string_view campaignId,
                                          std::string_view adGroupId) const {
    std::lock_guard lock(mutex_);
    for (const SimCampaign& c : campaigns_) {
        if (!campaignId.empty() && c.campaignId != campaignId) {
            continue;
        }
        for (const SimItem& item : c.items) {
            if (item.adGroupId == adGroupId) {
                return item.keywords;
            }
        }
    }
    return {};
}

bool SimData::SetBid(std::string_view keywordId, long long fen) {
    std::lock_guard lock(mutex_);
    bool found = false;
    for (SimCampaign& c : campaigns_) {
        for (SimItem& item : c.items) {
            for (SimKeyword& k : item.keywords) {
                if (k.keywordId == keywordId) {
                    k.maxPriceFen = fen;
                    found = true;
                }
            }
        }
    }
    return found;
}

SimAccount SimData::Account() const {
    std::lock_guard lock(mutex_);
    return account_;
}

void SimData::SetAccount(SimAccount account) {
    std::lock_guard lock(mutex_);
    account_ = std::move(account);
}

std::string SimData::FixedToken() const {
    std::lock_guard lock(mutex_);
    return fixedToken_;
}

void SimData::SetFixedToken(std::string token) {
    std::lock_guard lock(mutex_);
    fixedToken_ = std::move(token);
}

std::vector<std::string> SimData::RankedAdIds(const std::string& keyword) const {
    std::lock_guard lock(mutex_);
    if (auto* set = Overridden(rankedAds_, keyword)) {
        return *set;
    }
    std::vector<std::string> ads = DerivedOtherAds(keyword);
    std::set<std::size_t> taken;
    std::set<std::string> placed;
    for (const SimCampaign& c : campaigns_) {
        for (const SimItem& item : c.items) {
            bool holds = false;
            for (const SimKeyword& k : item.keywords) {
                holds = holds || k.word == keyword;
            }
            int position = holds ? DerivedRankPosition(keyword, item.itemId) : 0;
            if (position == 0 || placed.count(item.itemId) != 0) {
                continue;
            }
            std::size_t slot = static_cast<std::size_t>(position - 1);
            while (slot < ads.size() && taken.count(slot) != 0) {
                ++slot;
            }
            if (slot < ads.size()) {
                ads[slot] = item.itemId;
                taken.insert(slot);
                placed.insert(item.itemId);
            }
        }
    }
    return ads;
}

void SimData::SetRankedAdIds(const std::string& keyword, std::vector<std::string> ids) {
    std::lock_guard lock(mutex_);
    rankedAds_[keyword] = std::move(ids);
}

std::vector<SimMarketDay> SimData::MarketDays(const std::string& keyword) const {
    std::lock_guard lock(mutex_);
    if (auto* set = Overridden(marketDays_, keyword)) {
        return *set;
    }
    return DerivedMarketDays(keyword);
}

void SimData::SetMarketDays(const std::string& keyword, std::vector<SimMarketDay> days) {
    std::lock_guard lock(mutex_);
    marketDays_[keyword] = std::move(days);
}

std::vector<std::string> SimData::RelatedWords(const std::string& keyword) const {
    std::lock_guard lock(mutex_);
    if (auto* set = Overridden(relatedWords_, keyword)) {
        return *set;
    }
    return DerivedRelatedWords(keyword);
}

void SimData::SetRelatedWords(const std::string& keyword, std::vector<std::string> words) {
    std::lock_guard lock(mutex_);
    relatedWords_[keyword] = std::move(words);
}

std::vector<SimRelatedWord> SimData::RelatedWordFigures(const std::string& keyword) const {
    std::lock_guard lock(mutex_);
    if (auto* set = Overridden(relatedFigures_, keyword)) {
        return *set;
    }
    return DerivedRelatedWordFigures(keyword);
}

void SimData::SetRelatedWordFigures(const std::string& keyword, std::vector<SimRelatedWord> words) {
    std::lock_guard lock(mutex_);
    relatedFigures_[keyword] = std::move(words);
}

std::vector<SimSuggestion> SimData::Suggestions(const std::string& keyword) const {
    std::lock_guard lock(mutex_);
    if (auto* set = Overridden(suggestions_, keyword)) {
        return *set;
    }
    return DerivedSuggestions(keyword);
}

void SimData::SetSuggestions(const std::string& keyword, std::vector<SimSuggestion> list) {
    std::lock_guard lock(mutex_);
    suggestions_[keyword] = std::move(list);
}

long long SimData::ItemCount(const std::string& keyword) const {
    std::lock_guard lock(mutex_);
    if (auto* set = Overridden(itemCounts_, keyword)) {
        return *set;
    }
    return DerivedItemCount(keyword);
}

void SimData::SetItemCount(const std::string& keyword, long long count) {
    std::lock_guard lock(mutex_);
    itemCounts_[keyword] = count;
}

SimNotice SimData::Notice() const {
    std::lock_guard lock(mutex_);
    return notice_;
}

void SimData::SetNotice(SimNotice notice) {
    std::lock_guard lock(mutex_);
    notice_ = std::move(notice);
}

void SimData::SetAnnouncedVersion(std::string version) {
    std::lock_guard lock(mutex_);
    notice_.version = std::move(version);
}

bool SimData::MakerOnline() const {
    std::lock_guard lock(mutex_);
    return makerOnline_;
}

void SimData::SetMakerOnline(bool online) {
    std::lock_guard lock(mutex_);
    makerOnline_ = online;
}

long long SimData::CountVisit() {
    std::lock_guard lock(mutex_);
    return ++visits_;
}

} // namespace dalmiro::sim
