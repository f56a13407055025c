#pragma once

#include <QWidget>

#include "input/ChartResult.h"

class QPlainTextEdit;

namespace amsaview {

// Lists what the computation returned, as plain text, with Back to the input
// form. It stands in for the result window with its chart grids until that
// window takes its place behind the same two calls.
class PlainResultWindow final : public QWidget {
    Q_OBJECT
  public:
    explicit PlainResultWindow(QWidget* parent = nullptr);

    void present(const ChartResult& result);

  signals:
    void backRequested();

  private:
    QPlainTextEdit* report_ = nullptr;
};

}  // namespace amsaview
