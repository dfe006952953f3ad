#include "startup/announcement.h"

#include "util/gbk_find.h"
#include "util/numbers.h"

namespace dalmiro {
namespace {

// Each entry is searched from the start of the page, ignoring ASCII case; the value starts after
// the left marker and ends before the right marker (or at the end of the page).
Text Entry(std::string_view page, std::string_view anchorUtf8, std::string_view leftMarker) {
    int position = 1;
    return ExtractBetween(page, position, Gbk(anchorUtf8), leftMarker, "]", true, false);
}

} // namespace

Announcement ParseAnnouncement(std::string_view pageGbk) {
    Announcement announcement;
    announcement.newVersion = Entry(pageGbk, "新版本号=", "V");
    announcement.updateAddress = Entry(pageGbk, "更新地址", "=");
    announcement.text = Entry(pageGbk, "公告内容", "=");
    announcement.link = Entry(pageGbk, "公告链接", "=");
    return announcement;
}

double VersionFromTitle(std::string_view titleGbk) {
    const int v = FindText(titleGbk, "v", 1, true);
    if (v < 0)
        return 0;
    const int end = FindText(titleGbk, "----", v + 1);
    const size_t from = static_cast<size_t>(v); // the byte after the V, 0-based
    const size_t length = end < 0 ? std::string_view::npos : static_cast<size_t>(end - v - 1);
    return TextToNumber(titleGbk.substr(from, length));
}

bool IsNewerVersion(std::string_view announcedVersion, double currentVersion) {
    return GreaterThan(TextToNumber(announcedVersion), currentVersion);
}

} // namespace dalmiro
