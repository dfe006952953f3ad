#pragma once
// Text crosses the widget boundary here and only here: the core speaks GBK (`Text`), widgets speak
// QString. Control names and menu captions are the layout tables' UTF-8 literals.
#include "util/text.h"

#include <QString>

#include <string_view>

namespace dalmiro {

QString FromGbk(const Text& gbk);
Text ToGbk(const QString& text);
QString FromUtf8(std::string_view utf8);

// Multi-line edit boxes keep CR LF line ends in the core, as a Windows edit box does; Qt's text
// widgets use LF.
QString FromGbkLines(const Text& gbk);
Text ToGbkLines(const QString& text);

} // namespace dalmiro
