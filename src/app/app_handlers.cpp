#include "app/app_handlers.h"

#include "app/restart.h"

namespace dalmiro {

void OnWebsiteMenu(AppContext& context, const EventArgs&) {
    context.ui.OpenAddress(context.hosts.WebsiteUrl());
}

void OnContactPictureClicked(AppContext& context, const EventArgs&) {
    context.ui.OpenAddress(context.hosts.ContactUrl());
}

void OnRestartMenu(AppContext& context, const EventArgs&) {
    // On success the process has ended here; otherwise the merchant keeps the running program
    // and learns why nothing happened.
    if (!RestartProgram(context.state))
        context.ui.ShowMessage(Gbk("程序重启失败：无法启动重启脚本，请手动重新打开程序。"),
                               Gbk("信息："), MessageButtons::Ok, MessageIcon::Warning,
                               WindowId::Main);
}

} // namespace dalmiro
