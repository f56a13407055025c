#pragma once

class QMenu;
class QPrinter;
class QWidget;

namespace amsaview {

struct BirthData;
class frmDisplay;

// The page and the document name, which the print dialog turns into the file
// it offers: the one Export offers.
void PreparePrinter(QPrinter& printer, const BirthData& birth);

// File ▸ Print…, Print Preview… and Export Chart… for the result on view:
// the window asks where and how, the export layer draws and writes.
void AddPrintAndExport(QMenu& file, QWidget& parent, const frmDisplay& display);

}  // namespace amsaview
