#pragma once

#include <QDialog>

namespace amsaview {

struct LinkTargets;
class WebPageOpener;

// The about box: the program's name, what it does, a link to its home page
// (disabled, with a tip, while the build has none) and OK.
class frmAbout final : public QDialog {
    Q_OBJECT
  public:
    frmAbout(WebPageOpener& opener, const LinkTargets& links, QWidget* parent = nullptr);
};

}  // namespace amsaview
