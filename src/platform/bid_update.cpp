#include "platform/bid_update.h"

#include "net/http.h"
#include "platform/bid_amount.h"
#include "platform/http_status.h"
#include "platform/notices.h"
#include "platform/platform_texts.h"
#include "platform/platform_urls.h"
#include "platform/selection.h"

namespace dalmiro {

namespace texts = platform_texts;

namespace {

// The row that holds the keyword id now: the list may have been sorted or cleared while the
// request was under way (events run during it). -1 when the keyword is no longer listed.
int RowOfKeyword(Ui& ui, int likelyRow, const Text& keywordId) {
    const auto idAt = [&](int row) {
        return ui.ListCellText(WindowId::Analysis, texts::kRankList, row, texts::kColumnKeywordId);
    };
    if (likelyRow < ui.ListRowCount(WindowId::Analysis, texts::kRankList) &&
        idAt(likelyRow) == keywordId)
        return likelyRow;
    for (int row = 0; row < ui.ListRowCount(WindowId::Analysis, texts::kRankList); ++row)
        if (idAt(row) == keywordId)
            return row;
    return -1;
}

// The back office answers every call with a result object whose "success" tells the outcome.
bool IsAcceptedAnswer(std::string_view reply) {
    return reply.find(R"("success":true)") != std::string_view::npos;
}

} // namespace

std::string BidUpdateBody(std::string_view keywordId, long long bidFen, std::string_view token,
                          std::string_view campaignId, std::string_view adGroupId) {
    std::string body = "keywords=%5B%7B%22keywordId%22%3A%22";
    body += keywordId;
    body += "%22%2C%22maxPrice%22%3A";
    body += std::to_string(bidFen);
    body += "%2C%22isDefaultPrice%22%3A0%7D%5D&sla=json&isAjaxRequest=true&token=";
    body += token;
    body += "&_referer=%2Fcampaigns%2Fstandards%2Fadgroups%2Fitems%2Fdetail%3Ftab%3Dbidword"
            "%26campaignId%3D";
    body += campaignId;
    body += "%26";
    body += "adGroupId%3D";
    body += adGroupId;
    return body;
}

BidUpdateOutcome JudgeBidUpdateReply(const std::string& reply, std::string_view headers) {
    if (reply.empty() || reply == HttpTimeoutMessage())
        return BidUpdateOutcome::Failed;
    if (IsSignInRefusal(reply))
        return BidUpdateOutcome::SignInNeeded;
    // A header block too large for HttpRequest to hand over reads as blanks without a status
    // line; the back office's answer alone decides then, so a taken bid is not reported as lost.
    const int status = FinalHttpStatus(headers);
    const bool errorStatus = status != 0 && (status < 200 || status > 299);
    if (errorStatus || !IsAcceptedAnswer(reply))
        return BidUpdateOutcome::Failed;
    return BidUpdateOutcome::Updated;
}

void UpdateSelectedBid(AppContext& ctx) {
    Ui& ui = ctx.ui;
    const int row = ui.ListSelectedRow(WindowId::Analysis, texts::kRankList);
    if (row < 0) {
        TellUser(ctx, texts::kPickKeywordRow);
        return;
    }
    const Text keywordId =
        ui.ListCellText(WindowId::Analysis, texts::kRankList, row, texts::kColumnKeywordId);
    if (keywordId.empty()) {
        TellUser(ctx, texts::kRowWithoutKeywordId);
        return;
    }
    const auto adGroup = ChooseAdGroup(ctx);
    if (!adGroup)
        return;

    const Text currentBid = BidYuanNumber(
        ui.ListCellText(WindowId::Analysis, texts::kRankList, row, texts::kColumnBid));
    const auto typed =
        ui.AskText(WindowId::Analysis, Gbk(texts::kBidPrompt), Gbk(texts::kBidCaption), currentBid);
    if (!typed)
        return; // cancelled
    const auto bidFen = ParseBidFen(*typed);
    if (!bidFen) {
        TellUser(ctx, texts::kBidInvalid, MessageIcon::Warning);
        return;
    }

    const Text token = ctx.state.platform.loginToken;
    std::string headers;
    HttpRequestOptions options;
    options.body =
        BidUpdateBody(keywordId, *bidFen, token, adGroup->campaign.campaignId, adGroup->adGroupId);
    options.responseHeaders = &headers;
    const Bytes reply = HttpRequest(BidUpdateUrl(ctx.hosts), 1, options);

    switch (JudgeBidUpdateReply(reply, headers)) {
    case BidUpdateOutcome::Updated:
        if (const int now = RowOfKeyword(ui, row, keywordId); now >= 0)
            ui.SetListCellText(WindowId::Analysis, texts::kRankList, now, texts::kColumnBid,
                               BidYuanText(static_cast<double>(*bidFen)));
        ui.ShowBalloonTip(WindowId::Analysis, texts::kRankBalloon, Gbk(texts::kBidUpdated));
        break;
    case BidUpdateOutcome::SignInNeeded:
        TellSignIn(ctx);
        break;
    case BidUpdateOutcome::Failed:
        // Without a token the back office cannot take the update: signing in is the remedy.
        if (token.empty())
            TellSignIn(ctx);
        else
            TellUser(ctx, texts::kBidFailed, MessageIcon::Warning);
        break;
    }
}

} // namespace dalmiro
