#pragma once
// The maker's announcement page: entries written like [新版本号=V1.5] or [公告内容=some text]
// anywhere in the page, and the version comparison of the update check.
#include "util/text.h"

namespace dalmiro {

struct Announcement {
    Text newVersion;    // "1.6" of [新版本号=V1.6]
    Text updateAddress; // [更新地址=...]
    Text text;          // [公告内容=...]
    Text link;          // [公告链接=...]
};

// The four entries of the page (GBK); a missing entry is the empty text.
Announcement ParseAnnouncement(std::string_view pageGbk);
// The version in the main window's title: the number between its first "V" (either case) and
// the following "----"; 0 when there is none.
double VersionFromTitle(std::string_view titleGbk);
// Whether the announced version is newer than the running one by more than the tolerance. A
// version that is no number reads as 0.
bool IsNewerVersion(std::string_view announcedVersion, double currentVersion);

} // namespace dalmiro
