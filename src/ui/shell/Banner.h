#pragma once

#include <QIcon>
#include <QWidget>

namespace amsaview {

// The strip along the top of the main frame: the program's mark and name, and
// the twelve signs.
class Banner final : public QWidget {
  public:
    explicit Banner(QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QIcon mark_;
};

}  // namespace amsaview
