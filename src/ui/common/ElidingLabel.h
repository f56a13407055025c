#pragma once

#include <QLabel>

namespace amsaview {

// A one-line label for a text of any length (a name, a place): what does not
// fit ends in "…" and the whole text becomes the tooltip. text() stays whole.
// It asks its layout for room for the whole text but takes less.
class ElidingLabel final : public QLabel {
    Q_OBJECT
  public:
    explicit ElidingLabel(QWidget* parent = nullptr);

    // Hides QLabel::setText, which cannot be followed otherwise.
    void setText(const QString& text);

    bool isElided() const;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    QRect textRect() const;
    void updateTip();
};

}  // namespace amsaview
