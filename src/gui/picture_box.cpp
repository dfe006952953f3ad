#include "gui/picture_box.h"

#include <QImage>
#include <QMouseEvent>

namespace dalmiro {

PictureBox::PictureBox(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

bool PictureBox::SetImage(const Bytes& image) {
    QImage decoded;
    if (!image.empty()) {
        decoded = QImage::fromData(reinterpret_cast<const uchar*>(image.data()),
                                   static_cast<int>(image.size()));
    }
    SetPixmap(decoded.isNull() ? QPixmap() : QPixmap::fromImage(decoded));
    return HasImage();
}

void PictureBox::SetPixmap(const QPixmap& pixmap) {
    pixmap_ = pixmap;
    if (pixmap_.isNull())
        clear();
    else
        setPixmap(pixmap_);
}

void PictureBox::SetScaled(bool scaled) {
    setScaledContents(scaled);
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    QLabel::mousePressEvent(event);
    if (event->button() == Qt::LeftButton)
        emit leftPressed();
}

} // namespace dalmiro
