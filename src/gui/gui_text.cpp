#include "gui/gui_text.h"

namespace dalmiro {

QString FromGbk(const Text& gbk) {
    return QString::fromStdString(GbkToUtf8(gbk));
}

Text ToGbk(const QString& text) {
    return Utf8ToGbk(text.toStdString());
}

QString FromUtf8(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QString FromGbkLines(const Text& gbk) {
    QString text = FromGbk(gbk);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

Text ToGbkLines(const QString& text) {
    QString lines = text;
    lines.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    lines.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return ToGbk(lines);
}

} // namespace dalmiro
