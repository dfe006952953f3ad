#include "util/regex_matcher.h"

#include "platform/reply_patterns.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

namespace dalmiro {
namespace {

// Replies are written here as UTF-8 and handed to the matcher as GBK, as the client does after
// Utf8ToGbk.
const std::string kCampaignReplyUtf8 =
    R"re({"result":{"items":[)re"
    R"re({"campaignId":"1001","title":"店铺推广","budget":"3000"},)re"
    R"re({"campaignId":"1002","title":"夏季连衣裙 新款","budget":"5000"},)re"
    R"re({"campaignId":"1003","title":"Outlet 清仓","budget":"0"}]}})re";

std::vector<Text> AllMatches(const RegexMatcher& m) {
    std::vector<Text> texts;
    for (int i = 1; i <= m.MatchCount(); ++i) {
        texts.push_back(m.MatchText(i));
    }
    return texts;
}

std::vector<Text> GbkAll(const std::vector<std::string>& utf8) {
    std::vector<Text> texts;
    for (const auto& s : utf8) {
        texts.push_back(Gbk(s));
    }
    return texts;
}

class CampaignReply : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(matcher.Create(patterns::kCampaigns, Gbk(kCampaignReplyUtf8)));
    }
    RegexMatcher matcher;
};

TEST_F(CampaignReply, FindsEveryCampaignWithItsGroupsAsGbk) {
    ASSERT_EQ(matcher.MatchCount(), 3);
    EXPECT_EQ(matcher.SubMatchCount(), 2);
    struct Case {
        int match;
        int group;
        const char* expected; // UTF-8
    };
    const Case cases[] = {
        {1, 1, "1001"}, {1, 2, "店铺推广"},    {2, 1, "1002"}, {2, 2, "夏季连衣裙 新款"},
        {3, 1, "1003"}, {3, 2, "Outlet 清仓"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(matcher.SubMatchText(c.match, c.group), Gbk(c.expected))
            << "match " << c.match << " group " << c.group;
    }
    EXPECT_EQ(matcher.MatchText(2), Gbk(R"re("campaignId":"1002","title":"夏季连衣裙 新款",)re"));
}

TEST_F(CampaignReply, NumbersOutOfRangeAndGroupZeroGiveEmptyText) {
    const std::pair<int, int> outside[] = {{0, 1}, {-1, 1}, {4, 1}, {1000, 2},
                                           {1, 0}, {1, -1}, {1, 3}, {2, 99}};
    for (const auto& [match, group] : outside) {
        EXPECT_EQ(matcher.SubMatchText(match, group), "") << match << "," << group;
    }
    for (int match : {0, -1, 4}) {
        EXPECT_EQ(matcher.MatchText(match), "") << match;
    }
}

TEST_F(CampaignReply, UpperCaseFieldNamesMatchTheSamePattern) {
    std::string upper = kCampaignReplyUtf8;
    for (const auto& [from, to] :
         {std::pair<std::string, std::string>{"campaignId", "CAMPAIGNID"}, {"title", "Title"}}) {
        for (auto at = upper.find(from); at != std::string::npos; at = upper.find(from, at)) {
            upper.replace(at, from.size(), to);
        }
    }
    RegexMatcher m;
    ASSERT_TRUE(m.Create(patterns::kCampaigns, Gbk(upper)));
    EXPECT_EQ(m.MatchCount(), 3);
    EXPECT_EQ(m.SubMatchText(2, 2), Gbk("夏季连衣裙 新款"));
}

TEST(RegexMatcherTest, OptionalGroupThatTookNoPartGivesEmptyText) {
    RegexMatcher m;
    ASSERT_TRUE(m.Create(R"re((\d+)?:(x)|(y))re", "y :x"));
    ASSERT_EQ(m.MatchCount(), 2);
    EXPECT_EQ(m.SubMatchCount(), 3);
    EXPECT_EQ(m.SubMatchText(1, 1), "");
    EXPECT_EQ(m.SubMatchText(1, 2), "");
    EXPECT_EQ(m.SubMatchText(1, 3), "y");
    EXPECT_EQ(m.SubMatchText(2, 1), "");
    EXPECT_EQ(m.SubMatchText(2, 2), "x");
    EXPECT_EQ(m.SubMatchText(2, 3), "");
}

// A rejected pattern leaves nothing behind, not even what an earlier Create found.
TEST(RegexMatcherTest, RejectedPatternGivesFalseAndEmptyResults) {
    const char* const rejected[] = {"(",
                                    R"re("title":"(.*?)",)re"
                                    "(",
                                    "a)",
                                    "[abc",
                                    "*a",
                                    "a{3,1}",
                                    R"re(\)re",
                                    "(?<n>a)(?<n>b)"};
    for (const char* pattern : rejected) {
        RegexMatcher m;
        ASSERT_TRUE(m.Create(patterns::kCampaigns, Gbk(kCampaignReplyUtf8)));
        EXPECT_FALSE(m.Create(pattern, Gbk(kCampaignReplyUtf8))) << pattern;
        EXPECT_EQ(m.MatchCount(), 0) << pattern;
        EXPECT_EQ(m.SubMatchText(1, 1), "") << pattern;
        EXPECT_EQ(m.MatchText(1), "") << pattern;
        EXPECT_EQ(m.SubMatchCount(), 0) << pattern;
        EXPECT_EQ(m.PatternText(), "") << pattern;
        EXPECT_EQ(m.ReplaceAll("x"), "") << pattern;
    }
}

TEST(RegexMatcherTest, FreshObjectHasNothing) {
    RegexMatcher m;
    EXPECT_EQ(m.MatchCount(), 0);
    EXPECT_EQ(m.SubMatchText(1, 1), "");
    EXPECT_EQ(m.SubMatchCount(), 0);
    EXPECT_EQ(m.PatternText(), "");
    EXPECT_EQ(m.ReplaceAll("x"), "");
}

struct MatchCase {
    const char* name;
    const char* pattern;               // UTF-8, given to the matcher as GBK
    const char* subject;               // UTF-8, given to the matcher as GBK
    std::vector<std::string> expected; // whole matches, UTF-8
    bool caseSensitive = false;
    bool multiline = true;
    bool global = true;
};

class Dialect : public ::testing::TestWithParam<MatchCase> {};

TEST_P(Dialect, FindsTheseMatches) {
    const MatchCase& c = GetParam();
    RegexMatcher m;
    ASSERT_TRUE(m.Create(Gbk(c.pattern), Gbk(c.subject), c.caseSensitive, c.multiline, c.global));
    EXPECT_EQ(AllMatches(m), GbkAll(c.expected));
}

const MatchCase kDialectCases[] = {
    {"NoMatchIsNoFailure", "zzz", "abc", {}},
    {"DotStopsAtLineFeed", "a.b", "a\nb a-b", {"a-b"}},
    {"DotTakesCarriageReturn", "a.b", "a\rb", {"a\rb"}},
    {"ClassOfSpaceAndNonSpaceCrossesLines", R"re(a[\s|\S]*?b)re", "a\n\nb", {"a\n\nb"}},
    {"BarInsideAClassIsLiteral", R"re(x[\s|\S]y)re", "x|y", {"x|y"}},
    {"LazyQuantifierTakesTheShortest",
     R"re("(.*?)")re",
     R"re("a","b")re",
     {R"re("a")re", R"re("b")re"}},
    {"LeadingLiteralBrace",
     R"re({"w":"(\d+)"})re",
     R"re([{"w":"1"},{"w":"2"}])re",
     {R"re({"w":"1"})re", R"re({"w":"2"})re"}},
    {"BraceThatIsNoQuantifier", "a{b|c{x}", "a{b c{x}", {"a{b", "c{x}"}},
    {"EscapedBracket", R"re(\["(.*?)")re", R"re(["连衣裙","12"])re", {R"re(["连衣裙")re"}},
    {"IgnoresCaseByDefault", "Abc", "abc ABC aBc", {"abc", "ABC", "aBc"}},
    {"IgnoresCaseBeyondAscii", "ω", "Ω", {"Ω"}},
    {"CaseSensitiveOnRequest", "Abc", "abc Abc ABC", {"Abc"}, true},
    {"CaretAndDollarAtEveryLine", R"re(^\w+$)re", "one\ntwo\nthree", {"one", "two", "three"}},
    {"CaretAndDollarAtTheEndsOnly", R"re(^\w+$)re", "one\ntwo", {}, false, false},
    {"SingleLineSubjectWithoutMultiline", R"re(^\w+$)re", "solo", {"solo"}, false, false},
    {"DollarIgnoresTrailingLineFeedWithoutMultiline", "a$", "a\n", {}, false, false},
    {"GlobalFindsAll", R"re(\d+)re", "1 22 333", {"1", "22", "333"}},
    {"NotGlobalFindsTheFirstOnly", R"re(\d+)re", "1 22 333", {"1"}, false, true, false},
    {"MatchesCharactersNotBytes", "^.{2}$", "中文", {"中文"}},
    {"EmptyMatchesStepByCharacter", "", "中文", {"", "", ""}},
    {"EmptyAndNonEmptyMatchesInTurn", "x*", "axb", {"", "x", "", ""}},
    {"UnicodeEscapeNamesACharacter", R"re(\u6587)re", "中文", {"文"}},
    {"BracedUnicodeAndHexEscapes", R"re(\u{4E2D}\x41)re", "中A", {"中A"}},
    {"EmptyClassMatchesNothing", "a[]|b", "ab", {"b"}},
    {"ChineseInPatternAndSubject", "连衣裙(\\d+)", "夏季连衣裙2026款", {"连衣裙2026"}},
};

INSTANTIATE_TEST_SUITE_P(RegexMatcherTest, Dialect, ::testing::ValuesIn(kDialectCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RegexMatcherTest, InvalidGbkBytesDoNotStopTheSearch) {
    RegexMatcher m;
    ASSERT_TRUE(m.Create(R"re(\d+)re", "a\xff"
                                       "12 \x81"));
    ASSERT_EQ(m.MatchCount(), 1);
    EXPECT_EQ(m.MatchText(1), "12");
}

TEST(RegexMatcherTest, RelatedWordsWithFiguresStartWithALiteralBrace) {
    const std::string reply =
        R"re({"code":"200","result":[)re"
        R"re({"word":"连衣裙","data":[{"pv":"12000","click":"340","avgPrice":"85","competition":"410","ctr":"2.83","cvr":"1.20","avgPriceYuan":"0.85","date":"2026-12-04"}]},)re"
        "\n"
        R"re({"word":"连衣裙 夏 女","data":[{"pv":"980","click":"12","avgPrice":"120","competition":"55","ctr":"1.22","cvr":"0.50","avgPriceYuan":"1.20","date":"2026-12-04"}]}]})re";
    RegexMatcher m;
    ASSERT_TRUE(m.Create(patterns::kRelatedWordsWithFigures, Gbk(reply)));
    ASSERT_EQ(m.MatchCount(), 2);
    ASSERT_EQ(m.SubMatchCount(), 8);
    const char* const second[] = {"连衣裙 夏 女", "980", "12", "120", "55", "1.22", "0.50", "1.20"};
    for (int g = 1; g <= 8; ++g) {
        EXPECT_EQ(m.SubMatchText(2, g), Gbk(second[g - 1])) << "group " << g;
    }
    EXPECT_EQ(m.SubMatchText(1, 1), Gbk("连衣裙"));
}

struct ReplaceCase {
    const char* name;
    const char* pattern;     // UTF-8
    const char* subject;     // UTF-8
    const char* replacement; // UTF-8
    const char* expected;    // UTF-8
    bool global = true;
};

class Replace : public ::testing::TestWithParam<ReplaceCase> {};

TEST_P(Replace, GivesTheSubjectWithTheMatchesReplaced) {
    const ReplaceCase& c = GetParam();
    RegexMatcher m;
    ASSERT_TRUE(m.Create(Gbk(c.pattern), Gbk(c.subject), false, true, c.global));
    EXPECT_EQ(m.ReplaceAll(Gbk(c.replacement)), Gbk(c.expected));
}

const ReplaceCase kReplaceCases[] = {
    {"NumberedGroups", R"re((\d+)-(\d+))re", "1-2 and 30-40", "$2-$1", "2-1 and 40-30"},
    {"WholeMatchAndDollar", R"re(\d+)re", "a1b22", "[$&]$$", "a[1]$b[22]$"},
    {"TextBeforeAndAfter", "b", "abc", "($`|$')", "a(a|c)c"},
    {"GroupThatTookNoPart", "(x)?y", "y", "<$1>", "<>"},
    {"UnknownReferencesStayLiteral", "(a)", "a", "$2$0$x$", "$2$0$x$"},
    {"TwoDigitsOnlyWhenThatGroupExists", "(a)", "a", "$10", "a0"},
    {"TwoDigitGroup", "(a)(b)(c)(d)(e)(f)(g)(h)(i)(j)(k)", "abcdefghijk", "$11$10$1", "kja"},
    {"ChineseAroundAndInside", R"re((\d+))re", "第1名第22名", "[$1]位", "第[1]位名第[22]位名"},
    {"NoMatchGivesTheSubject", "z", "连衣裙", "x", "连衣裙"},
    {"NotGlobalReplacesTheFirst", R"re(\d)re", "1 2 3", "#", "# 2 3", false},
    {"EmptyMatchesBetweenCharacters", "x*", "中b", "-", "-中-b-"},
};

INSTANTIATE_TEST_SUITE_P(RegexMatcherTest, Replace, ::testing::ValuesIn(kReplaceCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RegexMatcherTest, SecondCreateReplacesEverything) {
    RegexMatcher m;
    ASSERT_TRUE(m.Create(patterns::kCampaigns, Gbk(kCampaignReplyUtf8)));
    ASSERT_EQ(m.MatchCount(), 3);

    const Text pattern = Gbk(R"re(词:(\S+))re");
    ASSERT_TRUE(m.Create(pattern, Gbk("词:短裙 词:长裙")));
    EXPECT_EQ(m.PatternText(), pattern);
    EXPECT_EQ(m.MatchCount(), 2);
    EXPECT_EQ(m.SubMatchCount(), 1);
    EXPECT_EQ(m.SubMatchText(2, 1), Gbk("长裙"));
    EXPECT_EQ(m.SubMatchText(3, 1), "");
    EXPECT_EQ(m.ReplaceAll("$1"), Gbk("短裙 长裙"));

    ASSERT_TRUE(m.Create("nothing", "here"));
    EXPECT_EQ(m.MatchCount(), 0);
    EXPECT_EQ(m.SubMatchCount(), 0);
    EXPECT_EQ(m.SubMatchText(1, 1), "");
    EXPECT_EQ(m.PatternText(), "nothing");
    EXPECT_EQ(m.ReplaceAll("x"), "here");
}

// Exponential backtracking ends at the match limit: the search returns, keeps what it found
// before, and reports no further matches. (The subjects hold the characters the patterns require,
// so that no shortcut of the engine avoids the backtracking.)
TEST(RegexMatcherTest, RunawayBacktrackingReturns) {
    const std::string runaway = std::string(5000, 'a') + "b";
    struct Case {
        const char* pattern;
        std::string subject;
        int count;
    };
    const Case cases[] = {
        {"(a+)+$", runaway, 0},
        {"(x+x+)+y", std::string(60, 'x') + "-y", 0},
        {R"re((\w+\s?)*;)re", std::string(200, 'a') + " " + std::string(200, 'a') + "!;", 0},
        // The first "ok" is kept; the search gives up in the run of a's before the second.
        {"ok|(a+)+$", "ok " + runaway + " ok", 1},
    };
    for (const auto& c : cases) {
        RegexMatcher m;
        EXPECT_TRUE(m.Create(c.pattern, c.subject)) << c.pattern;
        EXPECT_EQ(m.MatchCount(), c.count) << c.pattern;
    }
}

// Long replies give tens of thousands of matches; every one keeps its own groups.
TEST(RegexMatcherTest, ManyMatchesKeepTheirGroups) {
    constexpr int kCount = 20000;
    std::string reply;
    for (int i = 1; i <= kCount; ++i) {
        reply += R"re({"campaignId":")re" + std::to_string(i) + R"re(","title":"计划)re" +
                 std::to_string(i) + R"re(",})re";
    }
    RegexMatcher m;
    ASSERT_TRUE(m.Create(patterns::kCampaigns, Gbk(reply)));
    ASSERT_EQ(m.MatchCount(), kCount);
    for (int i : {1, 2, 2730, 2731, 2732, 8192, 8193, 12345, kCount - 1, kCount}) {
        EXPECT_EQ(m.SubMatchText(i, 1), std::to_string(i));
        EXPECT_EQ(m.SubMatchText(i, 2), Gbk("计划" + std::to_string(i)));
    }
}

// The limit that stops runaway searches must not cut a lazy span across a large reply short.
TEST(RegexMatcherTest, LazySpanAcrossALargeReplyIsFound) {
    const std::string subject =
        R"re("adGroupId":"7")re" + std::string(12'000'000, ' ') + R"re("imgUrl":"i.jpg")re";
    RegexMatcher m;
    ASSERT_TRUE(m.Create(R"re("adGroupId":"(\d+)"[\s|\S]*?"imgUrl":"(.*?)")re", subject));
    ASSERT_EQ(m.MatchCount(), 1);
    EXPECT_EQ(m.SubMatchText(1, 2), "i.jpg");
}

// A group repeated many times outgrows the JIT's default stack; the match is still found.
TEST(RegexMatcherTest, DeeplyRepeatedGroupIsFound) {
    std::string subject;
    for (int i = 0; i < 20000; ++i) {
        subject += i % 2 == 0 ? "x" : "y";
    }
    subject += "z";
    RegexMatcher m;
    ASSERT_TRUE(m.Create("(x|y)*z", subject));
    ASSERT_EQ(m.MatchCount(), 1);
    EXPECT_EQ(m.MatchText(1), subject);
    EXPECT_EQ(m.SubMatchText(1, 1), "y");
}

TEST(RegexMatcherTest, ObjectsOnSeveralThreadsAtOnce) {
    constexpr int kThreads = 4;
    constexpr int kRounds = 200;
    std::atomic<int> wrong{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([t, &wrong] {
            const std::string title = "连衣裙" + std::to_string(t);
            const Text reply = Gbk(R"re({"campaignId":")re" + std::to_string(t) +
                                   R"re(","title":")re" + title + R"re(",})re");
            const Text expected = Gbk(title);
            for (int round = 0; round < kRounds; ++round) {
                RegexMatcher m;
                if (!m.Create(patterns::kCampaigns, reply) || m.MatchCount() != 1 ||
                    m.SubMatchText(1, 1) != std::to_string(t) || m.SubMatchText(1, 2) != expected) {
                    ++wrong;
                }
            }
        });
    }
    for (auto& thread : threads) {
        thread.join();
    }
    EXPECT_EQ(wrong.load(), 0);
}

} // namespace
} // namespace dalmiro
