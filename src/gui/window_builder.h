#pragma once
// Builds one of the program's windows from its layout table: every control at its place as a
// child of its parent (window, tab page, frame or picture), the menu bar and the hidden popup
// menus, accessible names, and the wiring that reports each control's events.
#include "app/layout.h"
#include "app/ui.h"

#include <QAction>
#include <QMenu>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <map>
#include <memory>
#include <string>

class QWebEngineProfile;

namespace dalmiro {

struct BuiltControl {
    const ControlSpec* spec = nullptr;
    QPointer<QWidget> widget; // null for the invisible components (balloon tips, file dialogs)
};

struct BuiltWindow {
    const WindowSpec* spec = nullptr;
    std::unique_ptr<QWidget> top;
    std::map<std::string, BuiltControl, std::less<>> controls;
    // Every menu that has items (top-level and submenus), by caption.
    std::map<std::string, QPointer<QMenu>, std::less<>> menus;
    // Every command item, by caption.
    std::map<std::string, QPointer<QAction>, std::less<>> actions;

    QWidget* Widget(std::string_view name) const;
    const ControlSpec* Spec(std::string_view name) const;
};

// How a built window reports an event of one of its controls or menu items.
using EventReport = std::function<void(std::string_view source, EventKind, const EventArgs&)>;

// Gives the browser profile shared by every browser view, making it on first use.
using ProfileSource = std::function<QWebEngineProfile*()>;

// Builds the window, hidden. Events are reported through `report` from then on.
BuiltWindow BuildWindow(const WindowSpec& spec, const ProfileSource& profile,
                        const EventReport& report);

} // namespace dalmiro
