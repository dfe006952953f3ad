#pragma once
// Text as the program keeps it: GBK bytes in a std::string. Reply bodies, form bodies and image
// data are byte strings in std::string too. An absent text and an empty text are the same.
#include <string>
#include <string_view>

namespace dalmiro {

using Text = std::string;  // GBK (code page 936) bytes
using Bytes = std::string; // raw bytes with their own length; may hold zero bytes

// Code pages by their Windows numbers.
inline constexpr int kCodePageAnsi = 0; // the system ANSI code page; GBK for this program
inline constexpr int kCodePageGbk = 936;
inline constexpr int kCodePageBig5 = 950;
inline constexpr int kCodePageUtf8 = 65001;

// UTF-16LE bytes of the text decoded from the code page, including the terminating zero unit.
std::string WideFromText(std::string_view text, int codePage = kCodePageUtf8);
// The UTF-16LE text (up to its first zero unit) encoded in the code page; characters the code
// page cannot hold become '?'. The result is cut at its first zero byte.
Text TextFromWide(std::string_view wide, int codePage = kCodePageAnsi);

// Both conversions keep every byte, zero bytes included; malformed input becomes '?' in GBK
// (U+FFFD in UTF-8).
Text Utf8ToGbk(std::string_view utf8);
// A fixed text of the program's own, written as a UTF-8 literal in the source, in GBK. Every
// Chinese literal that enters the program's GBK text goes through this.
inline Text Gbk(std::string_view utf8Literal) { return Utf8ToGbk(utf8Literal); }
std::string GbkToUtf8(std::string_view gbk);
// Big5 bytes to GBK with traditional characters mapped to simplified ones.
Text Big5ToSimplifiedGbk(std::string_view big5);

} // namespace dalmiro
