#pragma once
#include "app/context.h"

#include <string>
#include <string_view>

namespace dalmiro {

// The form body of a bid update: the keyword's new maximum bid in fen, the page token and, as
// referer, the back-office page of the ad group's keywords. Ids and token go in as they stand.
std::string BidUpdateBody(std::string_view keywordId, long long bidFen, std::string_view token,
                          std::string_view campaignId, std::string_view adGroupId);

enum class BidUpdateOutcome {
    Updated,      // the back office took the new bid
    SignInNeeded, // it refused the session or the token
    Failed,       // no reply, time-out, error status or a failure answer
};

// Judges the reply of a bid update from its body and raw header block. A block without a status
// line (too large to be handed over) leaves the decision to the body.
BidUpdateOutcome JudgeBidUpdateReply(const std::string& reply, std::string_view headers);

// "更新出价": asks for the new bid of the selected keyword row (prefilled with its current bid
// in yuan), sends it in fen, and on success shows it in the row and confirms with a balloon tip.
// Without a row, a keyword id, a campaign or a promoted item chosen, nothing is sent and the user
// is told what to select; a refused or failed update leaves the row unchanged and says so.
void UpdateSelectedBid(AppContext& ctx);

} // namespace dalmiro
