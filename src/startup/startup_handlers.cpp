#include "startup/startup_handlers.h"

#include "app/layout.h"
#include "net/http.h"
#include "startup/announcement.h"

namespace dalmiro {
namespace {

constexpr WindowId kMain = WindowId::Main;
constexpr int kSkinNumber = 6;

// Offers the update; true when the merchant accepted it.
bool OfferUpdate(Ui& ui) {
    // The main window is still hidden, so the program has no visible window to own the box.
    return ui.ShowMessage(Gbk("检测已有新版本，是否要更新？"), Gbk("友情提醒"),
                          MessageButtons::OkCancel, MessageIcon::None,
                          std::nullopt) == MessageAnswer::Ok;
}

} // namespace

void OnMainWindowCreated(AppContext& context, const EventArgs&) {
    Ui& ui = context.ui;
    const Hosts& hosts = context.hosts;

    ui.ShowWindow(kMain, false);
    ui.EnableWindow(kMain, false);

    const Announcement announcement =
        ParseAnnouncement(Utf8ToGbk(HttpGet(hosts.AnnouncementUrl())));
    const double currentVersion = VersionFromTitle(ui.WindowTitle(kMain));
    if (IsNewerVersion(announcement.newVersion, currentVersion) && OfferUpdate(ui)) {
        ui.CloseWindow(kMain);
        // The page comes from the network: only a web address is handed to the browser, never
        // a local file or another program's scheme.
        const std::string address = GbkToUtf8(announcement.updateAddress);
        if (IsWebAddress(address))
            ui.OpenAddress(address);
        return;
    }

    ui.ShowWindow(kMain, true);
    ui.EnableWindow(kMain, true);
    ui.LoadUrl(kMain, "超文本浏览框1", hosts.SignInUrl());
    ui.LoadUrl(kMain, "超文本浏览框2", hosts.CounterUrl());

    // The web link names the maker's address in use; the caption is GBK text like every other.
    const std::string website = hosts.WebsiteUrl();
    ui.SetText(kMain, "超级链接框1", Gbk(kWebsiteLinkPrefix) + Utf8ToGbk(website));
    ui.SetLink(kMain, "超级链接框1", website);

    ui.SetText(kMain, "超级链接框3", announcement.text);
    const std::string link = GbkToUtf8(announcement.link);
    ui.SetLink(kMain, "超级链接框3", IsWebAddress(link) ? link : std::string());

    ui.ApplySkin(kSkinNumber);
    ui.SetPicture(kMain, "图片框2", HttpGet(hosts.StatusPictureUrl()));
    ClearStop(context.state);
    SetReportDates(context.state);
}

} // namespace dalmiro
