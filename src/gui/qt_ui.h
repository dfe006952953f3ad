#pragma once
// The control operations on real Qt widgets. Both windows are built from app's layout tables;
// every operation addresses a control by window and name, runs on the interface thread (a call
// from a worker is carried over and waited for) and converts between the core's GBK text and
// QString at this boundary. A control of a closed window reads as empty and ignores writes.
#include "app/ui.h"
#include "gui/window_builder.h"

#include <QObject>

#include <functional>
#include <memory>
#include <optional>

class QWebEngineProfile;
class QWebEngineView;

namespace dalmiro {

class AlertSound;
class CookieBridge;

class QtUi final : public Ui {
  public:
    // Needs a QApplication. Installs itself as the program's event pump (util's PumpEvents).
    QtUi();
    ~QtUi() override;
    QtUi(const QtUi&) = delete;
    QtUi& operator=(const QtUi&) = delete;

    void SetEventSink(EventSink sink) override;

    // Called after a window was closed by the user or by CloseWindow (MainWindow: the program
    // ends; the application sets its stop flag and quits the event loop).
    void SetWindowClosedHandler(std::function<void(WindowId)> handler);
    // How addresses are opened (default: the desktop's web browser). Tests replace it.
    void SetAddressOpener(std::function<void(const std::string&)> opener);

    // The widgets themselves, for tests and tools; null when the window is closed.
    QWidget* WindowWidget(WindowId window) const;
    QWidget* ControlWidget(WindowId window, std::string_view control) const;
    QMenu* Menu(WindowId window, std::string_view caption) const;
    QAction* MenuAction(WindowId window, std::string_view caption) const;
    // The profile of the browser views, made with the first view (or now).
    QWebEngineProfile* BrowserProfile();

    Text GetText(WindowId window, std::string_view control) override;
    void SetText(WindowId window, std::string_view control, const Text& text) override;
    void SetLink(WindowId window, std::string_view control, const std::string& url) override;
    std::string GetLink(WindowId window, std::string_view control) override;

    bool IsChecked(WindowId window, std::string_view control) override;
    void SetChecked(WindowId window, std::string_view control, bool checked) override;

    int ComboSelectedIndex(WindowId window, std::string_view control) override;
    void SetComboSelectedIndex(WindowId window, std::string_view control, int index) override;
    Text ComboItemText(WindowId window, std::string_view control, int index) override;
    int ComboItemCount(WindowId window, std::string_view control) override;
    void ComboClear(WindowId window, std::string_view control) override;
    void ComboInsertItem(WindowId window, std::string_view control, int index,
                         const Text& text) override;

    int ListSelectedRow(WindowId window, std::string_view control) override;
    std::vector<int> ListSelectedRows(WindowId window, std::string_view control) override;
    void SetListSelectedRow(WindowId window, std::string_view control, int row) override;
    int ListRowCount(WindowId window, std::string_view control) override;
    Text ListCellText(WindowId window, std::string_view control, int row, int column) override;
    void SetListCellText(WindowId window, std::string_view control, int row, int column,
                         const Text& text) override;
    int ListAppendRow(WindowId window, std::string_view control) override;
    void ListDeleteRow(WindowId window, std::string_view control, int row) override;
    void ListClear(WindowId window, std::string_view control) override;
    int ListColumnCount(WindowId window, std::string_view control) override;
    Text ListColumnTitle(WindowId window, std::string_view control, int column) override;
    int ListColumnWidth(WindowId window, std::string_view control, int column) override;

    void SetPicture(WindowId window, std::string_view control, const Bytes& image) override;
    void SetPictureScaled(WindowId window, std::string_view control, bool scaled) override;

    void SetProgressMaximum(WindowId window, std::string_view control, int maximum) override;
    int ProgressMaximum(WindowId window, std::string_view control) override;
    void SetProgressPosition(WindowId window, std::string_view control, int position) override;
    int ProgressPosition(WindowId window, std::string_view control) override;

    void OpenWindow(WindowId window) override;
    void CloseWindow(WindowId window) override;
    bool IsWindowOpen(WindowId window) override;
    void ShowWindow(WindowId window, bool visible) override;
    bool IsWindowVisible(WindowId window) override;
    void EnableWindow(WindowId window, bool enabled) override;
    bool IsWindowEnabled(WindowId window) override;
    Text WindowTitle(WindowId window) override;

    void LoadUrl(WindowId window, std::string_view control, const std::string& url) override;

    void PopupMenu(WindowId window, std::string_view menuCaption) override;
    void ShowBalloonTip(WindowId window, std::string_view control, const Text& text) override;

    MessageAnswer ShowMessage(const Text& text, const Text& caption, MessageButtons buttons,
                              MessageIcon icon, std::optional<WindowId> owner) override;
    std::optional<Text> AskText(WindowId owner, const Text& prompt, const Text& caption,
                                const Text& initial) override;
    std::optional<std::string> AskFileName(const FileDialogRequest& request) override;

    void SetClipboardText(const Text& text) override;
    Text ClipboardText() override;

    void PlayAlert() override;
    void OpenAddress(const std::string& url) override;
    void ApplySkin(int number) override;

    void ProcessPendingEvents() override;

  private:
    class WindowWatcher;

    std::optional<BuiltWindow>& Slot(WindowId window); // where the window lives while open
    BuiltWindow* Window(WindowId window);
    const BuiltWindow* Window(WindowId window) const;
    template <typename Widget> Widget* Find(WindowId window, std::string_view control) const;
    void Report(WindowId window, std::string_view source, EventKind kind, const EventArgs& args);
    // Takes a window out of service: its controls read empty from now on, and its widgets go
    // once the events in progress have returned.
    void Retire(WindowId window);
    void ReleaseRetired();
    QWebEngineProfile* Profile();
    void CloseAndNotify(WindowId window);

    // Declared first so that it is destroyed last: every page built on it goes with the windows.
    std::unique_ptr<QWebEngineProfile> profile_;
    std::unique_ptr<QObject> context_; // lives on the interface thread; target of queued calls
    std::unique_ptr<CookieBridge> cookieBridge_;
    std::unique_ptr<AlertSound> alert_;
    std::optional<BuiltWindow> main_;
    std::optional<BuiltWindow> analysis_;
    std::unique_ptr<WindowWatcher> watcher_;
    // Closed windows whose widgets may still have a handler of theirs on the stack; they are
    // handed to Qt's deferred deletion once no handler runs.
    std::vector<std::unique_ptr<QWidget>> retired_;
    int handlerDepth_ = 0;
    EventSink sink_;
    std::function<void(WindowId)> closedHandler_;
    std::function<void(const std::string&)> addressOpener_;
};

template <typename Widget> Widget* QtUi::Find(WindowId window, std::string_view control) const {
    const BuiltWindow* built = Window(window);
    return built == nullptr ? nullptr : qobject_cast<Widget*>(built->Widget(control));
}

} // namespace dalmiro
