#include "util/url_encode.h"

#include "util/event_pump.h"

namespace dalmiro {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

void AppendPercentByte(std::string& out, unsigned char byte) {
    out.push_back('%');
    out.push_back(kHexDigits[byte >> 4]);
    out.push_back(kHexDigits[byte & 0x0F]);
}

// ",-./0123456789", A-Z and a-z: the bytes the keep-safe form leaves as they are.
bool IsKeptSafe(unsigned char byte) {
    return (byte >= 0x2C && byte <= 0x39) || (byte >= 'A' && byte <= 'Z') ||
           (byte >= 'a' && byte <= 'z');
}

} // namespace

std::string UrlEncode(std::string_view gbk, bool keepSafe) {
    const std::string utf8 = GbkToUtf8(gbk);
    std::string out;
    out.reserve(utf8.size() * 3);
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (keepSafe && IsKeptSafe(byte)) {
            out.push_back(c);
        } else {
            AppendPercentByte(out, byte);
        }
        PumpEvents();
    }
    return out;
}

std::string PercentEncodeGbk(std::string_view gbk) {
    std::string out;
    out.reserve(gbk.size() * 3);
    for (const char c : gbk) {
        AppendPercentByte(out, static_cast<unsigned char>(c));
        PumpEvents();
    }
    return out;
}

} // namespace dalmiro
