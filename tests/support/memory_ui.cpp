#include "support/memory_ui.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace dalmiro::test {
namespace {

bool InRange(int index, size_t size) {
    return index >= 0 && static_cast<size_t>(index) < size;
}

} // namespace

MemoryUi::MemoryUi() : interfaceThread_(std::this_thread::get_id()) {
    Build(WindowId::Main);
    main_.visible = true;
    main_.enabled = true;
}

MemoryUi::~MemoryUi() = default;

void MemoryUi::Report(const char* what, WindowId window, std::string_view name) {
    ADD_FAILURE() << what << " \"" << name << "\" in " << WindowName(window);
}

MemoryUi::Window& MemoryUi::WindowOf(WindowId window) {
    return window == WindowId::Analysis ? analysis_ : main_;
}

void MemoryUi::Build(WindowId id) {
    const WindowSpec& layout = LayoutOf(id);
    Window window;
    window.open = true;
    window.title = Gbk(layout.caption);
    for (const ControlSpec& spec : layout.controls) {
        Control control;
        control.kind = spec.kind;
        control.spec = &spec;
        control.text = Gbk(spec.caption);
        control.checked = spec.checked;
        for (std::string_view item : spec.items)
            control.items.push_back(Gbk(item));
        for (const ColumnSpec& column : spec.columns)
            control.columns.push_back({Gbk(column.title), column.width});
        window.controls.emplace(std::string(spec.name), std::move(control));
    }
    WindowOf(id) = std::move(window);
}

MemoryUi::Control* MemoryUi::Find(WindowId window, std::string_view name) {
    Window& data = WindowOf(window);
    if (FindControl(window, name) == nullptr) {
        Report("no control", window, name);
        return nullptr;
    }
    if (!data.open)
        return nullptr;
    const auto found = data.controls.find(name);
    return found == data.controls.end() ? nullptr : &found->second;
}

// ---- test helpers ----

bool MemoryUi::Fire(WindowId window, std::string_view source, EventKind event,
                    const EventArgs& args) {
    EventSink sink;
    {
        std::lock_guard lock(mutex_);
        if (!WindowOf(window).open || !sink_)
            return false;
        sink = sink_;
    }
    sink(window, source, event, args);
    return true;
}

bool MemoryUi::SelectMenu(WindowId window, std::string_view caption) {
    if (FindMenu(window, caption) == nullptr) {
        Report("no menu", window, caption);
        return false;
    }
    return Fire(window, caption, EventKind::MenuSelected);
}

void MemoryUi::SelectTab(WindowId window, std::string_view name, int tab) {
    bool changed = false;
    {
        std::lock_guard lock(mutex_);
        Control* control = Find(window, name);
        if (control == nullptr || !InRange(tab, control->items.size()))
            return;
        changed = control->currentTab != tab;
        control->currentTab = tab;
    }
    if (changed)
        Fire(window, name, EventKind::TabChanged);
}

int MemoryUi::CurrentTab(WindowId window, std::string_view name) {
    std::lock_guard lock(mutex_);
    const Control* control = Find(window, name);
    return control != nullptr ? control->currentTab : -1;
}

void MemoryUi::SelectListRows(WindowId window, std::string_view name,
                              const std::vector<int>& rows) {
    std::lock_guard lock(mutex_);
    Control* control = Find(window, name);
    if (control == nullptr)
        return;
    control->selectedRows.clear();
    for (int row : rows) {
        if (InRange(row, control->rows.size()))
            control->selectedRows.push_back(row);
    }
    std::sort(control->selectedRows.begin(), control->selectedRows.end());
    control->selectedRows.erase(
        std::unique(control->selectedRows.begin(), control->selectedRows.end()),
        control->selectedRows.end());
}

int MemoryUi::AddListRow(WindowId window, std::string_view name, const std::vector<Text>& cells) {
    const int row = ListAppendRow(window, name);
    for (size_t column = 0; column < cells.size(); ++column)
        SetListCellText(window, name, row, static_cast<int>(column), cells[column]);
    return row;
}

void MemoryUi::QueueAfterEvents(int pump, std::function<void()> action) {
    std::lock_guard lock(mutex_);
    queued_.emplace(pumps_ + std::max(pump, 1), std::move(action));
}

void MemoryUi::RunAllQueued() {
    for (;;) {
        std::function<void()> action;
        {
            std::lock_guard lock(mutex_);
            if (queued_.empty())
                return;
            action = std::move(queued_.begin()->second);
            queued_.erase(queued_.begin());
        }
        action();
    }
}

int MemoryUi::PumpCount() const {
    std::lock_guard lock(mutex_);
    return pumps_;
}

int MemoryUi::QueuedActionCount() const {
    std::lock_guard lock(mutex_);
    return static_cast<int>(queued_.size());
}

void MemoryUi::ScriptMessageAnswer(MessageAnswer answer) {
    std::lock_guard lock(mutex_);
    messageAnswers_.push_back(answer);
}

void MemoryUi::ScriptTextAnswer(std::optional<Text> answer) {
    std::lock_guard lock(mutex_);
    textAnswers_.push_back(std::move(answer));
}

void MemoryUi::ScriptFileAnswer(std::optional<std::string> path) {
    std::lock_guard lock(mutex_);
    fileAnswers_.push_back(std::move(path));
}

std::vector<ShownMessage> MemoryUi::Messages() const {
    std::lock_guard lock(mutex_);
    return messages_;
}

std::vector<TextQuestion> MemoryUi::TextQuestions() const {
    std::lock_guard lock(mutex_);
    return textQuestions_;
}

std::vector<FileQuestion> MemoryUi::FileQuestions() const {
    std::lock_guard lock(mutex_);
    return fileQuestions_;
}

std::vector<BalloonTip> MemoryUi::BalloonTips() const {
    std::lock_guard lock(mutex_);
    return balloonTips_;
}

std::vector<Popup> MemoryUi::Popups() const {
    std::lock_guard lock(mutex_);
    return popups_;
}

std::vector<LoadedUrl> MemoryUi::LoadedUrls() const {
    std::lock_guard lock(mutex_);
    return loadedUrls_;
}

std::vector<std::string> MemoryUi::OpenedAddresses() const {
    std::lock_guard lock(mutex_);
    return openedAddresses_;
}

std::vector<int> MemoryUi::AppliedSkins() const {
    std::lock_guard lock(mutex_);
    return skins_;
}

int MemoryUi::AlertCount() const {
    std::lock_guard lock(mutex_);
    return alerts_;
}

std::string MemoryUi::LoadedUrlOf(WindowId window, std::string_view name) {
    std::lock_guard lock(mutex_);
    const Control* control = Find(window, name);
    return control != nullptr ? control->url : std::string();
}

Bytes MemoryUi::Picture(WindowId window, std::string_view name) {
    std::lock_guard lock(mutex_);
    const Control* control = Find(window, name);
    return control != nullptr ? control->picture : Bytes();
}

bool MemoryUi::IsPictureScaled(WindowId window, std::string_view name) {
    std::lock_guard lock(mutex_);
    const Control* control = Find(window, name);
    return control != nullptr && control->scaled;
}

std::vector<std::vector<Text>> MemoryUi::ListRows(WindowId window, std::string_view name) {
    std::lock_guard lock(mutex_);
    const Control* control = Find(window, name);
    return control != nullptr ? control->rows : std::vector<std::vector<Text>>();
}

int MemoryUi::CreationCount(WindowId window) const {
    std::lock_guard lock(mutex_);
    return creations_[window == WindowId::Analysis ? 1 : 0];
}

// ---- Ui ----

void MemoryUi::SetEventSink(EventSink sink) {
    std::lock_guard lock(mutex_);
    sink_ = std::move(sink);
}

Text MemoryUi::GetText(WindowId window, std::string_view name) {
    std::lock_guard lock(mutex_);
    const Control* control = Find(window, name);
    return control != nullptr ? control->text : Text();
}

void MemoryUi::SetText(WindowId window, std::string_view name, const Text& text) {
    std::lock_guard lock(mutex_);
    if (Control* control = Find(window, name))
        control->text = text;
}

void MemoryUi::SetLink(WindowId window, std::string_view name, const std::string& url) {
    std::lock_guard lock(mutex_);
    if (Control* control = Find(window, name))
        control->link = url;
}

std::string MemoryUi::GetLink(WindowId window, std::string_view name) {
    std::lock_guard lock(mutex_);
    const Control* control = Find(window, name);
    return control != nullptr ? control->link : std::string();
}

bool MemoryUi::IsChecked(WindowId window, std::string_view name) {
    std::lock_guard lock(mutex_);
    const Control* control = Find(window, name);
    return control != nullptr && control->checked;
}

void MemoryUi::SetChecked(WindowId window, std::string_view name, bool checked) {
    std::lock_guard lock(mutex_);
    Control* control = Find(window, name);
    if (control == nullptr)
        return;
    control->checked = checked;
    // Radio buttons with the same parent and page form one group: checking one unchecks the others.
    if (!checked || control->kind != ControlKind::RadioButton)
        return;
    for (auto& [otherName, other] : WindowOf(window).controls) {
        if (&other != control && other.kind == ControlKind::RadioButton &&
            other.spec->parent == control->spec->parent && other.spec->tab == control->spec->tab)
            other.checked = false;
    }
}

void MemoryUi::SetPicture(WindowId window, std::string_view name, const Bytes& image) {
    std::lock_guard lock(mutex_);
    if (Control* control = Find(window, name))
        control->picture = image;
}

void MemoryUi::SetPictureScaled(WindowId window, std::string_view name, bool scaled) {
    std::lock_guard lock(mutex_);
    if (Control* control = Find(window, name))
        control->scaled = scaled;
}

void MemoryUi::SetProgressMaximum(WindowId window, std::string_view name, int maximum) {
    std::lock_guard lock(mutex_);
    if (Control* control = Find(window, name))
        control->progressMaximum = maximum;
}

int MemoryUi::ProgressMaximum(WindowId window, std::string_view name) {
    std::lock_guard lock(mutex_);
    const Control* control = Find(window, name);
    return control != nullptr ? control->progressMaximum : 0;
}

void MemoryUi::SetProgressPosition(WindowId window, std::string_view name, int position) {
    std::lock_guard lock(mutex_);
    if (Control* control = Find(window, name))
        control->progressPosition = position;
}

int MemoryUi::ProgressPosition(WindowId window, std::string_view name) {
    std::lock_guard lock(mutex_);
    const Control* control = Find(window, name);
    return control != nullptr ? control->progressPosition : 0;
}

void MemoryUi::OpenWindow(WindowId window) {
    EventSink sink;
    {
        std::lock_guard lock(mutex_);
        Window& data = WindowOf(window);
        if (data.open)
            return; // already open: brought to the front
        Build(window);
        data.visible = true;
        data.enabled = true;
        ++creations_[window == WindowId::Analysis ? 1 : 0];
        sink = sink_;
    }
    if (sink)
        sink(window, WindowName(window), EventKind::Created, {});
}

void MemoryUi::CloseWindow(WindowId window) {
    std::lock_guard lock(mutex_);
    WindowOf(window) = Window{};
    // Closing MainWindow ends the program, and AnalysisWindow with it.
    if (window == WindowId::Main)
        analysis_ = Window{};
}

bool MemoryUi::IsWindowOpen(WindowId window) {
    std::lock_guard lock(mutex_);
    return WindowOf(window).open;
}

void MemoryUi::ShowWindow(WindowId window, bool visible) {
    std::lock_guard lock(mutex_);
    Window& data = WindowOf(window);
    if (data.open)
        data.visible = visible;
}

bool MemoryUi::IsWindowVisible(WindowId window) {
    std::lock_guard lock(mutex_);
    return WindowOf(window).visible;
}

void MemoryUi::EnableWindow(WindowId window, bool enabled) {
    std::lock_guard lock(mutex_);
    Window& data = WindowOf(window);
    if (data.open)
        data.enabled = enabled;
}

bool MemoryUi::IsWindowEnabled(WindowId window) {
    std::lock_guard lock(mutex_);
    return WindowOf(window).enabled;
}

Text MemoryUi::WindowTitle(WindowId window) {
    std::lock_guard lock(mutex_);
    return WindowOf(window).title;
}

void MemoryUi::LoadUrl(WindowId window, std::string_view name, const std::string& url) {
    std::lock_guard lock(mutex_);
    if (Control* control = Find(window, name)) {
        control->url = url;
        loadedUrls_.push_back({window, std::string(name), url});
    }
}

void MemoryUi::PopupMenu(WindowId window, std::string_view menuCaption) {
    std::lock_guard lock(mutex_);
    if (!IsPopupMenu(window, menuCaption)) {
        Report("no popup menu", window, menuCaption);
        return;
    }
    if (WindowOf(window).open)
        popups_.push_back({window, std::string(menuCaption)});
}

void MemoryUi::ShowBalloonTip(WindowId window, std::string_view name, const Text& text) {
    std::lock_guard lock(mutex_);
    if (Find(window, name) != nullptr)
        balloonTips_.push_back({window, std::string(name), text});
}

MessageAnswer MemoryUi::ShowMessage(const Text& text, const Text& caption, MessageButtons buttons,
                                    MessageIcon icon, std::optional<WindowId> owner) {
    std::lock_guard lock(mutex_);
    messages_.push_back({text, caption, buttons, icon, owner});
    if (!messageAnswers_.empty()) {
        const MessageAnswer answer = messageAnswers_.front();
        messageAnswers_.pop_front();
        return answer;
    }
    return buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
}

std::optional<Text> MemoryUi::AskText(WindowId owner, const Text& prompt, const Text& caption,
                                      const Text& initial) {
    std::lock_guard lock(mutex_);
    textQuestions_.push_back({owner, prompt, caption, initial});
    if (!textAnswers_.empty()) {
        std::optional<Text> answer = std::move(textAnswers_.front());
        textAnswers_.pop_front();
        return answer;
    }
    return initial;
}

std::optional<std::string> MemoryUi::AskFileName(const FileDialogRequest& request) {
    std::lock_guard lock(mutex_);
    if (FindControl(request.window, request.control) == nullptr)
        Report("no file dialog", request.window, request.control);
    fileQuestions_.push_back({request.window, std::string(request.control), request.mode,
                              request.title, request.filter, request.defaultFileName});
    if (!fileAnswers_.empty()) {
        std::optional<std::string> answer = std::move(fileAnswers_.front());
        fileAnswers_.pop_front();
        return answer;
    }
    return std::nullopt;
}

void MemoryUi::SetClipboardText(const Text& text) {
    std::lock_guard lock(mutex_);
    clipboard_ = text;
}

Text MemoryUi::ClipboardText() {
    std::lock_guard lock(mutex_);
    return clipboard_;
}

void MemoryUi::PlayAlert() {
    std::lock_guard lock(mutex_);
    ++alerts_;
}

void MemoryUi::OpenAddress(const std::string& url) {
    std::lock_guard lock(mutex_);
    openedAddresses_.push_back(url);
}

void MemoryUi::ApplySkin(int number) {
    std::lock_guard lock(mutex_);
    skins_.push_back(number);
}

void MemoryUi::ProcessPendingEvents() {
    if (std::this_thread::get_id() != interfaceThread_)
        return;
    int pump = 0;
    {
        std::lock_guard lock(mutex_);
        pump = ++pumps_;
    }
    // Runs the actions due by this pump; an action may queue more or pump again itself.
    for (;;) {
        std::function<void()> action;
        {
            std::lock_guard lock(mutex_);
            if (queued_.empty() || queued_.begin()->first > pump)
                return;
            action = std::move(queued_.begin()->second);
            queued_.erase(queued_.begin());
        }
        action();
    }
}

} // namespace dalmiro::test
