// The request-reading helpers: percent-decoding, form fields, JSON members and cookies.
#include "sim/sessions.h"
#include "sim/sim_text.h"

#include <gtest/gtest.h>

namespace dalmiro::sim {
namespace {

TEST(SimText, PercentDecode) {
    struct Case {
        std::string in;
        std::string out;
    } cases[] = {
        {"%5B%22%E8%A3%99%22%5D", "[\"裙\"]"},
        {"a+b", "a b"},
        {"%C8%B9", "\xC8\xB9"}, // GBK bytes stay bytes
        {"100%", "100%"},
        {"%2", "%2"},
        {"%zz1", "%zz1"},
        {"%e8%a3%99", "裙"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PercentDecode(c.in), c.out) << c.in;
    }
}

TEST(SimText, FormFieldsKeepOrderAndValuesWithEqualSigns) {
    Fields f = ParseFields("_referer=/tools/insight/queryresult?kws=%5B%22a%22%5D&sla=json&"
                           "flag&token=x%2By&&empty=");
    EXPECT_EQ(FieldValue(f, "_referer"), "/tools/insight/queryresult?kws=[\"a\"]");
    EXPECT_EQ(FieldValue(f, "sla"), "json");
    EXPECT_TRUE(HasField(f, "flag"));
    EXPECT_EQ(FieldValue(f, "token"), "x+y");
    EXPECT_TRUE(HasField(f, "empty"));
    EXPECT_FALSE(HasField(f, "missing"));
    EXPECT_EQ(RawFieldValue("a=1&token=x%2By&b=2", "token"), "x%2By");
    EXPECT_EQ(RawFieldValue("a=1", "token"), "");
}

TEST(SimText, JsonMembers) {
    const std::string json =
        R"({"pageNumber" : 2,"title":"a\"b\\c\u4e2d","campaignId":"45","none":null,"x":[1]})";
    struct Case {
        std::string name;
        std::string value;
        bool found;
    } cases[] = {
        {"pageNumber", "2", true}, {"title", "a\"b\\c中", true}, {"campaignId", "45", true},
        {"none", "null", true},    {"missing", "", false},
    };
    for (const Case& c : cases) {
        bool found = false;
        EXPECT_EQ(JsonMember(json, c.name, &found), c.value) << c.name;
        EXPECT_EQ(found, c.found) << c.name;
    }
    bool found = true;
    EXPECT_EQ(JsonMember(R"({"maxPrice":,"isDefaultPrice":0})", "maxPrice", &found), "");
    EXPECT_TRUE(found);
}

TEST(SimText, ArrayObjectsAndFirstString) {
    auto objects = JsonArrayObjects(R"([{"a":"}"},{"b":{"c":1}}, 3])");
    ASSERT_EQ(objects.size(), 2u);
    EXPECT_EQ(objects[0], R"({"a":"}"})");
    EXPECT_EQ(objects[1], R"({"b":{"c":1}})");
    EXPECT_TRUE(JsonArrayObjects("[]").empty());
    EXPECT_EQ(FirstJsonString(R"(["连衣裙","x"])"), "连衣裙");
    EXPECT_EQ(FirstJsonString("连衣裙"), "连衣裙");
    EXPECT_EQ(FirstJsonString("[1]"), "");
}

TEST(SimText, Escaping) {
    EXPECT_EQ(JsonEscape("a\"b\\c\n\x01"), "a\\\"b\\\\c\\n\\u0001");
    EXPECT_EQ(HtmlEscape("<a href=\"x\">&'"), "&lt;a href=&quot;x&quot;&gt;&amp;&#39;");
}

TEST(SimText, SessionCookieAmongOthers) {
    struct Case {
        std::string header;
        std::string id;
    } cases[] = {
        {"sim_session=abc", "abc"},
        {"a=1; sim_session=abc; b=2", "abc"},
        {"xsim_session=abc", ""},
        {"a=1", ""},
        {"", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SessionIdFromCookieHeader(c.header), c.id) << c.header;
    }
}

} // namespace
} // namespace dalmiro::sim
