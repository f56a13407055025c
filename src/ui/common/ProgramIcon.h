#pragma once

#include <QIcon>

namespace amsaview {

// The program's icon: the zodiac wheel of twelve signs, drawn at every size
// so it stays sharp on high-density screens.
QIcon ProgramIcon();

}  // namespace amsaview
