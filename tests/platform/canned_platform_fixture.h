#pragma once
// The platform fixture with every address pointed at a canned server instead: for replies the
// substitute back office never gives, and to see exactly which requests were sent.
#include "canned_server.h"
#include "platform_fixture.h"

namespace dalmiro::test {

class CannedPlatformTest : public PlatformTest {
  protected:
    CannedPlatformTest() { ctx.hosts = HostsAt(canned.BaseUrl()); }
    CannedServer canned;
};

} // namespace dalmiro::test
