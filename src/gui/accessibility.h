#pragma once
// What a screen reader says for a control: its caption; for an edit box, combo box or list the
// text of the label placed right before it in the layout (`组合框_推广计划` is read as
// "推广计划："); else its control name. The control name itself is the accessible description,
// so assistive technology and UI drivers can find every control by name.
#include "app/layout.h"

#include <string_view>

namespace dalmiro {

std::string_view AccessibleNameOf(const WindowSpec& window, const ControlSpec& control);

} // namespace dalmiro
