#include "net/request_headers.h"

#include "net/request_target.h"

namespace dalmiro::net {

namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr std::string_view kAcceptLine =
    "Accept: image/gif, image/bmp, image/x-xbitmap, image/jpeg, image/pjpeg, "
    "application/x-shockwave-flash, application/vnd.ms-excel, application/vnd.ms-powerpoint, "
    "application/msword, */*";

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        const std::size_t stop = end == std::string_view::npos ? text.size() : end;
        if (stop > start) {
            lines.push_back(text.substr(start, stop - start));
        }
        if (end == std::string_view::npos) {
            break;
        }
        start = end + 1;
    }
    return lines;
}

// True when one of the lines is a header of that name (any case).
bool HasHeader(const std::vector<std::string_view>& lines, std::string_view name) {
    for (std::string_view line : lines) {
        const std::size_t colon = line.find(':');
        if (colon != std::string_view::npos &&
            AsciiLower(TrimSpaces(line.substr(0, colon))) == AsciiLower(name)) {
            return true;
        }
    }
    return false;
}

} // namespace

std::string RequestUserAgent(std::string_view callerHeaders) {
    constexpr std::string_view kName = "User-Agent:";
    const std::size_t at = FindIgnoringCase(callerHeaders, kName);
    if (at == std::string_view::npos) {
        return std::string(kDefaultUserAgent);
    }
    std::string_view rest = callerHeaders.substr(at + kName.size());
    rest = rest.substr(0, rest.find(kCrLf));
    return std::string(TrimSpaces(rest));
}

std::string BuildRequestHeaderText(const HeaderRequest& request) {
    std::string caller(request.callerHeaders);
    std::string fixed;
    auto add = [&fixed](std::string_view a, std::string_view b = {}) {
        fixed.append(a).append(b).append(kCrLf);
    };
    if (!ContainsIgnoringCase(caller, "Accept")) {
        add(kAcceptLine);
    }
    if (ContainsIgnoringCase(caller, "RefererNo")) {
        const std::size_t exact = caller.find("RefererNo");
        if (exact != std::string::npos) {
            caller.erase(exact, std::string_view("RefererNo").size());
        }
    } else if (!ContainsIgnoringCase(caller, "Referer")) {
        add("Referer: ", request.url);
    }
    if (!ContainsIgnoringCase(caller, "Accept-Language")) {
        add("Accept-Language: zh-cn");
    }
    if (request.post && request.bodySize > 0) {
        if (!ContainsIgnoringCase(caller, "Content-Type")) {
            add("Content-Type: application/x-www-form-urlencoded");
        }
        if (!ContainsIgnoringCase(caller, "Content-Length")) {
            add("Content-Length: ", std::to_string(request.bodySize));
        }
    }
    if (!request.cookies.empty()) {
        add("Cookie: ", request.cookies);
        fixed.append(kCrLf);
    }
    return caller + fixed;
}

std::vector<std::string> CurlHeaderLines(std::string_view headerText, bool post, bool emptyBody) {
    std::vector<std::string_view> lines;
    for (std::string_view line : SplitLines(headerText)) {
        // Only "Name: value" lines are headers; what is left of a line after "RefererNo" was cut
        // out of it (": 1", say) is not sent.
        const std::size_t colon = line.find(':');
        if (colon != std::string_view::npos && !TrimSpaces(line.substr(0, colon)).empty()) {
            lines.push_back(line);
        }
    }
    std::vector<std::string> out(lines.begin(), lines.end());
    // An empty "Name:" entry tells libcurl to send no header of that name.
    auto suppress = [&](std::string_view name) {
        if (!HasHeader(lines, name)) {
            out.push_back(std::string(name) + ":");
        }
    };
    suppress("Accept");
    suppress("Expect");
    if (post && emptyBody) {
        suppress("Content-Type");
        suppress("Content-Length");
    }
    return out;
}

} // namespace dalmiro::net
