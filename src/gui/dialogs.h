#pragma once
// The program's modal dialogs: message boxes, a one-line question and the file dialogs. Every
// text here is already a QString; the Ui converts at its boundary.
#include "app/ui.h"

#include <QString>

#include <optional>

class QWidget;

namespace dalmiro {

MessageAnswer ShowMessageBox(QWidget* owner, const QString& text, const QString& caption,
                             MessageButtons buttons, MessageIcon icon);

// The text entered, or nothing when cancelled.
std::optional<QString> AskLine(QWidget* owner, const QString& prompt, const QString& caption,
                               const QString& initial);

// "desc|*.ext|desc2|*.a;*.b" pairs as a Qt name filter ("desc (*.ext);;desc2 (*.a *.b)").
QString QtNameFilter(const QString& filter);

// The extension of the filter's first pattern when it is one plain "*.ext", else empty.
QString DefaultSuffix(const QString& filter);

// The chosen path, or nothing when cancelled.
std::optional<QString> AskFilePath(QWidget* owner, FileDialogMode mode, const QString& title,
                                   const QString& filter, const QString& defaultFileName);

} // namespace dalmiro
