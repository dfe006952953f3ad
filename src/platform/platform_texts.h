#pragma once
// The fixed texts and control names the back-office commands use, each written once. Texts are
// UTF-8 literals; they go through Gbk() where they enter the program's text.
#include <string_view>

namespace dalmiro::platform_texts {

// Controls of the second tab of MainWindow.
inline constexpr std::string_view kCampaignCombo = "组合框_推广计划";
inline constexpr std::string_view kItemCombo = "组合框_推广宝贝";
inline constexpr std::string_view kRunLog = "编辑框1";
inline constexpr std::string_view kItemPicture = "图片框1";
inline constexpr std::string_view kLoadProgress = "进度条1";
// Controls of AnalysisWindow.
inline constexpr std::string_view kRankList = "超级列表框1";
inline constexpr std::string_view kRankBalloon = "气球提示框1";

// Columns of the ranking list this client writes.
inline constexpr int kColumnNumber = 0;
inline constexpr int kColumnKeyword = 1;
inline constexpr int kColumnBid = 2;
inline constexpr int kColumnKeywordId = 9;

// Bids are shown in yuan with this unit after the number.
inline constexpr std::string_view kYuan = "元";

// Caption of every message box these commands show.
inline constexpr std::string_view kCaption = "信息：";

// What the user is told.
inline constexpr std::string_view kSignIn =
    "尚未登录直通车：请在“登录直通车”页登录后，再切换到其他页。";
inline constexpr std::string_view kPickCampaign = "请先选择推广计划。";
inline constexpr std::string_view kPickItem = "请先选择推广宝贝。";
inline constexpr std::string_view kPickKeywordRow = "请先在列表中选择要更新出价的关键词。";
inline constexpr std::string_view kRowWithoutKeywordId =
    "所选行没有关键词ID，请先用“获取关键词”载入关键词。";
inline constexpr std::string_view kBackOfficeUnreachable = "无法连接直通车后台，请稍后再试。";
inline constexpr std::string_view kBidPrompt = "新的出价（元）：";
inline constexpr std::string_view kBidCaption = "更新出价";
inline constexpr std::string_view kBidInvalid = "出价须为大于0的金额（元），例如 0.35。";
inline constexpr std::string_view kBidUpdated = "已更新出价";
inline constexpr std::string_view kBidFailed = "出价更新失败，出价未改变。";

} // namespace dalmiro::platform_texts
