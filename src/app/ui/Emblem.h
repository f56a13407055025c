#pragma once

#include <QIcon>

class QPainter;
class QRectF;

namespace amsaview {

// The program's mark: the rim of a South-Indian chart round a rising sun. The
// desktop icon shipped for installation draws the same figure.
void DrawEmblem(QPainter& painter, const QRectF& area);

QIcon ProgramIcon();

}  // namespace amsaview
