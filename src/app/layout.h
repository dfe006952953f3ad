#pragma once
// The windows' controls, list columns and menus as data. Both Ui implementations build their
// windows from these tables; the tables themselves live in main_window_layout.cpp and
// analysis_window_layout.cpp.
#include "app/window_id.h"

#include <span>
#include <string_view>

namespace dalmiro {

enum class ControlKind {
    TabControl,
    Button,
    EditBox,
    ComboBox,
    Label,
    TransparentLabel, // drawn over a picture
    Hyperlink,
    PictureBox,
    GroupBox,
    ShapeBox, // a clipping frame
    ProgressBar,
    RadioButton,
    ListView, // report view with column headers
    BrowserView,
    BalloonTip, // invisible component
    FileDialog, // invisible component
};

struct Geometry {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct ColumnSpec {
    std::string_view title;
    int width = 0;
};

struct ControlSpec {
    std::string_view name;
    ControlKind kind = ControlKind::Label;
    // The parent control's name; empty for the window itself. Controls on a tab page name the
    // tab control and give the 0-based page in `tab`; controls inside a frame or picture name
    // that control and keep tab -1 (they are on their parent's page). Geometry is relative to
    // the parent; invisible components (balloon tips, file dialogs) have none.
    std::string_view parent;
    int tab = -1;
    Geometry geometry;
    std::string_view caption;                // caption or initial text
    std::span<const std::string_view> items; // tab titles or combo-box items
    std::span<const ColumnSpec> columns;     // list-view columns
    bool checked = false;                    // radio buttons
    bool multiline = false;                  // edit boxes
};

struct MenuSpec {
    std::string_view caption;
    std::span<const MenuSpec> children; // empty for a command item
};

struct WindowSpec {
    WindowId id = WindowId::Main;
    std::string_view caption;
    Geometry geometry;
    std::span<const ControlSpec> controls;
    // Top-level menus. Those named in `barMenus` show in the menu bar; the others are hidden and
    // serve as popup menus.
    std::span<const MenuSpec> menus;
    std::span<const std::string_view> barMenus;
};

// The caption of MainWindow's `超级链接框1` before the maker's web address, which start-up
// appends from the hosts in use.
inline constexpr std::string_view kWebsiteLinkPrefix = "Dalmiro软件官网：";

const WindowSpec& MainWindowLayout();
const WindowSpec& AnalysisWindowLayout();
const WindowSpec& LayoutOf(WindowId window);

// The control of that name in the window's layout, or nullptr.
const ControlSpec* FindControl(WindowId window, std::string_view name);
// The menu or menu item of that caption anywhere in the window's menus (depth first), or nullptr.
const MenuSpec* FindMenu(WindowId window, std::string_view caption);
// Whether the caption names a top-level menu that is not in the menu bar (a popup menu).
bool IsPopupMenu(WindowId window, std::string_view caption);

} // namespace dalmiro
