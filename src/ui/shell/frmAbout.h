#pragma once

#include <QDialog>

namespace amsaview {

struct LinkTargets;
class WebPageOpener;

// The about box: the program's name, what it does, its licence and credits, a
// link to its home page (left out while the build has none) and OK. It can be
// resized, and its paragraphs wrap to its width.
class frmAbout final : public QDialog {
    Q_OBJECT
  public:
    frmAbout(WebPageOpener& opener, const LinkTargets& links, QWidget* parent = nullptr);
};

}  // namespace amsaview
