#pragma once
// The in-memory control operations for tests. Both windows are built from app's layout tables;
// texts are kept as GBK. Events reach the handlers only through Fire (or the window creation of
// OpenWindow), which calls the installed event sink. ProcessPendingEvents runs what a test has
// queued, so the nested-event behaviour of long runs is exact: "click 停止查询 at the third
// pump". Dialogs and message boxes answer from scripts and record what they showed. Every
// operation takes a mutex, so worker threads may use it too; callbacks run without the lock.
//
// Addressing a control that is not in its window's layout, or popping up a menu that is not a
// hidden top-level menu, is a fault of the caller and fails the running test.
#include "app/layout.h"
#include "app/ui.h"

#include <deque>
#include <map>
#include <mutex>
#include <thread>

namespace dalmiro::test {

struct ShownMessage {
    Text text;
    Text caption;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
    std::optional<WindowId> owner;
};

struct TextQuestion {
    WindowId owner = WindowId::Main;
    Text prompt;
    Text caption;
    Text initial;
};

struct FileQuestion {
    WindowId window = WindowId::Main;
    std::string control;
    FileDialogMode mode = FileDialogMode::Open;
    Text title;
    Text filter;
    Text defaultFileName;
};

struct BalloonTip {
    WindowId window = WindowId::Main;
    std::string control;
    Text text;
};

struct Popup {
    WindowId window = WindowId::Main;
    std::string menu;
};

struct LoadedUrl {
    WindowId window = WindowId::Main;
    std::string control;
    std::string url;
};

class MemoryUi : public Ui {
  public:
    // MainWindow starts open, visible and enabled with the layout's initial contents; its
    // Created event is not reported (fire it, or call the handler, when a test wants it).
    // AnalysisWindow starts closed. The constructing thread is the interface thread.
    MemoryUi();
    ~MemoryUi() override;

    // ---- test helpers ----

    // Reports an event through the sink, as a click or menu selection would. Nothing is
    // reported for a closed window. Returns whether the sink was called.
    bool Fire(WindowId window, std::string_view source, EventKind event,
              const EventArgs& args = {});
    // Selects a menu item of the window (Fire with MenuSelected).
    bool SelectMenu(WindowId window, std::string_view caption);
    // Makes the tab current and reports TabChanged when it changed.
    void SelectTab(WindowId window, std::string_view control, int tab);
    int CurrentTab(WindowId window, std::string_view control);
    // Selects exactly these rows of a list view.
    void SelectListRows(WindowId window, std::string_view control, const std::vector<int>& rows);
    // Appends a row with these cell texts (GBK); returns its index.
    int AddListRow(WindowId window, std::string_view control, const std::vector<Text>& cells);

    // Runs `action` during the `pump`-th ProcessPendingEvents call from now (1 = the next one).
    // Actions due at the same call run in the order they were queued.
    void QueueAfterEvents(int pump, std::function<void()> action);
    // Runs `action` at the next ProcessPendingEvents call.
    void Post(std::function<void()> action) { QueueAfterEvents(1, std::move(action)); }
    // Runs every queued action now, whatever its due call, in due order.
    void RunAllQueued();
    int PumpCount() const;
    int QueuedActionCount() const;

    // Scripted answers, used first-in first-out. Without a script: message boxes answer OK (or
    // Yes), text questions answer their initial text, file dialogs are cancelled.
    void ScriptMessageAnswer(MessageAnswer answer);
    void ScriptTextAnswer(std::optional<Text> answer);
    void ScriptFileAnswer(std::optional<std::string> path);

    // What was shown or done, in order.
    std::vector<ShownMessage> Messages() const;
    std::vector<TextQuestion> TextQuestions() const;
    std::vector<FileQuestion> FileQuestions() const;
    std::vector<BalloonTip> BalloonTips() const;
    std::vector<Popup> Popups() const;
    std::vector<LoadedUrl> LoadedUrls() const;
    std::vector<std::string> OpenedAddresses() const;
    std::vector<int> AppliedSkins() const;
    int AlertCount() const;
    // The last address loaded into a browser view (empty when none or the window is closed).
    std::string LoadedUrlOf(WindowId window, std::string_view control);
    Bytes Picture(WindowId window, std::string_view control);
    bool IsPictureScaled(WindowId window, std::string_view control);
    // All cells of a list view, row by row.
    std::vector<std::vector<Text>> ListRows(WindowId window, std::string_view control);
    // How many times a window was created (its Created event reported) by OpenWindow.
    int CreationCount(WindowId window) const;

    // ---- Ui ----
    void SetEventSink(EventSink sink) override;
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
    struct Column {
        Text title;
        int width = 0;
    };
    struct Control {
        ControlKind kind = ControlKind::Label;
        const ControlSpec* spec = nullptr;
        Text text;
        std::string link;
        bool checked = false;
        std::vector<Text> items;
        int selectedItem = -1;
        int currentTab = 0;
        std::vector<Column> columns;
        std::vector<std::vector<Text>> rows;
        std::vector<int> selectedRows; // ascending
        Bytes picture;
        bool scaled = false;
        int progressMaximum = 100;
        int progressPosition = 0;
        std::string url;
    };
    struct Window {
        bool open = false;
        bool visible = false;
        bool enabled = false;
        Text title;
        std::map<std::string, Control, std::less<>> controls;
    };

    Window& WindowOf(WindowId window);
    void Build(WindowId window); // fresh contents from the layout, open
    // The control of an open window; nullptr when the window is closed or the name is unknown
    // (the latter fails the test).
    Control* Find(WindowId window, std::string_view control);
    static void Report(const char* what, WindowId window, std::string_view name);

    mutable std::mutex mutex_;
    std::thread::id interfaceThread_;
    EventSink sink_;
    Window main_;
    Window analysis_;
    int creations_[2] = {0, 0};
    int pumps_ = 0;
    std::multimap<int, std::function<void()>> queued_; // due pump -> action, in queue order
    std::deque<MessageAnswer> messageAnswers_;
    std::deque<std::optional<Text>> textAnswers_;
    std::deque<std::optional<std::string>> fileAnswers_;
    std::vector<ShownMessage> messages_;
    std::vector<TextQuestion> textQuestions_;
    std::vector<FileQuestion> fileQuestions_;
    std::vector<BalloonTip> balloonTips_;
    std::vector<Popup> popups_;
    std::vector<LoadedUrl> loadedUrls_;
    std::vector<std::string> openedAddresses_;
    std::vector<int> skins_;
    int alerts_ = 0;
    Text clipboard_;
};

} // namespace dalmiro::test
