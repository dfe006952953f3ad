#include "util/regex_matcher.h"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <vector>

// RegexMatcher on PCRE2 in UTF mode. The GBK pattern and subject are converted to UTF-8 once per
// Create, the matches are kept as offsets into the UTF-8 subject, and a group's text is converted
// back to GBK only when it is asked for. ASCII text needs no conversion at all.
// ReplaceAll rebuilds the subject from its UTF-8 form, so bytes that are not valid GBK come
// back as "?" there, as they do in group texts.
//
// Dialect settings (the ECMAScript-like behaviour the reply patterns are written for):
// - LF is the only newline: "." matches everything but LF, and "^"/"$" in multiline mode match
//   around LF only;
// - without multiline, "$" matches only at the very end of the subject;
// - \uHHHH and \u{H...} name characters, \xHH takes exactly two digits; "[]" is an empty class; a
//   back-reference to a group that took no part matches the empty text;
// - braces that do not form a quantifier are literal (PCRE2 does that by itself).
//
// Limits: every search is bounded by a match limit (backtracking steps, scaled with the subject),
// a depth limit and a heap limit, so a pattern that backtracks catastrophically returns instead
// of hanging the program. A search that hits a limit ends the match list: the matches found
// before it stay. The bound holds per starting position, so a pattern that backtracks heavily,
// but just within the limit, at each of many positions is slow, though it still ends.

namespace dalmiro {
namespace {

struct CodeFree {
    void operator()(pcre2_code* p) const { pcre2_code_free(p); }
};
struct CompileContextFree {
    void operator()(pcre2_compile_context* p) const { pcre2_compile_context_free(p); }
};
struct MatchContextFree {
    void operator()(pcre2_match_context* p) const { pcre2_match_context_free(p); }
};
struct MatchDataFree {
    void operator()(pcre2_match_data* p) const { pcre2_match_data_free(p); }
};
struct JitStackFree {
    void operator()(pcre2_jit_stack* p) const { pcre2_jit_stack_free(p); }
};
using CodePtr = std::unique_ptr<pcre2_code, CodeFree>;
using CompileContextPtr = std::unique_ptr<pcre2_compile_context, CompileContextFree>;
using MatchContextPtr = std::unique_ptr<pcre2_match_context, MatchContextFree>;
using MatchDataPtr = std::unique_ptr<pcre2_match_data, MatchDataFree>;
using JitStackPtr = std::unique_ptr<pcre2_jit_stack, JitStackFree>;

// Backtracking steps one search may take: this many, or kMatchStepsPerByte per subject byte when
// that is more. A lazy [\s|\S]*? that runs across the whole subject takes about one step per
// character and must never be cut short; (a+)+$ over a run of a's needs 2^n steps and gives up
// after some tens of milliseconds.
constexpr uint32_t kMatchLimitMin = 10'000'000;
constexpr uint32_t kMatchStepsPerByte = 4;
// Nesting of backtracking points (interpreter only) and the memory it may use for them.
constexpr uint32_t kDepthLimit = 1'000'000;
constexpr uint32_t kHeapLimitKiB = 64 * 1024;
// The JIT's own stack, made only when the default 32 KiB on the machine stack is not enough: starts
// small and may grow this far before the interpreter takes over.
constexpr size_t kJitStackStart = 32 * 1024;
constexpr size_t kJitStackMax = 4 * 1024 * 1024;

constexpr uint32_t kBaseOptions = PCRE2_UTF | PCRE2_ALT_BSUX | PCRE2_ALLOW_EMPTY_CLASS |
                                  PCRE2_MATCH_UNSET_BACKREF | PCRE2_DOLLAR_ENDONLY;

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Offsets into the UTF-8 subject, 32 bits each: a 10 MiB reply with tens of thousands of matches
// keeps a few MiB of them. Subjects of 4 GiB and more are not searched.
using Offset = uint32_t;
constexpr Offset kUnset = UINT32_MAX; // a group that took no part
constexpr size_t kMaxSubject = UINT32_MAX - 1;

// The start/end pairs of every match (group 0 first), in blocks that never move: the table grows
// without copying what it holds, and the blocks are small enough to come from reused memory.
class OffsetTable {
  public:
    void Reset(uint32_t groups) {
        blocks_.clear();
        stride_ = 2 * (static_cast<size_t>(groups) + 1);
        perBlock_ = std::max<size_t>(1, kBlockEntries / stride_);
        count_ = 0;
    }
    // Keeps the first `set` pairs of the ovector; the groups after them took no part.
    void Append(const PCRE2_SIZE* ovector, size_t set) {
        if (count_ % perBlock_ == 0) {
            blocks_.push_back(std::make_unique_for_overwrite<Offset[]>(perBlock_ * stride_));
        }
        Offset* out = blocks_.back().get() + (count_ % perBlock_) * stride_;
        for (size_t i = 0; i < stride_; ++i) {
            out[i] =
                i < 2 * set && ovector[i] != PCRE2_UNSET ? static_cast<Offset>(ovector[i]) : kUnset;
        }
        ++count_;
    }
    size_t Count() const { return count_; }
    // The pairs of match `index` (0-based, below Count()).
    const Offset* Match(size_t index) const {
        return blocks_[index / perBlock_].get() + (index % perBlock_) * stride_;
    }

  private:
    static constexpr size_t kBlockEntries = 16 * 1024; // 64 KiB
    std::vector<std::unique_ptr<Offset[]>> blocks_;
    size_t stride_ = 2;
    size_t perBlock_ = kBlockEntries / 2; // matches per block
    size_t count_ = 0;
};

} // namespace

struct RegexMatcher::State {
    CodePtr code;        // absent before the first Create and after a rejected pattern
    Text pattern;        // the GBK pattern of `code`
    std::string subject; // the subject of the last Create, as UTF-8: the offsets point into it
    uint32_t groups = 0; // capture groups of the pattern
    OffsetTable matches;

    // Kept across Create calls: the limits and the JIT stack do not depend on the pattern.
    MatchContextPtr matchContext;
    JitStackPtr jitStack;
    MatchDataPtr matchData;

    void Clear() {
        matchData.reset(); // made from the code it belongs to
        code.reset();
        pattern.clear();
        subject.clear();
        subject.shrink_to_fit();
        groups = 0;
        matches.Reset(0);
    }

    bool Compile(std::string_view gbkPattern, bool caseSensitive, bool multiline);
    void PrepareMatchContext();
    int Search(PCRE2_SIZE start, uint32_t options);
    bool FindMatches(bool global);

    // The UTF-8 text of group `group` (0: the whole match) of match `index` (0-based); false
    // when the group took no part.
    bool Piece(size_t index, size_t group, std::string_view& piece) const;
    // The same for the 1-based numbers the callers use; false when a number is out of range.
    bool NumberedPiece(int match, int group, std::string_view& piece) const;
    void AppendExpansion(std::string& out, std::string_view replacement, size_t match) const;
};

bool RegexMatcher::State::Compile(std::string_view gbkPattern, bool caseSensitive, bool multiline) {
    CompileContextPtr context(pcre2_compile_context_create(nullptr));
    if (!context) {
        return false;
    }
    pcre2_set_newline(context.get(), PCRE2_NEWLINE_LF);
    pcre2_set_compile_extra_options(context.get(), PCRE2_EXTRA_ALT_BSUX);

    uint32_t options = kBaseOptions;
    if (!caseSensitive) {
        options |= PCRE2_CASELESS;
    }
    if (multiline) {
        options |= PCRE2_MULTILINE;
    }
    const std::string utf8 = GbkToUtf8(gbkPattern);
    int error = 0;
    PCRE2_SIZE errorOffset = 0;
    code.reset(pcre2_compile(reinterpret_cast<PCRE2_SPTR>(utf8.data()), utf8.size(), options,
                             &error, &errorOffset, context.get()));
    if (!code) {
        return false;
    }
    // Without JIT (not built in, or out of executable memory) pcre2_match interprets.
    pcre2_jit_compile(code.get(), PCRE2_JIT_COMPLETE);
    pcre2_pattern_info(code.get(), PCRE2_INFO_CAPTURECOUNT, &groups);
    matches.Reset(groups);
    matchData.reset(pcre2_match_data_create_from_pattern(code.get(), nullptr));
    if (!matchData) {
        code.reset();
        return false;
    }
    pattern.assign(gbkPattern);
    return true;
}

void RegexMatcher::State::PrepareMatchContext() {
    if (matchContext) {
        return;
    }
    // Should either allocation fail, matching still works with PCRE2's own defaults.
    matchContext.reset(pcre2_match_context_create(nullptr));
    if (!matchContext) {
        return;
    }
    pcre2_set_depth_limit(matchContext.get(), kDepthLimit);
    pcre2_set_heap_limit(matchContext.get(), kHeapLimitKiB);
}

int RegexMatcher::State::Search(PCRE2_SIZE start, uint32_t options) {
    const auto* text = reinterpret_cast<PCRE2_SPTR>(subject.data());
    int rc = pcre2_match(code.get(), text, subject.size(), start, options, matchData.get(),
                         matchContext.get());
    if (rc == PCRE2_ERROR_JIT_STACKLIMIT && !jitStack && matchContext) {
        jitStack.reset(pcre2_jit_stack_create(kJitStackStart, kJitStackMax, nullptr));
        if (jitStack) {
            pcre2_jit_stack_assign(matchContext.get(), nullptr, jitStack.get());
            rc = pcre2_match(code.get(), text, subject.size(), start, options, matchData.get(),
                             matchContext.get());
        }
    }
    if (rc == PCRE2_ERROR_JIT_STACKLIMIT) {
        // The interpreter keeps its backtracking on the heap, bounded by the heap limit.
        rc = pcre2_match(code.get(), text, subject.size(), start, options | PCRE2_NO_JIT,
                         matchData.get(), matchContext.get());
    }
    return rc;
}

// Finds the matches from left to right. After an empty match the same position is tried once
// more for a non-empty match anchored there; failing that, the search moves on by one character.
// Returns false only when the subject could not be searched at all.
bool RegexMatcher::State::FindMatches(bool global) {
    if (subject.size() > kMaxSubject) {
        return false;
    }
    PrepareMatchContext();
    if (matchContext) {
        const uint64_t scaled = uint64_t{kMatchStepsPerByte} * subject.size();
        pcre2_set_match_limit(matchContext.get(), static_cast<uint32_t>(std::clamp<uint64_t>(
                                                      scaled, kMatchLimitMin, UINT32_MAX)));
    }
    PCRE2_SIZE start = 0;
    uint32_t retry = 0;    // PCRE2_NOTEMPTY_ATSTART | PCRE2_ANCHORED after an empty match
    uint32_t utfCheck = 0; // the UTF check runs on the first search only
    for (;;) {
        const int rc = Search(start, retry | utfCheck);
        if (rc == PCRE2_ERROR_NOMATCH && retry != 0) {
            // No non-empty match at the place of the empty one: step over one character.
            retry = 0;
            ++start;
            while (start < subject.size() && IsContinuationByte(subject[start])) {
                ++start;
            }
            if (start > subject.size()) {
                return true;
            }
            continue;
        }
        if (rc < 0) {
            // No match, or a limit was hit: the list ends here. Invalid UTF-8 in the subject
            // (seen on the first search only) means it could not be searched.
            return !(utfCheck == 0 && rc <= PCRE2_ERROR_UTF8_ERR1 && rc >= PCRE2_ERROR_UTF8_ERR21);
        }
        utfCheck = PCRE2_NO_UTF_CHECK;
        const PCRE2_SIZE* ovector = pcre2_get_ovector_pointer(matchData.get());
        if (ovector[0] > ovector[1]) {
            // \K in a look-ahead can set the start after the end; there is no sound next step.
            return true;
        }
        matches.Append(ovector, static_cast<size_t>(rc));
        if (!global) {
            return true;
        }
        start = ovector[1];
        retry = ovector[0] == ovector[1] ? PCRE2_NOTEMPTY_ATSTART | PCRE2_ANCHORED : 0;
    }
}

bool RegexMatcher::State::Piece(size_t index, size_t group, std::string_view& piece) const {
    const Offset* pair = matches.Match(index) + 2 * group;
    if (pair[0] == kUnset || pair[1] < pair[0] || pair[1] > subject.size()) {
        return false;
    }
    piece = std::string_view(subject).substr(pair[0], pair[1] - pair[0]);
    return true;
}

bool RegexMatcher::State::NumberedPiece(int match, int group, std::string_view& piece) const {
    if (match < 1 || static_cast<size_t>(match) > matches.Count() || group < 0 ||
        static_cast<uint32_t>(group) > groups) {
        return false;
    }
    return Piece(static_cast<size_t>(match) - 1, static_cast<size_t>(group), piece);
}

// Replacement syntax, as in JavaScript: $1 … $99 is that group (two digits when that group
// exists, else one digit followed by a literal digit), $& the whole match, $` the text before it,
// $' the text after it, $$ a single "$". A group that took no part gives the empty text; any
// other "$" sequence, including $0 and numbers above the group count, stays as written.
void RegexMatcher::State::AppendExpansion(std::string& out, std::string_view replacement,
                                          size_t match) const {
    const Offset* whole = matches.Match(match);
    auto appendGroup = [&](size_t group) {
        std::string_view piece;
        if (Piece(match, group, piece)) {
            out.append(piece);
        }
    };
    auto digit = [&](size_t i) -> int {
        return i < replacement.size() && replacement[i] >= '0' && replacement[i] <= '9'
                   ? replacement[i] - '0'
                   : -1;
    };
    for (size_t i = 0; i < replacement.size(); ++i) {
        const char c = replacement[i];
        if (c != '$' || i + 1 == replacement.size()) {
            out.push_back(c);
            continue;
        }
        const char next = replacement[i + 1];
        if (next == '$') {
            out.push_back('$');
            ++i;
        } else if (next == '&') {
            appendGroup(0);
            ++i;
        } else if (next == '`') {
            out.append(subject, 0, std::min<size_t>(whole[0], subject.size()));
            ++i;
        } else if (next == '\'') {
            const size_t end = std::min<size_t>(whole[1], subject.size());
            out.append(subject, end, subject.size() - end);
            ++i;
        } else if (const int first = digit(i + 1); first >= 0) {
            const int second = digit(i + 2);
            const int both = second >= 0 ? first * 10 + second : -1;
            if (both >= 1 && static_cast<uint32_t>(both) <= groups) {
                appendGroup(static_cast<size_t>(both));
                i += 2;
            } else if (first >= 1 && static_cast<uint32_t>(first) <= groups) {
                appendGroup(static_cast<size_t>(first));
                i += 1;
            } else {
                out.push_back(c);
            }
        } else {
            out.push_back(c);
        }
    }
}

RegexMatcher::RegexMatcher() : state_(std::make_unique<State>()) {}

RegexMatcher::~RegexMatcher() = default;

bool RegexMatcher::Create(std::string_view pattern, std::string_view subject, bool caseSensitive,
                          bool multiline, bool global) {
    State& s = *state_;
    s.Clear();
    if (!s.Compile(pattern, caseSensitive, multiline)) {
        return false;
    }
    s.subject = GbkToUtf8(subject);
    if (!s.FindMatches(global)) {
        s.Clear();
        return false;
    }
    return true;
}

int RegexMatcher::MatchCount() const {
    return static_cast<int>(std::min<size_t>(state_->matches.Count(), INT_MAX));
}

Text RegexMatcher::SubMatchText(int match, int group) const {
    std::string_view piece;
    if (group < 1 || !state_->NumberedPiece(match, group, piece)) {
        return {};
    }
    return Utf8ToGbk(piece);
}

Text RegexMatcher::MatchText(int match) const {
    std::string_view piece;
    if (!state_->NumberedPiece(match, 0, piece)) {
        return {};
    }
    return Utf8ToGbk(piece);
}

int RegexMatcher::SubMatchCount() const {
    return state_->matches.Count() == 0 ? 0 : static_cast<int>(state_->groups);
}

Text RegexMatcher::PatternText() const {
    return state_->pattern;
}

Text RegexMatcher::ReplaceAll(std::string_view replacement) const {
    const State& s = *state_;
    if (!s.code) {
        return {};
    }
    const std::string utf8Replacement = GbkToUtf8(replacement);
    std::string out;
    out.reserve(s.subject.size());
    size_t copied = 0;
    for (size_t m = 0; m < s.matches.Count(); ++m) {
        const Offset* whole = s.matches.Match(m);
        if (whole[0] < copied) {
            continue; // cannot happen with matches found left to right; never copy backwards
        }
        out.append(s.subject, copied, whole[0] - copied);
        s.AppendExpansion(out, utf8Replacement, m);
        copied = whole[1];
    }
    out.append(s.subject, copied, s.subject.size() - copied);
    return Utf8ToGbk(out);
}

} // namespace dalmiro
