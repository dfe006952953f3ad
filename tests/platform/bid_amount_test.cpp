#include "platform/bid_amount.h"

#include <gtest/gtest.h>

namespace dalmiro {
namespace {

TEST(BidYuanText, ShowsFenAsYuanWithoutTrailingZeros) {
    const struct {
        double fen;
        const char* shown;
    } cases[] = {
        {5, "0.05元"}, {100, "1元"},      {35, "0.35元"}, {120, "1.2元"},
        {0, "0元"},    {9999, "99.99元"}, {1, "0.01元"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BidYuanText(c.fen), Gbk(c.shown)) << c.fen;
}

TEST(BidYuanNumber, DropsTheUnitOnly) {
    EXPECT_EQ(BidYuanNumber(Gbk("0.35元")), "0.35");
    EXPECT_EQ(BidYuanNumber(Gbk("1元")), "1");
    EXPECT_EQ(BidYuanNumber(""), "");
    EXPECT_EQ(BidYuanNumber("2.5"), "2.5");
}

TEST(ParseBidFen, ReadsYuanAsWholeFenRoundedToTheNearestFen) {
    const struct {
        const char* typed;
        long long fen;
    } cases[] = {
        {"0.35", 35},
        {"1", 100},
        {"1.2", 120},
        {"1.", 100},
        {".5", 50},
        {" 0.8 ", 80},
        {"0.35元", 35},
        {"0.285", 29}, // exactly half a fen rounds up, not down through binary
                       // rounding
        {"0.284", 28},
        {"0.005", 1},
        {"0.0149", 1},
        {"99.99", 9999},
        {"００.３５", 35}, // full-width digits and point
        {"007", 700},
    };
    for (const auto& c : cases) {
        const auto fen = ParseBidFen(Gbk(c.typed));
        ASSERT_TRUE(fen.has_value()) << c.typed;
        EXPECT_EQ(*fen, c.fen) << c.typed;
    }
}

TEST(ParseBidFen, RefusesWhatIsNoPositiveAmount) {
    for (const char* typed : {"", "   ", "0", "0.00", "0.004", "-1", "+1", "abc", "1.2.3", "1,5",
                              "1.5abc", "1e2", ".", "元", "100000", "12345678901234567890"})
        EXPECT_FALSE(ParseBidFen(Gbk(typed)).has_value()) << typed;
}

} // namespace
} // namespace dalmiro
