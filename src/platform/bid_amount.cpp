#include "platform/bid_amount.h"

#include "platform/platform_texts.h"
#include "util/numbers.h"

namespace dalmiro {

namespace {

// No bid reaches this many yuan; longer amounts are refused before they could overflow.
constexpr long long kMaxBidYuan = 100000;

std::string_view TrimSpaces(std::string_view text) {
    const std::string_view spaces = " \t\r\n";
    const auto first = text.find_first_not_of(spaces);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(spaces) - first + 1);
}

// Full-width digits and point (GBK A3B0..A3B9, A3AE) as ASCII; other bytes as they are.
std::string AsciiDigits(std::string_view gbk) {
    std::string out;
    for (std::size_t i = 0; i < gbk.size(); ++i) {
        const auto lead = static_cast<unsigned char>(gbk[i]);
        if (lead == 0xA3 && i + 1 < gbk.size()) {
            const auto trail = static_cast<unsigned char>(gbk[i + 1]);
            if (trail >= 0xB0 && trail <= 0xB9) {
                out += static_cast<char>('0' + (trail - 0xB0));
                ++i;
                continue;
            }
            if (trail == 0xAE) {
                out += '.';
                ++i;
                continue;
            }
        }
        out += static_cast<char>(lead);
    }
    return out;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

Text BidYuanText(double fen) {
    return FormatSignificant(fen * 0.01) + Gbk(platform_texts::kYuan);
}

Text BidYuanNumber(std::string_view shown) {
    const Text yuan = Gbk(platform_texts::kYuan);
    if (shown.ends_with(yuan))
        shown.remove_suffix(yuan.size());
    return Text(TrimSpaces(shown));
}

std::optional<long long> ParseBidFen(std::string_view typedGbk) {
    std::string text = AsciiDigits(BidYuanNumber(TrimSpaces(typedGbk)));
    // Digits, at most one point, at least one digit: read exactly, so 0.285 rounds to 29 fen
    // instead of falling to 28 through binary floating point.
    const auto point = text.find('.');
    const std::string whole = text.substr(0, point);
    const std::string fraction = point == std::string::npos ? "" : text.substr(point + 1);
    if (whole.empty() && fraction.empty())
        return std::nullopt;
    for (const std::string* part : {&whole, &fraction})
        for (char c : *part)
            if (!IsDigit(c))
                return std::nullopt;
    const auto firstDigit = whole.find_first_not_of('0');
    if (firstDigit != std::string::npos && whole.size() - firstDigit > 6)
        return std::nullopt;
    long long yuan = 0;
    for (char c : whole)
        yuan = yuan * 10 + (c - '0');
    if (yuan >= kMaxBidYuan)
        return std::nullopt;
    const auto digit = [&](std::size_t i) { return i < fraction.size() ? fraction[i] - '0' : 0; };
    long long fen = yuan * 100 + digit(0) * 10 + digit(1);
    if (digit(2) >= 5)
        ++fen;
    if (fen <= 0)
        return std::nullopt;
    return fen;
}

} // namespace dalmiro
