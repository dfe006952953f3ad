#pragma once
// The program's own pictures, drawn in code: the window icon and the banner behind the
// transparent labels of the second tab.
#include <QIcon>
#include <QPixmap>
#include <QSize>

namespace dalmiro {

QIcon ProgramIcon();
QPixmap BannerPixmap(QSize size);

} // namespace dalmiro
