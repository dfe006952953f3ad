#include "util/gbk_find.h"

#include <gtest/gtest.h>

#include <string>

namespace dalmiro {
namespace {

struct FindCase {
    const char* name;
    std::string text;
    std::string what;
    int start;
    bool ignoreCase;
    int expected;
};

const FindCase kFindCases[] = {
    {"at the start", "abc", "a", 1, false, 1},
    {"in the middle", "abcabc", "ca", 1, false, 3},
    {"from a later start", "abcabc", "a", 2, false, 4},
    {"start zero counts as one", "abc", "a", 0, false, 1},
    {"negative start counts as one", "abc", "a", -5, false, 1},
    {"start past the end", "abc", "a", 9, false, -1},
    {"start just past the end", "abc", "c", 4, false, -1},
    {"absent", "abc", "x", 1, false, -1},
    {"longer than the text", "ab", "abc", 1, false, -1},
    {"empty text", "", "a", 1, false, -1},
    {"empty pattern is not found", "abc", "", 1, false, -1},
    {"case differs", "Token", "token", 1, false, -1},
    {"ignore case", "xTOKEN", "token", 1, true, 2},
    {"double-byte pattern", "a\xD6\xD0\xCE\xC4", "\xCE\xC4", 1, false, 4},
    // D6 D0 CE C4 is 中文; "D0 CE" straddles the two characters and must not be found.
    {"straddling two characters", "\xD6\xD0\xCE\xC4", "\xD0\xCE", 1, false, -1},
    // 0x81 0x61 is one character whose second byte looks like 'a'.
    {"trail byte looks like ASCII",
     "\x81"
     "a",
     "a", 1, false, -1},
    {"ASCII after a trail byte",
     "\x81"
     "aa",
     "a", 1, false, 3},
    // Counted from the start position: starting on the trail byte reads it as a character.
    {"alignment from the start position",
     "\x81"
     "a",
     "a", 2, false, 2},
    // A lead byte without a valid trail is one byte on its own.
    {"malformed pair", "\x81 a", "a", 1, false, 3},
    // Folding applies to ASCII characters, not to trail bytes in the letter range.
    {"no folding inside a character", "\x81\x41", "\x81\x61", 1, true, -1},
    {"folding around characters", "\x81\x41X", "\x81\x41x", 1, true, 1},
};

TEST(FindText, FindsWholeCharactersOnly) {
    for (const auto& c : kFindCases) {
        EXPECT_EQ(FindText(c.text, c.what, c.start, c.ignoreCase), c.expected) << c.name;
    }
}

struct ExtractCase {
    const char* name;
    std::string text;
    int position;
    std::string anchor;
    std::string left;
    std::string right;
    bool ignoreCase;
    bool startAtAnchor;
    std::string value;
    int positionAfter;
};

const std::string kLoginReply = R"({"result":{"token":"a1B2c3","operName":"shop"},"code":"200"})";

const ExtractCase kExtractCases[] = {
    {"login token", kLoginReply, 1, R"("token":")", R"("token":")", R"(","operName)", true, false,
     "a1B2c3", 21},
    {"anchor absent", kLoginReply, 1, R"("tok":")", "", "\"", true, false, "", -1},
    {"left marker absent", "key=1", 1, "key", "[", "]", true, false, "", -1},
    {"right marker absent runs to the end", "id=42", 1, "id", "=", ";", true, false, "42", 4},
    {"empty right marker runs to the end", "id=42", 1, "id", "=", "", true, false, "42", 4},
    {"empty left marker is the anchor", "<b>x</b>", 1, "<b>", "", "</b>", true, false, "x", 4},
    {"start at anchor keeps anchor and marker", "a key=v; b", 1, "key", "=", ";", true, true,
     "key=v", 3},
    {"left marker after the anchor", "v=0 key x=7;", 1, "key", "=", ";", true, false, "7", 11},
    {"search from the position", "k=1; k=2;", 4, "k", "=", ";", true, false, "2", 8},
    {"position zero counts as one", "k=1;", 0, "k", "=", ";", true, false, "1", 3},
    {"ignore case by default", "NAME=Bob;", 1, "name", "=", ";", true, false, "Bob", 6},
    {"case sensitive", "NAME=Bob;", 1, "name", "=", ";", false, false, "", -1},
    {"empty value", "k=;", 1, "k", "=", ";", true, false, "", 3},
    {"Chinese markers", "\xC3\xFB\xB3\xC6\xA3\xBA\xD6\xD0\xA3\xBB", 1, "\xC3\xFB\xB3\xC6",
     "\xA3\xBA", "\xA3\xBB", true, false, "\xD6\xD0", 7},
    {"empty text", "", 1, "a", "b", "c", true, false, "", -1},
};

TEST(ExtractBetween, CutsValuesBetweenMarkers) {
    for (const auto& c : kExtractCases) {
        int position = c.position;
        EXPECT_EQ(ExtractBetween(c.text, position, c.anchor, c.left, c.right, c.ignoreCase,
                                 c.startAtAnchor),
                  c.value)
            << c.name;
        EXPECT_EQ(position, c.positionAfter) << c.name;
    }
}

TEST(ExtractBetween, WalksThroughRepeatedValues) {
    // The out position lets a caller continue after each value.
    const std::string text = R"([{"id":"11"},{"id":"22"},{"id":"33"}])";
    std::string found;
    int position = 1;
    for (;;) {
        const Text id = ExtractBetween(text, position, R"("id":")", "", "\"", true, false);
        if (position == -1) {
            break;
        }
        found += id + ",";
    }
    EXPECT_EQ(found, "11,22,33,");
}

TEST(ExtractBetween, DefaultsStartAtTheAnchorIgnoringCase) {
    int position = 1;
    EXPECT_EQ(ExtractBetween("xx KEY=v;", position, "key", "=", ";"), "KEY=v");
    EXPECT_EQ(position, 4);
}

} // namespace
} // namespace dalmiro
