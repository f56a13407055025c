#pragma once

class QMenu;

namespace amsaview {

class frmDisplay;

// Settings → Chart Style…: the window takes the look kept from the last run
// at once, and each choice in the dialog is drawn and kept for the next.
void AddChartStyleEntry(QMenu& settings, frmDisplay& display);

}  // namespace amsaview
