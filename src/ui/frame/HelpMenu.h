#pragma once

#include <functional>

class QMenu;
class QMenuBar;

namespace amsaview {

class WebPageOpener;

// The "&Help" menu both the input form and the main frame carry: the three
// web pages and the about box.
QMenu* AddHelpMenu(QMenuBar& menuBar, WebPageOpener& opener, std::function<void()> showAbout);

}  // namespace amsaview
