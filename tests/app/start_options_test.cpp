#include "app/start_options.h"

#include <gtest/gtest.h>

namespace dalmiro {
namespace {

constexpr std::string Hosts::*kGroups[] = {&Hosts::backOffice, &Hosts::suggest, &Hosts::search,
                                           &Hosts::images,     &Hosts::items,   &Hosts::maker};

StartOptions Parse(std::vector<std::string> args) {
    std::vector<const char*> argv{"dalmiro"};
    for (const std::string& arg : args)
        argv.push_back(arg.c_str());
    return ParseStartOptions(static_cast<int>(argv.size()), argv.data());
}

TEST(StartOptions, UnderstoodArgumentsSetTheirHosts) {
    struct Case {
        std::vector<std::string> args;
        std::string Hosts::*field;
        std::string expected;
    };
    const Case cases[] = {
        {{"--backoffice", "http://127.0.0.1:8080"}, &Hosts::backOffice, "http://127.0.0.1:8080"},
        {{"--suggest=http://s.example/"}, &Hosts::suggest, "http://s.example"},
        {{"--search", "https://search.example"}, &Hosts::search, "https://search.example"},
        {{"--images", "http://img.example"}, &Hosts::images, "http://img.example"},
        {{"--items", "http://item.example"}, &Hosts::items, "http://item.example"},
        {{"--maker", "http://maker.example//"}, &Hosts::maker, "http://maker.example"},
    };
    for (const Case& c : cases) {
        const StartOptions options = Parse(c.args);
        ASSERT_EQ(options.error, "") << c.args[0];
        const Hosts hosts = ResolveHosts(options);
        EXPECT_EQ(hosts.*c.field, c.expected);
        // The other groups keep the real services.
        Hosts expected = DefaultHosts();
        expected.*c.field = c.expected;
        for (std::string Hosts::*group : kGroups)
            EXPECT_EQ(hosts.*group, expected.*group) << c.args[0];
    }
}

TEST(StartOptions, SimulatorPointsEveryGroupAtItsBaseAndSingleOptionsStillWin) {
    const StartOptions options = Parse({"--simulator", "--suggest", "http://other:1"});
    ASSERT_EQ(options.error, "");
    EXPECT_TRUE(options.simulator);
    const Hosts hosts = ResolveHosts(options, "http://127.0.0.1:4000");
    EXPECT_EQ(hosts.backOffice, "http://127.0.0.1:4000");
    EXPECT_EQ(hosts.search, "http://127.0.0.1:4000");
    EXPECT_EQ(hosts.images, "http://127.0.0.1:4000");
    EXPECT_EQ(hosts.items, "http://127.0.0.1:4000");
    EXPECT_EQ(hosts.maker, "http://127.0.0.1:4000/maker");
    EXPECT_EQ(hosts.suggest, "http://other:1");
    EXPECT_EQ(hosts.SignInUrl(), "http://127.0.0.1:4000/#!/login");
    EXPECT_EQ(hosts.AnnouncementUrl(), "http://127.0.0.1:4000/maker/notice.htm");
    EXPECT_EQ(HostsAt("http://127.0.0.1:4000//").maker, "http://127.0.0.1:4000/maker");
}

TEST(StartOptions, WrongArgumentsGiveOneLineError) {
    struct Case {
        std::vector<std::string> args;
        std::string error;
    };
    const Case cases[] = {
        {{"--bogus"}, "unknown option: --bogus"},
        {{"simulator"}, "unknown option: simulator"},
        {{"--backoffice"}, "option --backoffice needs a URL"},
        {{"--maker", "ftp://x"}, "option --maker needs an http:// or https:// URL, not: ftp://x"},
        {{"--items="}, "option --items needs an http:// or https:// URL, not: "},
        {{"--simulator", "--searchx", "http://a"}, "unknown option: --searchx"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Parse(c.args).error, c.error);
    EXPECT_NE(StartOptionsUsage().find("--backoffice URL"), std::string::npos);
}

TEST(StartOptions, KeepsEveryArgumentForARestart) {
    const std::vector<std::string> args{"--simulator", "--maker", "http://m.example/a b",
                                        "--webEngineArgs", "--no-sandbox"};
    const StartOptions options = Parse(args);
    EXPECT_EQ(options.error, "");
    EXPECT_EQ(options.restartArguments, args);
    EXPECT_FALSE(options.help);
    EXPECT_TRUE(Parse({"--help"}).help);
    EXPECT_TRUE(Parse({}).restartArguments.empty());
}

} // namespace
} // namespace dalmiro
