#pragma once
// A picture box: shows a picture from image bytes, stretched to the box when asked, and reports
// a left mouse press (the contact picture opens an address on it).
#include "util/text.h"

#include <QLabel>
#include <QPixmap>

namespace dalmiro {

class PictureBox : public QLabel {
    Q_OBJECT
  public:
    explicit PictureBox(QWidget* parent);

    // Empty or undecodable bytes clear the picture. Returns whether a picture is shown.
    bool SetImage(const Bytes& image);
    void SetPixmap(const QPixmap& pixmap);
    void SetScaled(bool scaled);
    bool HasImage() const { return !pixmap_.isNull(); }

  signals:
    void leftPressed();

  protected:
    void mousePressEvent(QMouseEvent* event) override;

  private:
    QPixmap pixmap_;
};

} // namespace dalmiro
