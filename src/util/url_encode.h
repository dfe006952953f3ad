#pragma once
#include "util/text.h"

namespace dalmiro {

// Every UTF-8 byte of the GBK text as %XX (upper-case hex). With keepSafe, the bytes 0x2C-0x39,
// A-Z and a-z stay as they are. Pending events run after each byte (PumpEvents).
std::string UrlEncode(std::string_view gbk, bool keepSafe = false);
// Every GBK byte of the text as %XX, letters and digits included. Pending events run after each
// byte (PumpEvents).
std::string PercentEncodeGbk(std::string_view gbk);

} // namespace dalmiro
