#pragma once

class QMenu;
class QWidget;

namespace amsaview {

class frmDisplay;

// File ▸ Print…, Print Preview… and Export Chart… for the result on view:
// the window asks where and how, the export layer draws and writes.
void AddPrintAndExport(QMenu& file, QWidget& parent, const frmDisplay& display);

}  // namespace amsaview
