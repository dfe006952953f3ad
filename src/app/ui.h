#pragma once
// The control operations. Handlers never touch widgets: they read and write controls through this
// interface, addressing every control by its window and its name (both windows own a
// `超级列表框1`). Texts crossing the interface are GBK (`Text`); control names and menu
// captions are identifiers, written as the UTF-8 literals of the layout tables.
//
// Two implementations: gui/ on Qt widgets, and tests/support's in-memory one. An operation called
// from a thread other than the interface thread runs on the interface thread and is waited for.
// A control of a closed window reads as empty (0, -1, "") and ignores writes.
#include "app/window_id.h"
#include "util/text.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dalmiro {

enum class MessageButtons { Ok, OkCancel, YesNo };
enum class MessageIcon { None, Information, Warning, Error, Question };
enum class MessageAnswer { Ok, Cancel, Yes, No };

enum class FileDialogMode { Open, Save };
struct FileDialogRequest {
    WindowId window = WindowId::Main;
    std::string_view control;  // the file-dialog component, e.g. `通用对话框1`
    FileDialogMode mode = FileDialogMode::Open;
    Text title;                // GBK
    Text filter;               // GBK, "描述|*.txt|所有文件|*.*" pairs separated by '|'
    Text defaultFileName;      // GBK
};

// Events a control or menu item reports; see app/bindings.h for which handler each one runs.
enum class EventKind {
    Created,            // a window was created (before it is shown)
    TabChanged,         // the current tab of a tab control changed
    Clicked,            // a button was clicked
    LeftMouseDown,      // the left mouse button was pressed on a picture box
    ItemRightClicked,   // a list item was right-clicked
    HeaderClicked,      // a list column header was clicked (args.column)
    DoubleClicked,      // a list was double-clicked (args.row)
    MenuSelected,       // a menu item was selected (source = its caption)
};

struct EventArgs {
    int row = -1;
    int column = -1;
};

class Ui {
public:
    virtual ~Ui() = default;

    // Where the implementation reports events (installed by the application at start-up).
    using EventSink =
        std::function<void(WindowId, std::string_view source, EventKind, const EventArgs&)>;
    virtual void SetEventSink(EventSink sink) = 0;

    // Edit boxes, labels, hyperlink labels, buttons, group boxes: the text or caption.
    virtual Text GetText(WindowId window, std::string_view control) = 0;
    virtual void SetText(WindowId window, std::string_view control, const Text& text) = 0;
    // Hyperlink labels: the address opened when clicked.
    virtual void SetLink(WindowId window, std::string_view control, const std::string& url) = 0;
    virtual std::string GetLink(WindowId window, std::string_view control) = 0;

    // Radio buttons.
    virtual bool IsChecked(WindowId window, std::string_view control) = 0;
    virtual void SetChecked(WindowId window, std::string_view control, bool checked) = 0;

    // Combo boxes. Indexes are 0-based; -1 means nothing selected.
    virtual int ComboSelectedIndex(WindowId window, std::string_view control) = 0;
    virtual void SetComboSelectedIndex(WindowId window, std::string_view control, int index) = 0;
    virtual Text ComboItemText(WindowId window, std::string_view control, int index) = 0;
    virtual int ComboItemCount(WindowId window, std::string_view control) = 0;
    virtual void ComboClear(WindowId window, std::string_view control) = 0;
    virtual void ComboInsertItem(WindowId window, std::string_view control, int index,
                                 const Text& text) = 0;

    // List views in report view. Rows and columns are 0-based; -1 means none selected.
    virtual int ListSelectedRow(WindowId window, std::string_view control) = 0;
    virtual std::vector<int> ListSelectedRows(WindowId window, std::string_view control) = 0;
    virtual void SetListSelectedRow(WindowId window, std::string_view control, int row) = 0;
    virtual int ListRowCount(WindowId window, std::string_view control) = 0;
    virtual Text ListCellText(WindowId window, std::string_view control, int row, int column) = 0;
    virtual void SetListCellText(WindowId window, std::string_view control, int row, int column,
                                 const Text& text) = 0;
    // Appends an empty row and returns its index (-1 when the window is closed).
    virtual int ListAppendRow(WindowId window, std::string_view control) = 0;
    virtual void ListDeleteRow(WindowId window, std::string_view control, int row) = 0;
    virtual void ListClear(WindowId window, std::string_view control) = 0;
    virtual int ListColumnCount(WindowId window, std::string_view control) = 0;
    virtual Text ListColumnTitle(WindowId window, std::string_view control, int column) = 0;
    virtual int ListColumnWidth(WindowId window, std::string_view control, int column) = 0;

    // Picture boxes: the picture from image bytes (empty or undecodable bytes clear it), and
    // whether it is scaled to fit.
    virtual void SetPicture(WindowId window, std::string_view control, const Bytes& image) = 0;
    virtual void SetPictureScaled(WindowId window, std::string_view control, bool scaled) = 0;

    // Progress bars.
    virtual void SetProgressMaximum(WindowId window, std::string_view control, int maximum) = 0;
    virtual int ProgressMaximum(WindowId window, std::string_view control) = 0;
    virtual void SetProgressPosition(WindowId window, std::string_view control, int position) = 0;
    virtual int ProgressPosition(WindowId window, std::string_view control) = 0;

    // Windows. OpenWindow creates the window (reporting its Created event) when it is not open,
    // and brings it to the front; CloseWindow closes it (closing MainWindow ends the program).
    virtual void OpenWindow(WindowId window) = 0;
    virtual void CloseWindow(WindowId window) = 0;
    virtual bool IsWindowOpen(WindowId window) = 0;
    virtual void ShowWindow(WindowId window, bool visible) = 0;
    virtual bool IsWindowVisible(WindowId window) = 0;
    virtual void EnableWindow(WindowId window, bool enabled) = 0;
    virtual bool IsWindowEnabled(WindowId window) = 0;
    virtual Text WindowTitle(WindowId window) = 0;

    // Browser views: load an address.
    virtual void LoadUrl(WindowId window, std::string_view control, const std::string& url) = 0;

    // Pops up a hidden top-level menu (by caption) at the mouse position.
    virtual void PopupMenu(WindowId window, std::string_view menuCaption) = 0;
    // Shows a balloon tip component's text at the mouse position.
    virtual void ShowBalloonTip(WindowId window, std::string_view control, const Text& text) = 0;

    // Message box; `owner` empty means no owner window.
    virtual MessageAnswer ShowMessage(const Text& text, const Text& caption, MessageButtons buttons,
                                      MessageIcon icon, std::optional<WindowId> owner) = 0;
    // A one-line input (for instance a new bid); empty when cancelled.
    virtual std::optional<Text> AskText(WindowId owner, const Text& prompt, const Text& caption,
                                        const Text& initial) = 0;
    // File dialogs; the chosen path (local file-system encoding), empty when cancelled.
    virtual std::optional<std::string> AskFileName(const FileDialogRequest& request) = 0;

    virtual void SetClipboardText(const Text& text) = 0;
    virtual Text ClipboardText() = 0;

    // Plays the program's alert sound once without waiting (silent without an audio device).
    virtual void PlayAlert() = 0;
    // Opens an address in the user's default web browser.
    virtual void OpenAddress(const std::string& url) = 0;
    // Gives every window the numbered skin; a number without a skin applies none.
    virtual void ApplySkin(int number) = 0;

    // Lets queued window events run, then returns. Does nothing on other threads.
    virtual void ProcessPendingEvents() = 0;
};

} // namespace dalmiro
