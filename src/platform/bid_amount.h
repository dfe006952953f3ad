#pragma once
// Bids: the back office counts them in fen (1/100 yuan), the ranking list shows them in yuan
// followed by "元", and the merchant types them in yuan.
#include "util/text.h"

#include <optional>
#include <string_view>

namespace dalmiro {

// "0.35元" for 35 fen, "1元" for 100, "1.2元" for 120.
Text BidYuanText(double fen);

// The number of a shown bid without its unit: "0.35元" gives "0.35"; other text is kept.
Text BidYuanNumber(std::string_view shown);

// A bid the merchant typed in yuan, as whole fen rounded to the nearest fen (half a fen up).
// Surrounding spaces, a trailing "元" and full-width digits are accepted. Empty when the text
// is not a plain decimal amount, rounds to no fen at all, or is beyond any real bid.
std::optional<long long> ParseBidFen(std::string_view typedGbk);

} // namespace dalmiro
