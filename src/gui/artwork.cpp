#include "gui/artwork.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace dalmiro {

QIcon ProgramIcon() {
    QPixmap pixmap(64, 64);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, 0, 64);
    fill.setColorAt(0, QColor(0x4a, 0x8a, 0xd4));
    fill.setColorAt(1, QColor(0x1f, 0x4f, 0x8f));
    painter.setBrush(fill);
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
    QFont font;
    font.setPixelSize(40);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 0, 64, 64), Qt::AlignCenter, QStringLiteral("淘"));
    return QIcon(pixmap);
}

QPixmap BannerPixmap(QSize size) {
    QPixmap pixmap(size);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, size.width(), size.height());
    sky.setColorAt(0, QColor(0x1f, 0x4f, 0x8f));
    sky.setColorAt(0.6, QColor(0x3a, 0x78, 0xc2));
    sky.setColorAt(1, QColor(0x7f, 0xb2, 0xe8));
    painter.fillRect(pixmap.rect(), sky);
    // A few soft rising bars on the right, the look of a ranking chart.
    painter.setPen(Qt::NoPen);
    const int bars = 7;
    const int barWidth = size.width() / 40;
    for (int i = 0; i < bars; ++i) {
        const int height = size.height() * (2 + i) / (bars + 3);
        const int left = size.width() - (bars - i) * (barWidth * 3 / 2) - barWidth;
        painter.setBrush(QColor(255, 255, 255, 40 + 12 * i));
        painter.drawRoundedRect(QRect(left, size.height() - height, barWidth, height), 2, 2);
    }
    return pixmap;
}

} // namespace dalmiro
