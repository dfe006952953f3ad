#include "util/text.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

namespace dalmiro {
namespace {

struct ConversionCase {
    const char* name;
    std::string utf8;
    std::string gbk;
};

// Pairs that convert into each other in both directions.
const ConversionCase kBothWays[] = {
    {"empty", "", ""},
    {"ascii", "abc 123\t\r\n~", "abc 123\t\r\n~"},
    {"zhongwen", "\xE4\xB8\xAD\xE6\x96\x87", "\xD6\xD0\xCE\xC4"},
    {"euro is 0x80", "\xE2\x82\xAC", "\x80"},
    {"mixed",
     "a\xE8\xBF\x9E"
     "1\xE8\xA1\xA3"
     "b",
     "a\xC1\xAC"
     "1\xD2\xC2"
     "b"},
    {"full-width digit", "\xEF\xBC\x95", "\xA3\xB5"},
    {"zero byte kept", std::string("a\0\xE4\xB8\xAD", 5), std::string("a\0\xD6\xD0", 4)},
};

TEST(TextConversion, Utf8AndGbkConvertBothWays) {
    for (const auto& c : kBothWays) {
        EXPECT_EQ(Utf8ToGbk(c.utf8), c.gbk) << c.name;
        EXPECT_EQ(GbkToUtf8(c.gbk), c.utf8) << c.name;
    }
}

struct OneWayCase {
    const char* name;
    std::string in;
    std::string out;
};

// What GBK cannot hold becomes '?', one per character, default-ignorables included; malformed
// UTF-8 becomes '?' too and never swallows the bytes after it.
const OneWayCase kUtf8ToGbkLossy[] = {
    {"emoji",
     "a\xF0\x9F\x98\x80"
     "b",
     "a?b"},
    {"zero width space",
     "a\xE2\x80\x8B"
     "b",
     "a?b"},
    {"byte order mark",
     "\xEF\xBB\xBF"
     "x",
     "?x"},
    {"korean", "\xED\x95\x9C", "?"},
    {"stray continuation byte", "x\x80y", "x?y"},
    {"invalid byte", "x\xFFy", "x?y"},
    {"truncated sequence inside", "x\xE4\xB8y", "x?y"},
    {"truncated sequence at the end", "x\xE4\xB8", "x?"},
    {"encoded surrogate", "x\xED\xA0\x80y", "x???y"},
};

TEST(TextConversion, Utf8ToGbkSubstitutesQuestionMarks) {
    for (const auto& c : kUtf8ToGbkLossy) {
        EXPECT_EQ(Utf8ToGbk(c.in), c.out) << c.name;
    }
}

const OneWayCase kGbkToUtf8Malformed[] = {
    {"lead byte at the end", "a\x81", "a\xEF\xBF\xBD"},
    {"lead byte before ASCII", "\x81 b", "\xEF\xBF\xBD b"},
    {"0xFF alone (private use in the Windows table)", "\xFF", "\xEF\xA3\xB5"},
};

TEST(TextConversion, GbkToUtf8ReplacesMalformedBytes) {
    for (const auto& c : kGbkToUtf8Malformed) {
        EXPECT_EQ(GbkToUtf8(c.in), c.out) << c.name;
    }
}

// Every double-byte code of the Windows GBK table (user-defined areas included, which map to
// private-use characters) decodes to one character and encodes back to the same two bytes.
TEST(TextConversion, EveryDoubleByteCodeRoundTrips) {
    int checked = 0;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail == 0x7F) {
                continue;
            }
            const std::string gbk{static_cast<char>(lead), static_cast<char>(trail)};
            const std::string wide = WideFromText(gbk, kCodePageGbk);
            ASSERT_EQ(wide.size(), 4u) << std::hex << lead << trail; // one unit + terminator
            ASSERT_NE(wide.substr(0, 2), "\xFD\xFF") << std::hex << lead << trail;
            const std::string utf8 = GbkToUtf8(gbk);
            ASSERT_EQ(Utf8ToGbk(utf8), gbk) << std::hex << lead << trail;
            ++checked;
        }
    }
    EXPECT_EQ(checked, 126 * 190);
}

TEST(TextConversion, ConvertsLargeTextsInPieces) {
    // Longer than any internal buffer, so the conversion has to continue where it stopped.
    std::string utf8;
    std::string gbk;
    for (int i = 0; i < 50000; ++i) {
        utf8 += "\xE4\xB8\xAD"
                "a\xE2\x82\xAC";
        gbk += "\xD6\xD0"
               "a\x80";
    }
    EXPECT_EQ(Utf8ToGbk(utf8), gbk);
    EXPECT_EQ(GbkToUtf8(gbk), utf8);
}

TEST(TextConversion, ConvertersWorkOnSeveralThreads) {
    const std::string utf8 = "\xE4\xB8\xAD\xE6\x96\x87 x";
    std::vector<std::thread> threads;
    std::vector<int> ok(4, 0);
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&, t] {
            for (int i = 0; i < 200; ++i) {
                ok[t] += GbkToUtf8(Utf8ToGbk(utf8)) == utf8 ? 1 : 0;
            }
        });
    }
    for (auto& th : threads) {
        th.join();
    }
    for (int t = 0; t < 4; ++t) {
        EXPECT_EQ(ok[t], 200) << t;
    }
}

TEST(WideText, DecodesWithTerminatingUnit) {
    struct Case {
        const char* name;
        std::string text;
        int codePage;
        std::string wide;
    };
    const Case cases[] = {
        {"empty", "", kCodePageUtf8, std::string(2, '\0')},
        {"utf8",
         "\xE4\xB8\xAD"
         "a",
         kCodePageUtf8,
         std::string("\x2D\x4E"
                     "a\0\0\0",
                     6)},
        {"gbk",
         "\xD6\xD0"
         "a",
         kCodePageGbk,
         std::string("\x2D\x4E"
                     "a\0\0\0",
                     6)},
        {"ansi is gbk", "\xD6\xD0", kCodePageAnsi, std::string("\x2D\x4E\0\0", 4)},
        {"big5", "\xA4\xA4", kCodePageBig5, std::string("\x2D\x4E\0\0", 4)},
        {"astral as surrogates", "\xF0\x9F\x98\x80", kCodePageUtf8,
         std::string("\x3D\xD8\x00\xDE\0\0", 6)},
        {"unknown code page", "abc", 1252, std::string(2, '\0')},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WideFromText(c.text, c.codePage), c.wide) << c.name;
    }
}

TEST(WideText, EncodesUpToFirstZeroUnit) {
    struct Case {
        const char* name;
        std::string wide;
        int codePage;
        std::string text;
    };
    const Case cases[] = {
        {"default is gbk",
         std::string("\x2D\x4E"
                     "a\0\0\0",
                     6),
         kCodePageAnsi,
         "\xD6\xD0"
         "a"},
        {"utf8", std::string("\x2D\x4E\0\0", 4), kCodePageUtf8, "\xE4\xB8\xAD"},
        {"stops at zero unit", std::string("a\0\0\0b\0", 6), kCodePageGbk, "a"},
        {"no terminator", std::string("a\0b\0", 4), kCodePageGbk, "ab"},
        {"odd trailing byte ignored", std::string("a\0b", 3), kCodePageGbk, "a"},
        {"unmappable in gbk", std::string("\x5C\xD5\0\0", 4), kCodePageGbk, "?"},
        {"zero width space in gbk", std::string("\x0B\x20\0\0", 4), kCodePageGbk, "?"},
        {"lone surrogate in gbk",
         std::string("\x3D\xD8"
                     "a\0",
                     4),
         kCodePageGbk, "?a"},
        {"unknown code page", std::string("a\0", 2), 437, ""},
        {"empty", "", kCodePageGbk, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TextFromWide(c.wide, c.codePage), c.text) << c.name;
    }
}

TEST(WideText, RoundTripsThroughEveryCodePage) {
    const std::string gbk = "\xD6\xD0\xCE\xC4 ok";
    EXPECT_EQ(TextFromWide(WideFromText(gbk, kCodePageGbk)), gbk);
    EXPECT_EQ(TextFromWide(WideFromText(GbkToUtf8(gbk)), kCodePageGbk), gbk);
    EXPECT_EQ(TextFromWide(WideFromText("\xA4\xA4", kCodePageBig5), kCodePageBig5), "\xA4\xA4");
}

TEST(Big5Text, TraditionalBecomesSimplifiedGbk) {
    const OneWayCase cases[] = {
        {"empty", "", ""},
        {"ascii", "ab 1", "ab 1"},
        {"zhonghua", "\xA4\xA4\xB5\xD8", "\xD6\xD0\xBB\xAA"}, // 中華 -> 中华
        {"taiwan", "\xA5\x78\xC6\x57", "\xCC\xA8\xCD\xE5"},   // 台灣 -> 台湾
        {"guo yu", "x\xB0\xEA\xBB\x79", "x\xB9\xFA\xD3\xEF"}, // 國語 -> 国语
        {"malformed lead byte at the end", "a\xA4", "a?"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Big5ToSimplifiedGbk(c.in), c.out) << c.name;
    }
}

TEST(GbkLiteral, ConvertsUtf8SourceLiterals) {
    EXPECT_EQ(Gbk("中文"), "\xD6\xD0\xCE\xC4");
    EXPECT_EQ(Gbk("信息："), "\xD0\xC5\xCF\xA2\xA3\xBA");
}

} // namespace
} // namespace dalmiro
