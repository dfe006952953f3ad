#pragma once
// Small text helpers of the substitute services: percent-decoding, form and query fields,
// escaping for JSON and HTML, and reading single fields out of JSON text without a full parser.
// Texts here are UTF-8 unless a name says otherwise.
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace dalmiro::sim {

using Fields = std::vector<std::pair<std::string, std::string>>;

// %XX becomes its byte and '+' a space; a '%' not followed by two hex digits stays as it is.
std::string PercentDecode(std::string_view text);
// Splits "a=1&b=2" into decoded name/value pairs, in order; a part without '=' has an empty value.
Fields ParseFields(std::string_view text);
// The value of the first field with that name; empty when absent.
std::string FieldValue(const Fields& fields, std::string_view name);
bool HasField(const Fields& fields, std::string_view name);
// The value of the first field with that name in "a=1&b=2" text as it stands, not decoded.
std::string RawFieldValue(std::string_view text, std::string_view name);

std::string JsonEscape(std::string_view text);
std::string HtmlEscape(std::string_view text);

// The value of the first member `name` in JSON text: a string value unescaped, a bare value
// (number, true, null) as spelled, up to the next ',', '}' or ']'. Empty with found=false when the
// member is absent.
std::string JsonMember(std::string_view json, std::string_view name, bool* found = nullptr);
// The top-level objects of a JSON array, each as its own text ("[{..},{..}]" gives two).
std::vector<std::string> JsonArrayObjects(std::string_view json);
// The first string of a JSON array ("[\"a\",\"b\"]" gives a); the whole text when it is no array.
std::string FirstJsonString(std::string_view json);

// Stable 64-bit FNV-1a of the bytes, the seed of every derived figure.
std::uint64_t StableHash(std::string_view bytes);
// A number in [low, high] derived from the key and a salt.
long long Derived(std::string_view key, std::string_view salt, long long low, long long high);
// Whole number as decimal digits; the value with two decimals ("0.85").
std::string Digits(long long value);
std::string TwoDecimals(long long hundredths);

} // namespace dalmiro::sim
