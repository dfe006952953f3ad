#include "gui/dialogs.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace dalmiro {
namespace {

QMessageBox::Icon QtIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Error:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

QString DefaultSuffix(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    if (parts.size() < 2)
        return {};
    const QString first = parts[1].split(QLatin1Char(';')).constFirst().trimmed();
    const QString suffix = first.mid(2);
    if (!first.startsWith(QStringLiteral("*.")) || suffix.isEmpty() ||
        suffix.contains(QLatin1Char('*')) || suffix.contains(QLatin1Char('?')))
        return {};
    return suffix;
}

MessageAnswer ShowMessageBox(QWidget* owner, const QString& text, const QString& caption,
                             MessageButtons buttons, MessageIcon icon) {
    QMessageBox box(QtIcon(icon), caption, text, QMessageBox::NoButton, owner);
    switch (buttons) {
    case MessageButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
        break;
    case MessageButtons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    case MessageButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        break;
    }
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    const QMessageBox::StandardButton answer =
        clicked == nullptr ? QMessageBox::NoButton : box.standardButton(clicked);
    switch (answer) {
    case QMessageBox::Ok:
        return MessageAnswer::Ok;
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    default:
        break;
    }
    // Closed without a button: the harmless answer of the buttons shown.
    switch (buttons) {
    case MessageButtons::Ok:
        return MessageAnswer::Ok;
    case MessageButtons::OkCancel:
        return MessageAnswer::Cancel;
    case MessageButtons::YesNo:
        return MessageAnswer::No;
    }
    return MessageAnswer::Cancel;
}

std::optional<QString> AskLine(QWidget* owner, const QString& prompt, const QString& caption,
                               const QString& initial) {
    bool accepted = false;
    const QString text =
        QInputDialog::getText(owner, caption, prompt, QLineEdit::Normal, initial, &accepted);
    if (!accepted)
        return std::nullopt;
    return text;
}

QString QtNameFilter(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1].trimmed();
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        if (patterns.isEmpty())
            continue;
        filters << QStringLiteral("%1 (%2)").arg(parts[i].trimmed(), patterns);
    }
    return filters.join(QStringLiteral(";;"));
}

std::optional<QString> AskFilePath(QWidget* owner, FileDialogMode mode, const QString& title,
                                   const QString& filter, const QString& defaultFileName) {
    QFileDialog dialog(owner, title);
    dialog.setAcceptMode(mode == FileDialogMode::Save ? QFileDialog::AcceptSave
                                                      : QFileDialog::AcceptOpen);
    dialog.setFileMode(mode == FileDialogMode::Save ? QFileDialog::AnyFile
                                                    : QFileDialog::ExistingFile);
    const QString nameFilter = QtNameFilter(filter);
    if (!nameFilter.isEmpty())
        dialog.setNameFilter(nameFilter);
    // A name typed without extension gets the first filter's one ("*.xls" gives ".xls").
    const QString suffix = DefaultSuffix(filter);
    if (!suffix.isEmpty())
        dialog.setDefaultSuffix(suffix);
    if (!defaultFileName.isEmpty())
        dialog.selectFile(defaultFileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString path = dialog.selectedFiles().constFirst();
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

} // namespace dalmiro
