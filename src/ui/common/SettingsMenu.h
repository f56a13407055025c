#pragma once

#include <functional>

class QMenu;
class QMenuBar;

namespace amsaview {

// The "&Settings" menu both the input form and the main frame carry; its one
// entry opens the choice of chart method.
QMenu* AddSettingsMenu(QMenuBar& menuBar, std::function<void()> chooseMethod);

}  // namespace amsaview
