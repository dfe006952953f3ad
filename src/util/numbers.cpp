#include "util/numbers.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstddef>

// Reading: the text is GBK. Full-width digits, signs, point and exponent letters (two-byte
// characters A3 xx) are read as their ASCII forms; leading blanks (space, tab, line ends and the
// full-width space A1 A1) are skipped, since numbers come from cells and edit boxes where a
// merchant does not see a leading space. Parsing never depends on the process locale.
//
// Writing: binary doubles hold most decimal fractions only approximately (2.675 is stored as
// 2.67499999999999982...). FormatFixed therefore first takes the value to 15 significant
// decimal digits, the precision a double carries, and rounds that decimal half away from zero,
// so 2.675 gives "2.68" as the merchant reading the figure expects.

namespace dalmiro {
namespace {

// The ASCII character a GBK full-width character (A3 xx) stands for, or 0.
char FullWidthToAscii(unsigned char trail) {
    if (trail >= 0xB0 && trail <= 0xB9) {
        return static_cast<char>('0' + (trail - 0xB0));
    }
    switch (trail) {
    case 0xAB:
        return '+';
    case 0xAD:
        return '-';
    case 0xAE:
        return '.';
    case 0xE5:
        return 'e';
    case 0xC5:
        return 'E';
    default:
        return 0;
    }
}

bool IsLeadByte(unsigned char b) {
    return b >= 0x81 && b <= 0xFE;
}

// The ASCII form of the start of `text`: full-width number characters become ASCII, leading
// blanks are dropped, and copying stops at the first character no number can contain.
std::string NumberCharacters(std::string_view text) {
    std::string out;
    bool leading = true;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto b = static_cast<unsigned char>(text[i]);
        char c = 0;
        std::size_t width = 1;
        if (IsLeadByte(b) && i + 1 < text.size()) {
            const auto trail = static_cast<unsigned char>(text[i + 1]);
            width = 2;
            if (b == 0xA3) {
                c = FullWidthToAscii(trail);
            } else if (b == 0xA1 && trail == 0xA1 && leading) {
                i += 2; // full-width space
                continue;
            }
        } else if (leading && (b == ' ' || b == '\t' || b == '\r' || b == '\n')) {
            ++i;
            continue;
        } else if ((b >= '0' && b <= '9') || b == '+' || b == '-' || b == '.' || b == 'e' ||
                   b == 'E') {
            c = static_cast<char>(b);
        }
        if (c == 0) {
            break;
        }
        leading = false;
        out.push_back(c);
        i += width;
    }
    return out;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Value of a number whose digits do not fit a double: its decimal magnitude tells overflow from
// underflow.
double OutOfRange(std::string_view digits, std::size_t pointAt, long exponent, bool negative) {
    long magnitude = 0;
    const auto firstNonZero = digits.find_first_not_of("0.");
    if (firstNonZero == std::string_view::npos) {
        return negative ? -0.0 : 0.0;
    }
    magnitude = firstNonZero < pointAt ? static_cast<long>(pointAt - firstNonZero)
                                       : -static_cast<long>(firstNonZero - pointAt - 1);
    const double value = magnitude + exponent > 0 ? HUGE_VAL : 0.0;
    return negative ? -value : value;
}

// The decimal digits and exponent of `value` taken to `significant` digits: value ≈
// 0.d1d2...dn × 10^(exponent + 1).
struct Decimal {
    std::string digits;
    int exponent = 0;
};

Decimal ToDecimal(double value, int significant) {
    std::array<char, 64> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(value),
                      std::chars_format::scientific, significant - 1);
    const std::string_view s(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));
    Decimal d;
    const auto e = s.find('e');
    for (std::size_t i = 0; i < e; ++i) {
        if (IsDigit(s[i])) {
            d.digits.push_back(s[i]);
        }
    }
    std::from_chars(s.data() + e + (s[e + 1] == '+' ? 2 : 1), s.data() + s.size(), d.exponent);
    return d;
}

// Adds one to a string of decimal digits.
void Increment(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

bool AllZeros(std::string_view digits) {
    return digits.find_first_not_of('0') == std::string_view::npos;
}

} // namespace

double TextToNumber(std::string_view text) {
    const std::string s = NumberCharacters(text);
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    const std::size_t mantissaStart = i;
    std::size_t digitCount = 0;
    while (i < s.size() && IsDigit(s[i])) {
        ++i;
        ++digitCount;
    }
    std::size_t pointAt = i;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && IsDigit(s[i])) {
            ++i;
            ++digitCount;
        }
    }
    if (digitCount == 0) {
        return 0.0;
    }
    const std::size_t mantissaEnd = i;
    long exponent = 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        bool expNegative = false;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
            expNegative = s[j] == '-';
            ++j;
        }
        if (j < s.size() && IsDigit(s[j])) {
            while (j < s.size() && IsDigit(s[j])) {
                exponent = std::min(exponent * 10 + (s[j] - '0'), 100000L);
                ++j;
            }
            if (expNegative) {
                exponent = -exponent;
            }
            i = j; // the exponent belongs to the number only when it has digits
        }
    }
    double value = 0.0;
    const auto result = std::from_chars(s.data() + mantissaStart, s.data() + i, value);
    if (result.ec == std::errc::result_out_of_range) {
        return OutOfRange(std::string_view(s).substr(mantissaStart, mantissaEnd - mantissaStart),
                          pointAt - mantissaStart, exponent, negative);
    }
    if (result.ec != std::errc()) {
        return 0.0;
    }
    return negative ? -value : value;
}

int TextToInt(std::string_view text) {
    const double value = std::trunc(TextToNumber(text));
    if (value >= static_cast<double>(INT_MAX)) {
        return INT_MAX;
    }
    if (value <= static_cast<double>(INT_MIN)) {
        return INT_MIN;
    }
    return static_cast<int>(value);
}

std::string FormatFixed(double value, int decimals) {
    if (!std::isfinite(value)) {
        return {};
    }
    decimals = std::clamp(decimals, 0, 30);
    constexpr int kSignificant = 15;
    const Decimal d = ToDecimal(value, kSignificant);
    // `scaled` holds round(|value| × 10^decimals) as decimal digits.
    const int keep = d.exponent + 1 + decimals;
    std::string scaled;
    if (keep >= 0) {
        const auto keepSize = static_cast<std::size_t>(keep);
        scaled = d.digits.substr(0, std::min(keepSize, d.digits.size()));
        scaled.resize(keepSize, '0');
        if (keepSize < d.digits.size() && d.digits[keepSize] >= '5') {
            Increment(scaled);
        }
    }
    if (scaled.size() < static_cast<std::size_t>(decimals) + 1) {
        scaled.insert(0, static_cast<std::size_t>(decimals) + 1 - scaled.size(), '0');
    }
    std::string out;
    if (value < 0 && !AllZeros(scaled)) {
        out.push_back('-');
    }
    const std::size_t integerDigits = scaled.size() - static_cast<std::size_t>(decimals);
    out.append(scaled, 0, integerDigits);
    if (decimals > 0) {
        out.push_back('.');
        out.append(scaled, integerDigits, std::string::npos);
    }
    return out;
}

std::string FormatSignificant(double value, int digits) {
    if (!std::isfinite(value)) {
        return {};
    }
    if (value == 0.0) {
        return "0";
    }
    Decimal d = ToDecimal(value, std::clamp(digits, 1, 17));
    while (d.digits.size() > 1 && d.digits.back() == '0') {
        d.digits.pop_back();
    }
    std::string out = value < 0 ? "-" : "";
    if (d.exponent < 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-d.exponent - 1), '0');
        out += d.digits;
        return out;
    }
    const auto integerDigits = static_cast<std::size_t>(d.exponent) + 1;
    if (d.digits.size() <= integerDigits) {
        out += d.digits;
        out.append(integerDigits - d.digits.size(), '0');
        return out;
    }
    out.append(d.digits, 0, integerDigits);
    out.push_back('.');
    out.append(d.digits, integerDigits, std::string::npos);
    return out;
}

} // namespace dalmiro
