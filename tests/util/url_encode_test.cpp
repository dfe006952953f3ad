#include "util/url_encode.h"

#include "util/event_pump.h"

#include <gtest/gtest.h>

#include <string>

namespace dalmiro {
namespace {

// Counts the pumps while a test runs and removes the hook afterwards.
class PumpCounting : public ::testing::Test {
  protected:
    void SetUp() override {
        SetEventPump([this] { ++pumps; });
    }
    void TearDown() override { SetEventPump({}); }
    int pumps = 0;
};

struct UrlCase {
    const char* name;
    std::string gbk;
    bool keepSafe;
    std::string encoded;
};

const UrlCase kUrlCases[] = {
    {"empty", "", false, ""},
    {"three characters", "\xC1\xAC\xD2\xC2\xC8\xB9", false, "%E8%BF%9E%E8%A1%A3%E8%A3%99"},
    {"tab has two digits", "\t", false, "%09"},
    {"letters and digits are encoded", "ab1", false, "%61%62%31"},
    {"space", " ", false, "%20"},
    {"comma by default", "a,b", false, "%61%2C%62"},
    {"comma kept safe", "a,b", true, "a,b"},
    {"keep-safe range edges", "+,9:@AZ[`az{", true, "%2B,9%3A%40AZ%5B%60az%7B"},
    {"keep-safe still encodes Chinese", "x\xD6\xD0", true, "x%E4%B8%AD"},
    {"euro", "\x80", false, "%E2%82%AC"},
    {"percent sign", "%", true, "%25"},
};

TEST_F(PumpCounting, UrlEncodeEncodesUtf8Bytes) {
    for (const auto& c : kUrlCases) {
        pumps = 0;
        const std::string encoded = UrlEncode(c.gbk, c.keepSafe);
        EXPECT_EQ(encoded, c.encoded) << c.name;
        // One pump per UTF-8 byte, whether the byte was kept or encoded.
        EXPECT_EQ(pumps, static_cast<int>(GbkToUtf8(c.gbk).size())) << c.name;
    }
}

TEST_F(PumpCounting, UrlEncodeDefaultEncodesEveryByte) {
    EXPECT_EQ(UrlEncode("AZaz09-./"), "%41%5A%61%7A%30%39%2D%2E%2F");
}

TEST_F(PumpCounting, PercentEncodeGbkEncodesEveryGbkByte) {
    const struct {
        const char* name;
        std::string gbk;
        std::string encoded;
    } cases[] = {
        {"empty", "", ""},
        {"letters", "ab", "%61%62"},
        {"double-byte", "\xD0\xAC", "%D0%AC"},
        {"mixed", "1\xD6\xD0 ", "%31%D6%D0%20"},
        {"zero byte", std::string("\0", 1), "%00"},
    };
    for (const auto& c : cases) {
        pumps = 0;
        EXPECT_EQ(PercentEncodeGbk(c.gbk), c.encoded) << c.name;
        EXPECT_EQ(pumps, static_cast<int>(c.gbk.size())) << c.name;
    }
}

TEST(EventPump, DoesNothingWithoutHook) {
    SetEventPump({});
    EXPECT_EQ(UrlEncode("a"), "%61"); // and does not crash
    int calls = 0;
    SetEventPump([&] { ++calls; });
    PumpEvents();
    SetEventPump({});
    PumpEvents();
    EXPECT_EQ(calls, 1);
}

} // namespace
} // namespace dalmiro
