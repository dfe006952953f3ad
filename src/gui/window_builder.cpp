#include "gui/window_builder.h"

#include "gui/accessibility.h"
#include "gui/artwork.h"
#include "gui/browser_view.h"
#include "gui/gui_text.h"
#include "gui/hyperlink_label.h"
#include "gui/list_view.h"
#include "gui/picture_box.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <algorithm>

namespace dalmiro {
namespace {

// Widgets are owned by their Qt parent; the window's top widget owns them all.
template <typename Widget, typename... Args> Widget* MakeChild(Args&&... args) {
    return new Widget(std::forward<Args>(args)...);
}

bool HasChildOfKind(const WindowSpec& window, std::string_view parent, ControlKind kind) {
    for (const ControlSpec& control : window.controls) {
        if (control.parent == parent && control.kind == kind)
            return true;
    }
    return false;
}

QWidget* MakeTransparentLabel(QWidget* parent, const ControlSpec& spec) {
    auto* label = MakeChild<QLabel>(FromUtf8(spec.caption), parent);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setAutoFillBackground(false);
    QFont font = label->font();
    font.setPixelSize(std::max(12, spec.geometry.height * 11 / 20));
    font.setBold(true);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("background: transparent; color: white;"));
    return label;
}

QWidget* MakeControl(QWidget* parent, const WindowSpec& window, const ControlSpec& spec,
                     const ProfileSource& profile) {
    const QString caption = FromUtf8(spec.caption);
    switch (spec.kind) {
    case ControlKind::TabControl: {
        auto* tabs = MakeChild<QTabWidget>(parent);
        for (std::string_view title : spec.items) {
            auto* page = MakeChild<QWidget>();
            page->setObjectName(FromUtf8(title));
            page->setAccessibleName(FromUtf8(title));
            tabs->addTab(page, FromUtf8(title));
        }
        return tabs;
    }
    case ControlKind::Button:
        return MakeChild<QPushButton>(caption, parent);
    case ControlKind::EditBox:
        if (spec.multiline) {
            auto* edit = MakeChild<QPlainTextEdit>(parent);
            edit->setPlainText(caption);
            return edit;
        }
        return MakeChild<QLineEdit>(caption, parent);
    case ControlKind::ComboBox: {
        auto* combo = MakeChild<QComboBox>(parent);
        for (std::string_view item : spec.items)
            combo->addItem(FromUtf8(item));
        combo->setCurrentIndex(-1); // nothing is selected until the user chooses
        return combo;
    }
    case ControlKind::Label:
        return MakeChild<QLabel>(caption, parent);
    case ControlKind::TransparentLabel:
        return MakeTransparentLabel(parent, spec);
    case ControlKind::Hyperlink: {
        auto* link = MakeChild<HyperlinkLabel>(parent);
        link->SetCaption(caption);
        return link;
    }
    case ControlKind::PictureBox: {
        auto* picture = MakeChild<PictureBox>(parent);
        if (HasChildOfKind(window, spec.name, ControlKind::TransparentLabel)) {
            picture->SetPixmap(BannerPixmap(QSize(spec.geometry.width, spec.geometry.height)));
        }
        return picture;
    }
    case ControlKind::GroupBox:
        return MakeChild<QGroupBox>(caption, parent);
    case ControlKind::ShapeBox: {
        auto* frame = MakeChild<QFrame>(parent);
        frame->setFrameShape(QFrame::Box);
        frame->setFrameShadow(QFrame::Plain);
        return frame;
    }
    case ControlKind::ProgressBar: {
        auto* bar = MakeChild<QProgressBar>(parent);
        bar->setRange(0, 100);
        bar->setValue(0);
        bar->setTextVisible(false);
        return bar;
    }
    case ControlKind::RadioButton: {
        auto* radio = MakeChild<QRadioButton>(caption, parent);
        radio->setChecked(spec.checked);
        return radio;
    }
    case ControlKind::ListView:
        return MakeChild<ListView>(parent, spec.columns);
    case ControlKind::BrowserView:
        return MakeChild<BrowserBox>(parent, profile);
    case ControlKind::BalloonTip:
    case ControlKind::FileDialog:
        break;
    }
    return nullptr;
}

// Reports the events a control of this kind can have. Every control reports; the binding table
// decides which ones run a handler.
void WireEvents(QWidget* widget, const ControlSpec& spec, const EventReport& report) {
    const std::string_view name = spec.name;
    switch (spec.kind) {
    case ControlKind::TabControl:
        QObject::connect(static_cast<QTabWidget*>(widget), &QTabWidget::currentChanged, widget,
                         [report, name](int index) {
                             report(name, EventKind::TabChanged, EventArgs{.row = index});
                         });
        break;
    case ControlKind::Button:
        QObject::connect(static_cast<QPushButton*>(widget), &QPushButton::clicked, widget,
                         [report, name] { report(name, EventKind::Clicked, {}); });
        break;
    case ControlKind::PictureBox:
        QObject::connect(static_cast<PictureBox*>(widget), &PictureBox::leftPressed, widget,
                         [report, name] { report(name, EventKind::LeftMouseDown, {}); });
        break;
    case ControlKind::ListView: {
        auto* list = static_cast<ListView*>(widget);
        QObject::connect(list, &ListView::rightClicked, list, [report, name](int row) {
            report(name, EventKind::ItemRightClicked, EventArgs{.row = row});
        });
        QObject::connect(list, &ListView::doubleClickedAt, list, [report, name](int row) {
            report(name, EventKind::DoubleClicked, EventArgs{.row = row});
        });
        QObject::connect(list->horizontalHeader(), &QHeaderView::sectionClicked, list,
                         [report, name](int column) {
                             report(name, EventKind::HeaderClicked, EventArgs{.column = column});
                         });
        break;
    }
    default:
        break;
    }
}

void AddMenuItems(QMenu* menu, std::span<const MenuSpec> items, BuiltWindow& built,
                  const EventReport& report) {
    for (const MenuSpec& item : items) {
        const QString caption = FromUtf8(item.caption);
        if (item.children.empty()) {
            QAction* action = menu->addAction(caption);
            action->setObjectName(caption);
            const std::string_view source = item.caption;
            QObject::connect(action, &QAction::triggered, menu,
                             [report, source] { report(source, EventKind::MenuSelected, {}); });
            built.actions.emplace(std::string(item.caption), action);
            continue;
        }
        QMenu* submenu = menu->addMenu(caption);
        submenu->setObjectName(caption);
        submenu->setAccessibleName(caption);
        built.menus.emplace(std::string(item.caption), submenu);
        AddMenuItems(submenu, item.children, built, report);
    }
}

bool InBar(const WindowSpec& spec, std::string_view caption) {
    for (std::string_view bar : spec.barMenus) {
        if (bar == caption)
            return true;
    }
    return false;
}

void BuildMenus(const WindowSpec& spec, QMainWindow* mainWindow, BuiltWindow& built,
                const EventReport& report) {
    for (const MenuSpec& top : spec.menus) {
        const QString caption = FromUtf8(top.caption);
        QMenu* menu = nullptr;
        if (mainWindow != nullptr && InBar(spec, top.caption)) {
            menu = mainWindow->menuBar()->addMenu(caption);
        } else {
            // A hidden top-level menu: it only ever shows as a popup.
            menu = MakeChild<QMenu>(caption, built.top.get());
        }
        menu->setObjectName(caption);
        menu->setAccessibleName(caption);
        built.menus.emplace(std::string(top.caption), menu);
        AddMenuItems(menu, top.children, built, report);
    }
}

} // namespace

QWidget* BuiltWindow::Widget(std::string_view name) const {
    auto found = controls.find(name);
    return found == controls.end() ? nullptr : found->second.widget.data();
}

const ControlSpec* BuiltWindow::Spec(std::string_view name) const {
    auto found = controls.find(name);
    return found == controls.end() ? nullptr : found->second.spec;
}

BuiltWindow BuildWindow(const WindowSpec& spec, const ProfileSource& profile,
                        const EventReport& report) {
    BuiltWindow built;
    built.spec = &spec;
    QWidget* client = nullptr;
    QMainWindow* mainWindow = nullptr;
    if (!spec.barMenus.empty()) {
        auto window = std::make_unique<QMainWindow>();
        mainWindow = window.get();
        client = MakeChild<QWidget>();
        client->setObjectName(QStringLiteral("client"));
        window->setCentralWidget(client);
        built.top = std::move(window);
    } else {
        built.top = std::make_unique<QWidget>();
        client = built.top.get();
    }
    QWidget* top = built.top.get();
    top->setObjectName(FromUtf8(WindowName(spec.id)));
    top->setWindowTitle(FromUtf8(spec.caption));
    top->setAccessibleName(FromUtf8(spec.caption));
    top->setAccessibleDescription(FromUtf8(WindowName(spec.id)));
    top->setWindowIcon(ProgramIcon());
    top->setGeometry(spec.geometry.left, spec.geometry.top, spec.geometry.width,
                     spec.geometry.height);
    top->setFixedSize(spec.geometry.width, spec.geometry.height);

    for (const ControlSpec& control : spec.controls) {
        QWidget* parent = client;
        if (!control.parent.empty()) {
            if (QWidget* named = built.Widget(control.parent)) {
                auto* tabs = qobject_cast<QTabWidget*>(named);
                parent = tabs != nullptr && control.tab >= 0 ? tabs->widget(control.tab) : named;
                if (parent == nullptr)
                    parent = client;
            }
        }
        QWidget* widget = MakeControl(parent, spec, control, profile);
        built.controls.emplace(std::string(control.name), BuiltControl{&control, widget});
        if (widget == nullptr)
            continue;
        widget->setObjectName(FromUtf8(control.name));
        widget->setGeometry(control.geometry.left, control.geometry.top, control.geometry.width,
                            control.geometry.height);
        widget->setAccessibleName(FromUtf8(AccessibleNameOf(spec, control)));
        widget->setAccessibleDescription(FromUtf8(control.name));
    }
    // Wired only once everything exists, so building reports nothing (adding the first tab, for
    // one, changes the current tab).
    for (const auto& [name, control] : built.controls) {
        if (control.widget != nullptr)
            WireEvents(control.widget, *control.spec, report);
    }
    BuildMenus(spec, mainWindow, built, report);
    return built;
}

} // namespace dalmiro
