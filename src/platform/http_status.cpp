#include "platform/http_status.h"

#include <algorithm>

namespace dalmiro {

namespace {

// "HTTP/1.1 200 OK" gives 200; a malformed status line gives 0.
int StatusOfLine(std::string_view line) {
    const auto space = line.find(' ');
    if (space == std::string_view::npos || line.size() < space + 4)
        return 0;
    const std::string_view code = line.substr(space + 1, 3);
    if (!std::all_of(code.begin(), code.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return 0;
    return (code[0] - '0') * 100 + (code[1] - '0') * 10 + (code[2] - '0');
}

} // namespace

int FinalHttpStatus(std::string_view headers) {
    int status = 0;
    std::size_t start = 0;
    while (start < headers.size()) {
        std::size_t end = headers.find('\n', start);
        if (end == std::string_view::npos)
            end = headers.size();
        const std::string_view line = headers.substr(start, end - start);
        if (line.starts_with("HTTP/"))
            status = StatusOfLine(line);
        start = end + 1;
    }
    return status;
}

} // namespace dalmiro
