#include "util/gbk_find.h"

#include <climits>
#include <cstddef>

namespace dalmiro {
namespace {

bool IsLeadByte(unsigned char b) {
    return b >= 0x81 && b <= 0xFE;
}
bool IsTrailByte(unsigned char b) {
    return b >= 0x40 && b <= 0xFE && b != 0x7F;
}

// Width of the character starting at `i`: 2 for a lead byte followed by a trail byte, else 1.
// A lead byte without a valid trail counts as one byte, so a malformed pair never hides the
// ASCII character after it.
std::size_t CharWidth(std::string_view s, std::size_t i) {
    const auto b = static_cast<unsigned char>(s[i]);
    if (IsLeadByte(b) && i + 1 < s.size() && IsTrailByte(static_cast<unsigned char>(s[i + 1]))) {
        return 2;
    }
    return 1;
}

unsigned char FoldAscii(unsigned char b) {
    return (b >= 'A' && b <= 'Z') ? static_cast<unsigned char>(b - 'A' + 'a') : b;
}

// Does `what` occur at `at` in `text`? Case folding applies to single-byte characters only: the
// second byte of a double-byte character may look like an ASCII letter and is compared exactly.
bool MatchesAt(std::string_view text, std::size_t at, std::string_view what, bool ignoreCase) {
    if (text.size() - at < what.size()) {
        return false;
    }
    std::size_t j = 0;
    while (j < what.size()) {
        const std::size_t width = CharWidth(what, j);
        if (width == 2 || !ignoreCase) {
            for (std::size_t k = 0; k < width; ++k) {
                if (text[at + j + k] != what[j + k]) {
                    return false;
                }
            }
        } else if (FoldAscii(static_cast<unsigned char>(text[at + j])) !=
                   FoldAscii(static_cast<unsigned char>(what[j]))) {
            return false;
        }
        j += width;
    }
    return true;
}

} // namespace

// An empty `what` is never found: callers use markers, and an empty marker marks nothing.
int FindText(std::string_view text, std::string_view what, int start, bool ignoreCase) {
    if (what.empty() || text.size() > static_cast<std::size_t>(INT_MAX)) {
        return -1;
    }
    if (start < 1) {
        start = 1;
    }
    std::size_t i = static_cast<std::size_t>(start) - 1;
    while (i < text.size() && text.size() - i >= what.size()) {
        if (MatchesAt(text, i, what, ignoreCase)) {
            return static_cast<int>(i) + 1;
        }
        i += CharWidth(text, i);
    }
    return -1;
}

Text ExtractBetween(std::string_view text, int& position, std::string_view anchor,
                    std::string_view leftMarker, std::string_view rightMarker, bool ignoreCase,
                    bool startAtAnchor) {
    const int anchorAt = FindText(text, anchor, position, ignoreCase);
    if (anchorAt == -1) {
        position = -1;
        return {};
    }
    position = anchorAt;
    const std::string_view left = leftMarker.empty() ? anchor : leftMarker;
    const int leftAt = FindText(text, left, anchorAt, ignoreCase);
    if (leftAt == -1) {
        position = -1;
        return {};
    }
    const int afterLeft = leftAt + static_cast<int>(left.size());
    const int rightAt = FindText(text, rightMarker, afterLeft, ignoreCase);
    const int end = rightAt == -1 ? static_cast<int>(text.size()) + 1 : rightAt;
    if (!startAtAnchor) {
        position = afterLeft;
    }
    return Text(text.substr(static_cast<std::size_t>(position) - 1,
                            static_cast<std::size_t>(end - position)));
}

} // namespace dalmiro
