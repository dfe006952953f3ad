#pragma once
// Compiles one pattern, runs it once over a subject and hands out the matches and their groups by
// 1-based number. Matching works on characters: the GBK subject is matched as Unicode and group
// texts come back as GBK. Dialect: "." excludes only LF, lazy quantifiers, a literal "{" where it
// is no quantifier, "[\s|\S]" and the like. Each object belongs to one thread; objects on
// different threads are independent. Nothing here throws or shows a message.
#include "util/text.h"

#include <memory>

namespace dalmiro {

class RegexMatcher {
  public:
    RegexMatcher();
    ~RegexMatcher();
    RegexMatcher(const RegexMatcher&) = delete;
    RegexMatcher& operator=(const RegexMatcher&) = delete;

    // True when the pattern compiled and the subject was searched (the match list may be empty);
    // false when the pattern was rejected (then the object holds nothing, as a fresh one). Each
    // call replaces everything the previous one left. With `global` false only the first match
    // is kept.
    bool Create(std::string_view pattern, std::string_view subject, bool caseSensitive = false,
                bool multiline = true, bool global = true);
    int MatchCount() const;
    // Group `group` of match `match`; empty when out of range or when the group took no part.
    Text SubMatchText(int match, int group) const;
    Text MatchText(int match) const;
    // Number of capture groups of the first match (0 when there is no match).
    int SubMatchCount() const;
    // The pattern of the last Create when it compiled; empty before that and after a rejected
    // pattern.
    Text PatternText() const;
    // The stored subject with every kept match replaced. As in JavaScript: $1 … $99 a group,
    // $& the whole match, $` the text before it, $' the text after it, $$ a "$"; other "$"
    // sequences stay as written. Empty when the last Create failed or there was none.
    Text ReplaceAll(std::string_view replacement) const;

  private:
    struct State;
    std::unique_ptr<State> state_;
};

} // namespace dalmiro
