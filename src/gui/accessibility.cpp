#include "gui/accessibility.h"

namespace dalmiro {
namespace {

bool NamedByLabel(ControlKind kind) {
    return kind == ControlKind::EditBox || kind == ControlKind::ComboBox ||
           kind == ControlKind::ListView;
}

bool IsLabel(ControlKind kind) {
    return kind == ControlKind::Label || kind == ControlKind::TransparentLabel;
}

// The label right before `control` in the layout, on the same parent and page.
const ControlSpec* LabelBefore(const WindowSpec& window, const ControlSpec& control) {
    const ControlSpec* previous = nullptr;
    for (const ControlSpec& candidate : window.controls) {
        if (&candidate == &control)
            break;
        if (candidate.parent == control.parent && candidate.tab == control.tab)
            previous = &candidate;
    }
    return previous != nullptr && IsLabel(previous->kind) && !previous->caption.empty() ? previous
                                                                                        : nullptr;
}

} // namespace

std::string_view AccessibleNameOf(const WindowSpec& window, const ControlSpec& control) {
    if (NamedByLabel(control.kind)) {
        if (const ControlSpec* label = LabelBefore(window, control))
            return label->caption;
        return control.name;
    }
    return control.caption.empty() ? control.name : control.caption;
}

} // namespace dalmiro
