#include "sim_text.h"

#include <cstdio>

namespace dalmiro::sim {
namespace {

int HexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

std::size_t SkipSpaces(std::string_view text, std::size_t pos) {
    while (pos < text.size() &&
           (text[pos] == ' ' || text[pos] == '\t' || text[pos] == '\r' || text[pos] == '\n')) {
        ++pos;
    }
    return pos;
}

// Reads a JSON string starting at the opening quote; `pos` ends after the closing quote.
std::string ReadJsonString(std::string_view text, std::size_t& pos) {
    std::string out;
    ++pos; // opening quote
    while (pos < text.size() && text[pos] != '"') {
        char c = text[pos++];
        if (c != '\\' || pos >= text.size()) {
            out += c;
            continue;
        }
        char e = text[pos++];
        switch (e) {
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        case 't':
            out += '\t';
            break;
        case 'b':
            out += '\b';
            break;
        case 'f':
            out += '\f';
            break;
        case 'u': {
            unsigned code = 0;
            int digits = 0;
            while (digits < 4 && pos < text.size() && HexValue(text[pos]) >= 0) {
                code = code * 16 + static_cast<unsigned>(HexValue(text[pos++]));
                ++digits;
            }
            // Basic-plane code points only; surrogate halves are kept as '?'.
            if (code >= 0xD800 && code <= 0xDFFF) {
                out += '?';
            } else if (code < 0x80) {
                out += static_cast<char>(code);
            } else if (code < 0x800) {
                out += static_cast<char>(0xC0 | (code >> 6));
                out += static_cast<char>(0x80 | (code & 0x3F));
            } else {
                out += static_cast<char>(0xE0 | (code >> 12));
                out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
                out += static_cast<char>(0x80 | (code & 0x3F));
            }
            break;
        }
        default:
            out += e;
            break; // \" \\ \/
        }
    }
    if (pos < text.size()) {
        ++pos; // closing quote
    }
    return out;
}

} // namespace

std::string PercentDecode(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '%' && i + 2 < text.size() && HexValue(text[i + 1]) >= 0 &&
            HexValue(text[i + 2]) >= 0) {
            out += static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
            i += 2;
        } else if (c == '+') {
            out += ' ';
        } else {
            out += c;
        }
    }
    return out;
}

Fields ParseFields(std::string_view text) {
    Fields fields;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('&', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        std::string_view part = text.substr(start, end - start);
        if (!part.empty()) {
            std::size_t eq = part.find('=');
            if (eq == std::string_view::npos) {
                fields.emplace_back(PercentDecode(part), std::string());
            } else {
                fields.emplace_back(PercentDecode(part.substr(0, eq)),
                                    PercentDecode(part.substr(eq + 1)));
            }
        }
        start = end + 1;
    }
    return fields;
}

std::string FieldValue(const Fields& fields, std::string_view name) {
    for (const auto& [key, value] : fields) {
        if (key == name) {
            return value;
        }
    }
    return {};
}

bool HasField(const Fields& fields, std::string_view name) {
    for (const auto& field : fields) {
        if (field.first == name) {
            return true;
        }
    }
    return false;
}

std::string RawFieldValue(std::string_view text, std::string_view name) {
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('&', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        std::string_view part = text.substr(start, end - start);
        std::size_t eq = part.find('=');
        if (eq != std::string_view::npos && part.substr(0, eq) == name) {
            return std::string(part.substr(eq + 1));
        }
        start = end + 1;
    }
    return {};
}

std::string JsonEscape(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 8);
    for (char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned>(c));
                out += buf;
            } else {
                out += c;
            }
        }
    }
    return out;
}

std::string HtmlEscape(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 8);
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&#39;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string JsonMember(std::string_view json, std::string_view name, bool* found) {
    if (found) {
        *found = false;
    }
    std::string key = "\"" + std::string(name) + "\"";
    std::size_t pos = 0;
    while ((pos = json.find(key, pos)) != std::string_view::npos) {
        std::size_t p = SkipSpaces(json, pos + key.size());
        if (p >= json.size() || json[p] != ':') {
            pos += key.size();
            continue;
        }
        p = SkipSpaces(json, p + 1);
        if (found) {
            *found = true;
        }
        if (p < json.size() && json[p] == '"') {
            return ReadJsonString(json, p);
        }
        std::size_t end = p;
        while (end < json.size() && json[end] != ',' && json[end] != '}' && json[end] != ']') {
            ++end;
        }
        std::string_view value = json.substr(p, end - p);
        while (!value.empty() && (value.back() == ' ' || value.back() == '\t' ||
                                  value.back() == '\r' || value.back() == '\n')) {
            value.remove_suffix(1);
        }
        return std::string(value);
    }
    return {};
}

std::vector<std::string> JsonArrayObjects(std::string_view json) {
    std::vector<std::string> objects;
    int depth = 0;
    std::size_t start = 0;
    bool inString = false;
    for (std::size_t i = 0; i < json.size(); ++i) {
        char c = json[i];
        if (inString) {
            if (c == '\\') {
                ++i;
            } else if (c == '"') {
                inString = false;
            }
            continue;
        }
        if (c == '"') {
            inString = true;
        } else if (c == '{') {
            if (depth++ == 0) {
                start = i;
            }
        } else if (c == '}' && depth > 0) {
            if (--depth == 0) {
                objects.emplace_back(json.substr(start, i - start + 1));
            }
        }
    }
    return objects;
}

std::string FirstJsonString(std::string_view json) {
    std::size_t p = SkipSpaces(json, 0);
    if (p >= json.size() || json[p] != '[') {
        return std::string(json);
    }
    p = SkipSpaces(json, p + 1);
    if (p >= json.size() || json[p] != '"') {
        return {};
    }
    return ReadJsonString(json, p);
}

std::uint64_t StableHash(std::string_view bytes) {
    std::uint64_t h = 14695981039346656037ull;
    for (unsigned char c : bytes) {
        h ^= c;
        h *= 1099511628211ull;
    }
    // Final mix so that neighbouring keys spread over the whole range.
    h ^= h >> 33;
    h *= 0xff51afd7ed558ccdull;
    h ^= h >> 33;
    return h;
}

long long Derived(std::string_view key, std::string_view salt, long long low, long long high) {
    std::string seed(salt);
    seed += '|';
    seed += key;
    std::uint64_t span = static_cast<std::uint64_t>(high - low) + 1;
    return low + static_cast<long long>(StableHash(seed) % span);
}

std::string Digits(long long value) {
    return std::to_string(value);
}

std::string TwoDecimals(long long hundredths) {
    std::string sign = hundredths < 0 ? "-" : "";
    long long v = hundredths < 0 ? -hundredths : hundredths;
    std::string cents = std::to_string(v % 100);
    if (cents.size() < 2) {
        cents = "0" + cents;
    }
    return sign + std::to_string(v / 100) + "." + cents;
}

} // namespace dalmiro::sim
