#include "gui/skin.h"

namespace dalmiro {
namespace {

// Skin 6, the one start-up applies: a calm light-blue look, the same for every window and
// control, with the list views' headers and selections in the same tone.
constexpr const char* kSkin6 = R"(
QMainWindow, QWidget#AnalysisWindow { background: #eef3f9; }
QWidget { font-size: 12px; color: #1f2d3d; }
QMenuBar { background: #dde7f3; border-bottom: 1px solid #b7c8dd; }
QMenuBar::item { padding: 3px 10px; background: transparent; }
QMenuBar::item:selected { background: #c3d6ee; }
QMenu { background: #fbfdff; border: 1px solid #9fb6d3; }
QMenu::item { padding: 4px 24px 4px 18px; }
QMenu::item:selected { background: #3a78c2; color: white; }
QTabWidget::pane { border: 1px solid #9fb6d3; background: #f7faff; top: -1px; }
QTabBar::tab { background: #dde7f3; border: 1px solid #9fb6d3; border-bottom: none;
    padding: 4px 14px; margin-right: 2px; border-top-left-radius: 4px;
    border-top-right-radius: 4px; }
QTabBar::tab:selected { background: #f7faff; font-weight: bold; }
QTabBar::tab:!selected:hover { background: #c9daf0; }
QPushButton { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fdfeff,
    stop:1 #d8e4f3); border: 1px solid #7f9cc2; border-radius: 3px; padding: 1px 1px; }
QPushButton:hover { background: #e6effa; }
QPushButton:pressed { background: #c3d6ee; }
QPushButton:disabled { color: #8a96a3; border-color: #b8c4d2; }
QLineEdit, QPlainTextEdit, QComboBox { background: white; border: 1px solid #9fb6d3;
    border-radius: 2px; selection-background-color: #3a78c2; }
QComboBox::drop-down { border-left: 1px solid #9fb6d3; width: 16px; }
QGroupBox { border: 1px solid #9fb6d3; border-radius: 3px; margin-top: 8px; }
QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 3px; color: #2c5d94; }
QTableWidget { background: white; gridline-color: #dbe4ef; alternate-background-color: #f3f7fc;
    selection-background-color: #3a78c2; selection-color: white; border: 1px solid #9fb6d3; }
QHeaderView::section { background: #dde7f3; border: none; border-right: 1px solid #b7c8dd;
    border-bottom: 1px solid #b7c8dd; padding: 2px 4px; }
QProgressBar { border: 1px solid #9fb6d3; border-radius: 2px; background: white; }
QProgressBar::chunk { background: #4a8ad4; }
)";

} // namespace

QString SkinStyleSheet(int number) {
    return number == 6 ? QString::fromUtf8(kSkin6) : QString();
}

} // namespace dalmiro
