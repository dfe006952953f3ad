#pragma once
// Searching and cutting GBK text. Positions are 1-based byte positions; -1 means not found; a
// start position of 0 or less counts as 1. A match never starts on the second byte of a
// double-byte character (counted from where the search begins); ignore-case folds ASCII only.
#include "util/text.h"

namespace dalmiro {

// The 1-based position of `what` in `text` searching from `start`, or -1. An empty `what` is
// never found.
int FindText(std::string_view text, std::string_view what, int start = 1, bool ignoreCase = false);

// Cuts a value out between markers. Finds the anchor from `position`; then the left marker from
// the anchor (an empty left marker means the anchor itself); then the right marker after the
// left marker (absent: the value runs to the end). With startAtAnchor false the position moves
// to the first byte after the left marker. Returns the bytes from the position up to the right
// marker. A missing anchor or left marker sets the position to -1 and returns the empty text;
// an empty right marker counts as missing.
Text ExtractBetween(std::string_view text, int& position, std::string_view anchor,
                    std::string_view leftMarker, std::string_view rightMarker,
                    bool ignoreCase = true, bool startAtAnchor = true);

} // namespace dalmiro
