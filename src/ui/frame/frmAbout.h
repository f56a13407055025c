#pragma once

#include <QDialog>

namespace amsaview {

class WebPageOpener;

// The about box: the program's name, what it does, a link to its home page and OK.
class frmAbout final : public QDialog {
    Q_OBJECT
  public:
    explicit frmAbout(WebPageOpener& opener, QWidget* parent = nullptr);
};

}  // namespace amsaview
