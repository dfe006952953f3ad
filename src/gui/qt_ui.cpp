#include "gui/qt_ui.h"

#include "gui/alert_sound.h"
#include "gui/browser_view.h"
#include "gui/cookie_bridge.h"
#include "gui/dialogs.h"
#include "gui/gui_text.h"
#include "gui/gui_thread.h"
#include "gui/hyperlink_label.h"
#include "gui/picture_box.h"
#include "gui/skin.h"
#include "util/event_pump.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QCursor>
#include <QDesktopServices>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolTip>
#include <QUrl>
#include <QWebEngineProfile>

#include <cstdio>
#include <exception>

namespace dalmiro {

namespace {

void BringToFront(QWidget& top) {
    top.show();
    top.raise();
    top.activateWindow();
}

} // namespace

// Turns the user's closing of a window into the program's closing of it.
class QtUi::WindowWatcher : public QObject {
  public:
    explicit WindowWatcher(QtUi& ui) : ui_(ui) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Close)
            return false;
        for (WindowId id : {WindowId::Main, WindowId::Analysis}) {
            if (ui_.WindowWidget(id) == watched) {
                event->accept();
                ui_.CloseAndNotify(id);
                return true;
            }
        }
        return false;
    }

  private:
    QtUi& ui_;
};

QtUi::QtUi()
    : context_(std::make_unique<QObject>()), alert_(std::make_unique<AlertSound>()),
      watcher_(std::make_unique<WindowWatcher>(*this)) {
    SetEventPump([this] { ProcessPendingEvents(); });
}

QWebEngineProfile* QtUi::Profile() {
    if (profile_ == nullptr) {
        profile_ = MakeBrowserProfile();
        cookieBridge_ = std::make_unique<CookieBridge>(profile_->cookieStore());
    }
    return profile_.get();
}

QWebEngineProfile* QtUi::BrowserProfile() {
    return OnGuiThread(context_.get(), [this] { return Profile(); });
}

QtUi::~QtUi() {
    SetEventPump({});
    for (WindowId id : {WindowId::Analysis, WindowId::Main}) {
        if (BuiltWindow* built = Window(id)) {
            built->top->removeEventFilter(watcher_.get());
            retired_.push_back(std::move(built->top));
        }
    }
    analysis_.reset();
    main_.reset();
    retired_.clear();
    // Windows closed earlier went to Qt's deferred deletion; finish it while the profile their
    // pages use still exists.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void QtUi::SetEventSink(EventSink sink) {
    sink_ = std::move(sink);
}

void QtUi::SetWindowClosedHandler(std::function<void(WindowId)> handler) {
    closedHandler_ = std::move(handler);
}

void QtUi::SetAddressOpener(std::function<void(const std::string&)> opener) {
    addressOpener_ = std::move(opener);
}

std::optional<BuiltWindow>& QtUi::Slot(WindowId window) {
    return window == WindowId::Main ? main_ : analysis_;
}

BuiltWindow* QtUi::Window(WindowId window) {
    std::optional<BuiltWindow>& slot = Slot(window);
    return slot.has_value() ? &*slot : nullptr;
}

const BuiltWindow* QtUi::Window(WindowId window) const {
    const std::optional<BuiltWindow>& slot = window == WindowId::Main ? main_ : analysis_;
    return slot.has_value() ? &*slot : nullptr;
}

QWidget* QtUi::WindowWidget(WindowId window) const {
    const BuiltWindow* built = Window(window);
    return built == nullptr ? nullptr : built->top.get();
}

QWidget* QtUi::ControlWidget(WindowId window, std::string_view control) const {
    return Find<QWidget>(window, control);
}

QMenu* QtUi::Menu(WindowId window, std::string_view caption) const {
    const BuiltWindow* built = Window(window);
    if (built == nullptr)
        return nullptr;
    auto found = built->menus.find(caption);
    return found == built->menus.end() ? nullptr : found->second.data();
}

QAction* QtUi::MenuAction(WindowId window, std::string_view caption) const {
    const BuiltWindow* built = Window(window);
    if (built == nullptr)
        return nullptr;
    auto found = built->actions.find(caption);
    return found == built->actions.end() ? nullptr : found->second.data();
}

void QtUi::Report(WindowId window, std::string_view source, EventKind kind, const EventArgs& args) {
    if (!sink_)
        return;
    ++handlerDepth_;
    // A handler's failure must not unwind through Qt's event delivery (Qt ends the program
    // then); the event is dropped and the program goes on.
    try {
        sink_(window, source, kind, args);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "dalmiro: the handler of %.*s failed: %s\n",
                     static_cast<int>(source.size()), source.data(), error.what());
    } catch (...) {
        std::fprintf(stderr, "dalmiro: the handler of %.*s failed\n",
                     static_cast<int>(source.size()), source.data());
    }
    --handlerDepth_;
    if (handlerDepth_ == 0)
        ReleaseRetired();
}

void QtUi::Retire(WindowId window) {
    std::optional<BuiltWindow>& slot = Slot(window);
    if (!slot.has_value())
        return;
    std::unique_ptr<QWidget> top = std::move(slot->top);
    slot.reset(); // from here on its controls read empty and ignore writes
    top->removeEventFilter(watcher_.get());
    top->hide();
    retired_.push_back(std::move(top));
    if (handlerDepth_ == 0)
        ReleaseRetired();
}

void QtUi::ReleaseRetired() {
    // Deferred, so that the event that closed the window finishes on live widgets.
    for (std::unique_ptr<QWidget>& top : retired_)
        top.release()->deleteLater();
    retired_.clear();
}

void QtUi::CloseAndNotify(WindowId window) {
    if (Window(window) == nullptr)
        return;
    Retire(window);
    if (window == WindowId::Main && Window(WindowId::Analysis) != nullptr) {
        // The ranking window ends with the program.
        Retire(WindowId::Analysis);
        if (closedHandler_)
            closedHandler_(WindowId::Analysis);
    }
    if (closedHandler_)
        closedHandler_(window);
}

// ---- texts ----

Text QtUi::GetText(WindowId window, std::string_view control) {
    return OnGuiThread(context_.get(), [&]() -> Text {
        QWidget* widget = Find<QWidget>(window, control);
        if (widget == nullptr)
            return {};
        if (auto* edit = qobject_cast<QLineEdit*>(widget))
            return ToGbk(edit->text());
        if (auto* edit = qobject_cast<QPlainTextEdit*>(widget))
            return ToGbkLines(edit->toPlainText());
        if (auto* link = qobject_cast<HyperlinkLabel*>(widget))
            return ToGbk(link->Caption());
        if (auto* label = qobject_cast<QLabel*>(widget))
            return ToGbk(label->text());
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            return ToGbk(button->text());
        if (auto* group = qobject_cast<QGroupBox*>(widget))
            return ToGbk(group->title());
        if (auto* combo = qobject_cast<QComboBox*>(widget))
            return ToGbk(combo->currentText());
        if (auto* tabs = qobject_cast<QTabWidget*>(widget))
            return ToGbk(tabs->tabText(tabs->currentIndex()));
        return {};
    });
}

void QtUi::SetText(WindowId window, std::string_view control, const Text& text) {
    OnGuiThread(context_.get(), [&] {
        QWidget* widget = Find<QWidget>(window, control);
        if (widget == nullptr)
            return;
        // A caption is also what a screen reader says for the control; an edit box keeps the
        // name of its label.
        bool captioned = true;
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            edit->setText(FromGbk(text));
            captioned = false;
        } else if (auto* edit = qobject_cast<QPlainTextEdit*>(widget)) {
            edit->setPlainText(FromGbkLines(text));
            captioned = false;
        } else if (auto* link = qobject_cast<HyperlinkLabel*>(widget)) {
            link->SetCaption(FromGbk(text));
        } else if (auto* label = qobject_cast<QLabel*>(widget)) {
            label->setText(FromGbk(text));
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            button->setText(FromGbk(text));
        } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
            group->setTitle(FromGbk(text));
        } else {
            return;
        }
        if (captioned) {
            widget->setAccessibleName(text.empty() ? FromUtf8(control) : FromGbk(text));
        }
    });
}

void QtUi::SetLink(WindowId window, std::string_view control, const std::string& url) {
    OnGuiThread(context_.get(), [&] {
        if (auto* link = Find<HyperlinkLabel>(window, control))
            link->SetLink(QString::fromStdString(url));
    });
}

std::string QtUi::GetLink(WindowId window, std::string_view control) {
    return OnGuiThread(context_.get(), [&]() -> std::string {
        auto* link = Find<HyperlinkLabel>(window, control);
        return link == nullptr ? std::string() : link->Link().toStdString();
    });
}

bool QtUi::IsChecked(WindowId window, std::string_view control) {
    return OnGuiThread(context_.get(), [&] {
        auto* radio = Find<QRadioButton>(window, control);
        return radio != nullptr && radio->isChecked();
    });
}

void QtUi::SetChecked(WindowId window, std::string_view control, bool checked) {
    OnGuiThread(context_.get(), [&] {
        if (auto* radio = Find<QRadioButton>(window, control))
            radio->setChecked(checked);
    });
}

// ---- pictures ----

void QtUi::SetPicture(WindowId window, std::string_view control, const Bytes& image) {
    OnGuiThread(context_.get(), [&] {
        if (auto* picture = Find<PictureBox>(window, control))
            picture->SetImage(image);
    });
}

void QtUi::SetPictureScaled(WindowId window, std::string_view control, bool scaled) {
    OnGuiThread(context_.get(), [&] {
        if (auto* picture = Find<PictureBox>(window, control))
            picture->SetScaled(scaled);
    });
}

// ---- windows ----

void QtUi::OpenWindow(WindowId window) {
    OnGuiThread(context_.get(), [&] {
        if (BuiltWindow* open = Window(window)) {
            BringToFront(*open->top);
            return;
        }
        std::optional<BuiltWindow>& slot = Slot(window);
        slot = BuildWindow(
            LayoutOf(window), [this] { return Profile(); },
            [this, window](std::string_view source, EventKind kind, const EventArgs& args) {
                Report(window, source, kind, args);
            });
        slot->top->installEventFilter(watcher_.get());
        for (const auto& [name, control] : slot->controls) {
            if (auto* link = qobject_cast<HyperlinkLabel*>(control.widget.data())) {
                QObject::connect(link, &HyperlinkLabel::linkClicked, link,
                                 [this](const QString& url) { OpenAddress(url.toStdString()); });
            }
        }
        // The created event runs while the window is still hidden; it may show, hide or even
        // close the window itself.
        Report(window, WindowName(window), EventKind::Created, {});
        if (BuiltWindow* open = Window(window))
            BringToFront(*open->top);
    });
}

void QtUi::CloseWindow(WindowId window) {
    OnGuiThread(context_.get(), [&] { CloseAndNotify(window); });
}

bool QtUi::IsWindowOpen(WindowId window) {
    return OnGuiThread(context_.get(), [&] { return Window(window) != nullptr; });
}

void QtUi::ShowWindow(WindowId window, bool visible) {
    OnGuiThread(context_.get(), [&] {
        if (BuiltWindow* built = Window(window))
            built->top->setVisible(visible);
    });
}

bool QtUi::IsWindowVisible(WindowId window) {
    return OnGuiThread(context_.get(), [&] {
        const BuiltWindow* built = Window(window);
        return built != nullptr && built->top->isVisible();
    });
}

void QtUi::EnableWindow(WindowId window, bool enabled) {
    OnGuiThread(context_.get(), [&] {
        if (BuiltWindow* built = Window(window))
            built->top->setEnabled(enabled);
    });
}

bool QtUi::IsWindowEnabled(WindowId window) {
    return OnGuiThread(context_.get(), [&] {
        const BuiltWindow* built = Window(window);
        return built != nullptr && built->top->isEnabled();
    });
}

Text QtUi::WindowTitle(WindowId window) {
    return OnGuiThread(context_.get(), [&]() -> Text {
        const BuiltWindow* built = Window(window);
        return built == nullptr ? Text() : ToGbk(built->top->windowTitle());
    });
}

void QtUi::LoadUrl(WindowId window, std::string_view control, const std::string& url) {
    OnGuiThread(context_.get(), [&] {
        if (auto* browser = Find<BrowserBox>(window, control))
            browser->Load(QUrl(QString::fromStdString(url)));
    });
}

// ---- menus, tips, dialogs ----

void QtUi::PopupMenu(WindowId window, std::string_view menuCaption) {
    OnGuiThread(context_.get(), [&] {
        // Non-blocking: the chosen item reports its own event once the handler has returned.
        if (QMenu* menu = Menu(window, menuCaption))
            menu->popup(QCursor::pos());
    });
}

void QtUi::ShowBalloonTip(WindowId window, std::string_view control, const Text& text) {
    OnGuiThread(context_.get(), [&] {
        const BuiltWindow* built = Window(window);
        if (built == nullptr || built->Spec(control) == nullptr)
            return;
        QToolTip::showText(QCursor::pos(), FromGbk(text), built->top.get());
    });
}

MessageAnswer QtUi::ShowMessage(const Text& text, const Text& caption, MessageButtons buttons,
                                MessageIcon icon, std::optional<WindowId> owner) {
    return OnGuiThread(context_.get(), [&] {
        QWidget* parent = owner.has_value() ? WindowWidget(*owner) : nullptr;
        return ShowMessageBox(parent, FromGbk(text), FromGbk(caption), buttons, icon);
    });
}

std::optional<Text> QtUi::AskText(WindowId owner, const Text& prompt, const Text& caption,
                                  const Text& initial) {
    return OnGuiThread(context_.get(), [&]() -> std::optional<Text> {
        std::optional<QString> answer =
            AskLine(WindowWidget(owner), FromGbk(prompt), FromGbk(caption), FromGbk(initial));
        if (!answer.has_value())
            return std::nullopt;
        return ToGbk(*answer);
    });
}

std::optional<std::string> QtUi::AskFileName(const FileDialogRequest& request) {
    return OnGuiThread(context_.get(), [&]() -> std::optional<std::string> {
        std::optional<QString> path =
            AskFilePath(WindowWidget(request.window), request.mode, FromGbk(request.title),
                        FromGbk(request.filter), FromGbk(request.defaultFileName));
        if (!path.has_value())
            return std::nullopt;
        return QFile::encodeName(*path).toStdString();
    });
}

void QtUi::SetClipboardText(const Text& text) {
    OnGuiThread(context_.get(), [&] { QGuiApplication::clipboard()->setText(FromGbk(text)); });
}

Text QtUi::ClipboardText() {
    return OnGuiThread(context_.get(), [&] { return ToGbk(QGuiApplication::clipboard()->text()); });
}

void QtUi::PlayAlert() {
    OnGuiThread(context_.get(), [&] { alert_->Play(); });
}

void QtUi::OpenAddress(const std::string& url) {
    if (url.empty())
        return;
    OnGuiThread(context_.get(), [&] {
        if (addressOpener_)
            addressOpener_(url);
        else
            QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
    });
}

void QtUi::ApplySkin(int number) {
    OnGuiThread(context_.get(), [&] { qApp->setStyleSheet(SkinStyleSheet(number)); });
}

void QtUi::ProcessPendingEvents() {
    if (OnGuiThreadNow())
        QCoreApplication::processEvents();
}

} // namespace dalmiro
