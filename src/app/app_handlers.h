#pragma once
// The shell's own commands of MainWindow: the maker's web site, the contact picture and the
// restart.
#include "app/context.h"

namespace dalmiro {

// Menu "Dalmiro官网": opens the maker's web address in the default browser.
void OnWebsiteMenu(AppContext& context, const EventArgs& args);
// Left mouse button on `图片框2`: opens the maker's contact address in the default browser.
void OnContactPictureClicked(AppContext& context, const EventArgs& args);
// Menu "程序重启": restarts the program after one second (see app/restart.h).
void OnRestartMenu(AppContext& context, const EventArgs& args);

} // namespace dalmiro
