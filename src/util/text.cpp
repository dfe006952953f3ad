#include "util/text.h"

#include <unicode/translit.h>
#include <unicode/ucnv.h>
#include <unicode/ucnv_cb.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <memory>

// Conversions between the program's GBK text, UTF-8 and UTF-16, on ICU converters. Converters are
// opened once per thread and reused: opening one costs far more than converting a reply.
//
// Choices made here:
// - Characters a code page cannot hold become '?', including the default-ignorable ones (U+200B,
//   U+FEFF, ...) that ICU's stock substitution would drop without a trace: a merchant sees that
//   something was there, as on Windows.
// - Bytes that are not valid in the source encoding become U+FFFD, which is '?' in GBK.
// - Utf8ToGbk and GbkToUtf8 convert every byte of the string, zero bytes included: a stray zero
//   byte in a reply must not hide the rest of it. The UTF-16 functions keep their terminating
//   zero unit as declared.
// - Code page 0 (the system ANSI code page) is GBK for this program; any other code page than
//   936, 950 and 65001 gives the empty result.

namespace dalmiro {
namespace {

struct ConverterCloser {
    void operator()(UConverter* c) const { ucnv_close(c); }
};
using ConverterPtr = std::unique_ptr<UConverter, ConverterCloser>;

// Writes the substitution ('?' for the Chinese code pages) for every unmappable or malformed
// code point. Unlike UCNV_FROM_U_CALLBACK_SUBSTITUTE it does not skip default-ignorables.
void SubstituteEverything(const void* /*context*/, UConverterFromUnicodeArgs* args,
                          const UChar* /*units*/, int32_t /*length*/, UChar32 /*codePoint*/,
                          UConverterCallbackReason reason, UErrorCode* err) {
    if (reason <= UCNV_IRREGULAR) {
        *err = U_ZERO_ERROR;
        ucnv_cbFromUWriteSub(args, 0, err);
    }
}

ConverterPtr OpenConverter(const char* name, bool questionMarkSubstitute) {
    UErrorCode err = U_ZERO_ERROR; // "windows-936" answers U_AMBIGUOUS_ALIAS_WARNING: fine
    ConverterPtr cnv(ucnv_open(name, &err));
    if (U_FAILURE(err)) {
        return nullptr;
    }
    if (questionMarkSubstitute) {
        ucnv_setSubstChars(cnv.get(), "?", 1, &err);
    }
    ucnv_setFromUCallBack(cnv.get(), SubstituteEverything, nullptr, nullptr, nullptr, &err);
    if (U_FAILURE(err)) {
        return nullptr;
    }
    return cnv;
}

enum class Encoding { Gbk, Big5, Utf8, Unknown };

Encoding EncodingOf(int codePage) {
    switch (codePage) {
    case kCodePageAnsi:
    case kCodePageGbk:
        return Encoding::Gbk;
    case kCodePageBig5:
        return Encoding::Big5;
    case kCodePageUtf8:
        return Encoding::Utf8;
    default:
        return Encoding::Unknown;
    }
}

// The converters of the calling thread, opened on first use.
UConverter* ConverterFor(Encoding encoding) {
    thread_local std::array<ConverterPtr, 3> converters;
    thread_local std::array<bool, 3> tried{};
    const auto index = static_cast<std::size_t>(encoding);
    if (index >= converters.size()) {
        return nullptr;
    }
    if (!tried[index]) {
        tried[index] = true;
        switch (encoding) {
        case Encoding::Gbk:
            converters[index] = OpenConverter("windows-936", true);
            break;
        case Encoding::Big5:
            converters[index] = OpenConverter("windows-950", true);
            break;
        case Encoding::Utf8:
            converters[index] = OpenConverter("UTF-8", false);
            break;
        case Encoding::Unknown:
            break;
        }
    }
    UConverter* cnv = converters[index].get();
    if (cnv != nullptr) {
        ucnv_reset(cnv);
    }
    return cnv;
}

bool IsAscii(std::string_view s) {
    // Eight bytes at a time: the common case of long ASCII runs in replies.
    std::size_t i = 0;
    for (; i + 8 <= s.size(); i += 8) {
        std::uint64_t word;
        std::memcpy(&word, s.data() + i, 8);
        if ((word & 0x8080808080808080ULL) != 0) {
            return false;
        }
    }
    for (; i < s.size(); ++i) {
        if (static_cast<unsigned char>(s[i]) >= 0x80) {
            return false;
        }
    }
    return true;
}

// Converts `in` from one byte encoding to another through ICU's pivot; grows the output as
// needed. Never fails outright: on an ICU error the bytes converted so far are returned.
std::string ConvertBytes(Encoding toEncoding, Encoding fromEncoding, std::string_view in,
                         std::size_t estimate) {
    if (in.empty()) {
        return {};
    }
    if (IsAscii(in)) {
        return std::string(in); // ASCII is the same in GBK, Big5 and UTF-8
    }
    UConverter* from = ConverterFor(fromEncoding);
    if (from == nullptr) {
        return {};
    }
    UConverter* to = ConverterFor(toEncoding);
    if (to == nullptr) {
        return {};
    }
    std::string out(std::max<std::size_t>(estimate, 16), '\0');
    std::array<UChar, 4096> pivot;
    UChar* pivotSource = pivot.data();
    UChar* pivotTarget = pivot.data();
    const char* source = in.data();
    const char* const sourceLimit = in.data() + in.size();
    std::size_t written = 0;
    bool first = true;
    for (;;) {
        char* target = out.data() + written;
        UErrorCode err = U_ZERO_ERROR;
        ucnv_convertEx(to, from, &target, out.data() + out.size(), &source, sourceLimit,
                       pivot.data(), &pivotSource, &pivotTarget, pivot.data() + pivot.size(), first,
                       true, &err);
        first = false;
        written = static_cast<std::size_t>(target - out.data());
        if (err == U_BUFFER_OVERFLOW_ERROR) {
            out.resize(out.size() * 2);
            continue;
        }
        break;
    }
    out.resize(written);
    return out;
}

// Decodes bytes into UTF-16 code units.
std::u16string DecodeToUnits(std::string_view in, Encoding encoding) {
    std::u16string units;
    if (in.empty()) {
        return units;
    }
    UConverter* cnv = ConverterFor(encoding);
    if (cnv == nullptr) {
        return units;
    }
    // No encoding here needs more units than bytes.
    units.resize(in.size());
    UErrorCode err = U_ZERO_ERROR;
    const int32_t n = ucnv_toUChars(cnv, units.data(), static_cast<int32_t>(units.size()),
                                    in.data(), static_cast<int32_t>(in.size()), &err);
    if (err == U_BUFFER_OVERFLOW_ERROR) {
        units.resize(static_cast<std::size_t>(n));
        err = U_ZERO_ERROR;
        ucnv_reset(cnv);
        ucnv_toUChars(cnv, units.data(), n, in.data(), static_cast<int32_t>(in.size()), &err);
    }
    if (U_FAILURE(err) && err != U_STRING_NOT_TERMINATED_WARNING) {
        return {};
    }
    units.resize(static_cast<std::size_t>(std::max<int32_t>(n, 0)));
    return units;
}

// Encodes UTF-16 code units into bytes.
std::string EncodeUnits(std::u16string_view units, Encoding encoding) {
    std::string out;
    if (units.empty()) {
        return out;
    }
    UConverter* cnv = ConverterFor(encoding);
    if (cnv == nullptr) {
        return out;
    }
    out.resize(units.size() * 3); // UTF-8 needs at most three bytes per unit
    UErrorCode err = U_ZERO_ERROR;
    const int32_t n = ucnv_fromUChars(cnv, out.data(), static_cast<int32_t>(out.size()),
                                      units.data(), static_cast<int32_t>(units.size()), &err);
    if (U_FAILURE(err) && err != U_STRING_NOT_TERMINATED_WARNING) {
        return {};
    }
    out.resize(static_cast<std::size_t>(std::max<int32_t>(n, 0)));
    return out;
}

void CutAtZero(std::string& s) {
    const auto zero = s.find('\0');
    if (zero != std::string::npos) {
        s.resize(zero);
    }
}

struct TransliteratorDeleter {
    void operator()(icu::Transliterator* t) const { delete t; } // owned by ICU's factory
};

// The traditional-to-simplified transliterator of the calling thread, created on first use.
const icu::Transliterator* TraditionalToSimplified() {
    thread_local std::unique_ptr<icu::Transliterator, TransliteratorDeleter> instance;
    thread_local bool tried = false;
    if (!tried) {
        tried = true;
        UErrorCode err = U_ZERO_ERROR;
        instance.reset(icu::Transliterator::createInstance(
            icu::UnicodeString::fromUTF8("Traditional-Simplified"), UTRANS_FORWARD, err));
        if (U_FAILURE(err)) {
            instance.reset();
        }
    }
    return instance.get();
}

} // namespace

std::string WideFromText(std::string_view text, int codePage) {
    const Encoding encoding = EncodingOf(codePage);
    std::u16string units;
    if (encoding == Encoding::Unknown) {
        return std::string(2, '\0'); // just the terminating unit
    }
    units = DecodeToUnits(text, encoding);
    std::string wide(units.size() * 2 + 2, '\0');
    for (std::size_t i = 0; i < units.size(); ++i) {
        wide[2 * i] = static_cast<char>(units[i] & 0xFF);
        wide[2 * i + 1] = static_cast<char>(units[i] >> 8);
    }
    return wide;
}

Text TextFromWide(std::string_view wide, int codePage) {
    const Encoding encoding = EncodingOf(codePage);
    if (encoding == Encoding::Unknown) {
        return {};
    }
    std::u16string units;
    units.reserve(wide.size() / 2);
    for (std::size_t i = 0; i + 1 < wide.size(); i += 2) {
        const auto unit = static_cast<char16_t>(static_cast<unsigned char>(wide[i]) |
                                                (static_cast<unsigned char>(wide[i + 1]) << 8));
        if (unit == 0) {
            break;
        }
        units.push_back(unit);
    }
    std::string text = EncodeUnits(units, encoding);
    CutAtZero(text);
    return text;
}

Text Utf8ToGbk(std::string_view utf8) {
    // Every UTF-8 sequence gives at most as many GBK bytes as it has; the buffer rarely grows.
    return ConvertBytes(Encoding::Gbk, Encoding::Utf8, utf8, utf8.size());
}

std::string GbkToUtf8(std::string_view gbk) {
    // A double-byte character becomes three bytes.
    return ConvertBytes(Encoding::Utf8, Encoding::Gbk, gbk, gbk.size() + gbk.size() / 2 + 16);
}

Text Big5ToSimplifiedGbk(std::string_view big5) {
    if (big5.empty()) {
        return {};
    }
    if (IsAscii(big5)) {
        return std::string(big5);
    }
    const std::u16string units = DecodeToUnits(big5, Encoding::Big5);
    icu::UnicodeString unicode(units.data(), static_cast<int32_t>(units.size()));
    if (const icu::Transliterator* t = TraditionalToSimplified()) {
        t->transliterate(unicode);
    }
    return EncodeUnits(
        std::u16string_view(unicode.getBuffer(), static_cast<std::size_t>(unicode.length())),
        Encoding::Gbk);
}

} // namespace dalmiro
