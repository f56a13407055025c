#pragma once

#include <functional>

class QMenu;
class QMenuBar;

namespace amsaview {

struct LinkTargets;
class WebPageOpener;

// The "&Help" menu both the input form and the main frame carry: the user
// guide, the home and download pages, and the about box.
QMenu* AddHelpMenu(QMenuBar& menuBar, WebPageOpener& opener, const LinkTargets& links,
                   std::function<void()> showAbout);

}  // namespace amsaview
