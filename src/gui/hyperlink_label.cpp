#include "gui/hyperlink_label.h"

namespace dalmiro {

HyperlinkLabel::HyperlinkLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::RichText);
    setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    setOpenExternalLinks(false);
    setCursor(Qt::PointingHandCursor);
    // The label reports the address it holds now, not the one it was rendered with.
    connect(this, &QLabel::linkActivated, this, [this] { emit linkClicked(link_); });
}

void HyperlinkLabel::SetCaption(const QString& caption) {
    caption_ = caption;
    Render();
}

void HyperlinkLabel::SetLink(const QString& link) {
    link_ = link;
    Render();
}

void HyperlinkLabel::Render() {
    // The caption is shown as plain text inside the link, never interpreted as markup.
    setText(QStringLiteral("<a href=\"link\">%1</a>").arg(caption_.toHtmlEscaped()));
    setToolTip(link_);
}

} // namespace dalmiro
