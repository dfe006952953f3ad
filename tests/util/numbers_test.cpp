#include "util/numbers.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <string>

namespace dalmiro {
namespace {

struct ReadCase {
    const char* name;
    std::string text; // GBK
    double value;
};

const ReadCase kReadCases[] = {
    {"integer", "42", 42},
    {"decimal", "3.25", 3.25},
    {"negative", "-7.5", -7.5},
    {"plus sign and bare point", "+.5", 0.5},
    {"trailing point", "5.", 5},
    {"exponent", "1.5e3", 1500},
    {"upper-case negative exponent", "25E-2", 0.25},
    {"exponent without digits stays out", "1e", 1},
    {"exponent sign without digits stays out", "2e+x", 2},
    {"percent after the number", "12.5%", 12.5},
    {"thousands separator ends the number", "1,234", 1},
    {"stops at the first other character", "3 | 7", 3},
    {"unit after the number", "0.35\xD4\xAA", 0.35}, // 0.35元
    {"leading spaces", "  5", 5},
    {"leading tab and line end", "\t\r\n8", 8},
    {"leading full-width space",
     "\xA1\xA1"
     "9",
     9},
    {"full-width digits", "\xA3\xB1\xA3\xB2", 12},
    {"full-width sign, point and exponent", "\xA3\xAD\xA3\xB1\xA3\xAE\xA3\xB5\xA3\xE5\xA3\xB2",
     -150},
    {"full-width upper-case exponent", "\xA3\xB2\xA3\xC5\xA3\xB1", 20},
    {"full-width plus", "\xA3\xAB\xA3\xB3", 3},
    {"mixed widths", "1\xA3\xB2.5", 12.5},
    {"empty", "", 0},
    {"sign alone", "-", 0},
    {"point alone", ".", 0},
    {"letters", "abc", 0},
    {"Chinese text", "\xD6\xD0\xCE\xC4", 0},
    {"number after text is not read", "x5", 0},
    {"lead byte at the end", "7\xA3", 7},
    {"two points", "1.2.3", 1.2},
    {"double sign", "--5", 0},
    {"huge exponent", "1e400", HUGE_VAL},
    {"negative huge", "-2e999", -HUGE_VAL},
    {"tiny exponent", "1e-400", 0},
    {"many leading zeros", "0000000000000000000000000000012", 12},
};

TEST(TextToNumber, ReadsTheLeadingNumber) {
    for (const auto& c : kReadCases) {
        EXPECT_DOUBLE_EQ(TextToNumber(c.text), c.value) << c.name;
    }
}

TEST(TextToInt, TruncatesTowardZeroAndSaturates) {
    const struct {
        const char* text;
        int value;
    } cases[] = {
        {"7.9", 7},
        {"-7.9", -7},
        {"0.999", 0},
        {"-0.5", 0},
        {"2147483647", INT_MAX},
        {"2147483648", INT_MAX},
        {"1e30", INT_MAX},
        {"-1e30", INT_MIN},
        {"-2147483648", INT_MIN},
        {"1e999", INT_MAX},
        {"12.5%", 12},
        {"", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TextToInt(c.text), c.value) << c.text;
    }
}

struct FixedCase {
    double value;
    int decimals;
    const char* text;
};

const FixedCase kFixedCases[] = {
    {12.5, 2, "12.50"},
    {-2.5, 0, "-3"},
    {0.5, 0, "1"},
    {1.5, 0, "2"},
    {2.5, 0, "3"},
    {-0.5, 0, "-1"},
    {0.4, 0, "0"},
    {0, 2, "0.00"},
    {-0.0, 1, "0.0"},
    {-0.001, 2, "0.00"}, // no "-0.00"
    {-0.005, 2, "-0.01"},
    {2.675, 2, "2.68"}, // stored as 2.67499999..., read as the merchant wrote it
    {1.005, 2, "1.01"},
    {1.115, 2, "1.12"},
    {0.1 + 0.2, 2, "0.30"},
    {9.995, 2, "10.00"},
    {99.5, 0, "100"},
    {0.05, 1, "0.1"},
    {0.0049, 2, "0.00"},
    {0.000001, 3, "0.000"},
    {1234567.891, 2, "1234567.89"},
    {1e15, 0, "1000000000000000"},
    {123.456, 5, "123.45600"},
    {7, -1, "7"}, // negative decimal counts as none
};

TEST(FormatFixed, RoundsHalfAwayFromZero) {
    for (const auto& c : kFixedCases) {
        EXPECT_EQ(FormatFixed(c.value, c.decimals), c.text) << c.value << " / " << c.decimals;
    }
}

TEST(FormatFixed, NotANumberGivesEmptyText) {
    EXPECT_EQ(FormatFixed(std::numeric_limits<double>::quiet_NaN(), 2), "");
    EXPECT_EQ(FormatFixed(HUGE_VAL, 2), "");
    EXPECT_EQ(FormatFixed(-HUGE_VAL, 0), "");
}

TEST(FormatSignificant, WritesShortestPlainNumber) {
    const struct {
        double value;
        int digits;
        const char* text;
    } cases[] = {
        {0.35, 13, "0.35"},
        {1.2, 13, "1.2"},
        {1, 13, "1"},
        {0.05, 13, "0.05"},
        {0, 13, "0"},
        {-0.0, 13, "0"},
        {-3.5, 13, "-3.5"},
        {100, 13, "100"},
        {0.1 + 0.2, 13, "0.3"},
        {1.0 / 3, 13, "0.3333333333333"},
        {2.0 / 3, 13, "0.6666666666667"},
        {123456.789, 13, "123456.789"},
        {1e20, 13, "100000000000000000000"},
        {1.5e-7, 13, "0.00000015"},
        {12345.678, 3, "12300"},
        {0.0012345, 2, "0.0012"},
        {std::numeric_limits<double>::quiet_NaN(), 13, ""},
        {HUGE_VAL, 13, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatSignificant(c.value, c.digits), c.text) << c.value << " / " << c.digits;
    }
}

TEST(FormatAndRead, WrittenNumbersReadBack) {
    for (const double v : {0.0, 1.25, -7.5, 1234.5678, 0.001}) {
        EXPECT_DOUBLE_EQ(TextToNumber(FormatFixed(v, 4)), v) << v;
        EXPECT_DOUBLE_EQ(TextToNumber(FormatSignificant(v)), v) << v;
    }
}

TEST(Tolerance, ComparesWithEpsilon) {
    EXPECT_TRUE(AtMost(1.00000005, 1.0));
    EXPECT_FALSE(AtMost(1.0000002, 1.0));
    EXPECT_TRUE(AtLeast(0.99999995, 1.0));
    EXPECT_FALSE(GreaterThan(1.00000005, 1.0));
    EXPECT_TRUE(GreaterThan(1.0000002, 1.0));
    EXPECT_FALSE(LessThan(0.99999995, 1.0));
    EXPECT_TRUE(LessThan(0.9999998, 1.0));
}

} // namespace
} // namespace dalmiro
