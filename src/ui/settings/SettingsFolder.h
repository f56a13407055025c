#pragma once

#include <QString>

namespace amsaview {

// Names the program for QSettings, so that its settings live in
// ~/.config/Amsaview/Amsaview.conf, and moves there, once, the settings an
// earlier version kept under "Unknown Organization" while it had no
// organisation name. Returns what went wrong with the move, or nothing.
QString UseProgramSettingsFolder();

}  // namespace amsaview
