#pragma once
// A hyperlink label: a caption drawn as a link, and the address it opens when clicked. Clicking
// hands the address to whoever listens to `linkClicked` (the Ui opens it in the browser).
#include <QLabel>
#include <QString>

namespace dalmiro {

class HyperlinkLabel : public QLabel {
    Q_OBJECT
  public:
    explicit HyperlinkLabel(QWidget* parent);

    void SetCaption(const QString& caption);
    QString Caption() const { return caption_; }
    void SetLink(const QString& link);
    QString Link() const { return link_; }

  signals:
    void linkClicked(const QString& link);

  private:
    void Render();

    QString caption_;
    QString link_;
};

} // namespace dalmiro
