#include "app/layout.h"

namespace dalmiro {
namespace {

const MenuSpec* FindIn(std::span<const MenuSpec> menus, std::string_view caption) {
    for (const MenuSpec& menu : menus) {
        if (menu.caption == caption)
            return &menu;
        if (const MenuSpec* found = FindIn(menu.children, caption))
            return found;
    }
    return nullptr;
}

} // namespace

const WindowSpec& LayoutOf(WindowId window) {
    return window == WindowId::Analysis ? AnalysisWindowLayout() : MainWindowLayout();
}

const ControlSpec* FindControl(WindowId window, std::string_view name) {
    for (const ControlSpec& control : LayoutOf(window).controls) {
        if (control.name == name)
            return &control;
    }
    return nullptr;
}

const MenuSpec* FindMenu(WindowId window, std::string_view caption) {
    return FindIn(LayoutOf(window).menus, caption);
}

bool IsPopupMenu(WindowId window, std::string_view caption) {
    const WindowSpec& layout = LayoutOf(window);
    for (const MenuSpec& menu : layout.menus) {
        if (menu.caption != caption)
            continue;
        for (std::string_view bar : layout.barMenus) {
            if (bar == caption)
                return false;
        }
        return true;
    }
    return false;
}

} // namespace dalmiro
