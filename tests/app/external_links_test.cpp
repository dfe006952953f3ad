#include "support/app_harness.h"

#include <gtest/gtest.h>

namespace dalmiro {
namespace {

TEST(ExternalLinks, OpenTheMakersAddressesOfTheHostsInUse) {
    struct Case {
        std::string_view source;
        EventKind event;
        std::string address;
    };
    const Hosts hosts = HostsAt("http://127.0.0.1:5000");
    const Case cases[] = {
        {"Dalmiro官网", EventKind::MenuSelected, "http://127.0.0.1:5000/maker/"},
        {"图片框2", EventKind::LeftMouseDown, "http://127.0.0.1:5000/maker/contact.htm"},
    };
    for (const Case& c : cases) {
        test::AppHarness app(hosts);
        EXPECT_TRUE(app.ui.Fire(WindowId::Main, c.source, c.event));
        EXPECT_EQ(app.ui.OpenedAddresses(), std::vector<std::string>{c.address}) << c.source;
    }
}

} // namespace
} // namespace dalmiro
