#include "ui/shell/Banner.h"

#include <QPainter>

#include "ui/common/ProgramColours.h"
#include "ui/common/WindowFonts.h"
#include "ui/common/ProgramIcon.h"

namespace amsaview {
namespace {

// Aries to Pisces.
constexpr char16_t kSignGlyphs[] =
    u"\u2648\u2649\u264A\u264B\u264C\u264D\u264E\u264F\u2650\u2651"
    u"\u2652\u2653";

}  // namespace

Banner::Banner(QWidget* parent) : QWidget(parent), mark_(ProgramIcon()) {
    SetColour(*this, QPalette::Window, kPanelBrown);
}

void Banner::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QRectF area = rect();
    const double height = area.height();

    QLinearGradient shine(area.topLeft(), area.bottomLeft());
    shine.setColorAt(0.0, QColor(255, 255, 255, 40));
    shine.setColorAt(1.0, QColor(0, 0, 0, 40));
    painter.fillRect(area, shine);
    painter.setPen(QPen(QColor(120, 54, 14), 1));
    painter.drawLine(area.bottomLeft(), area.bottomRight());

    const double margin = height * 0.12;
    const QRectF mark(margin, margin, height - 2 * margin, height - 2 * margin);
    mark_.paint(&painter, mark.toRect());

    const double textLeft = mark.right() + margin * 1.5;
    painter.setPen(QColor(255, 246, 226));
    painter.setFont(FontOf(QStringLiteral("Georgia"), QStringLiteral("DejaVu Serif"), 18, true));
    const QRectF nameArea(textLeft, 0, area.width() - textLeft, height * 0.62);
    painter.drawText(nameArea, Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("Amsaview"));
    painter.setPen(QColor(255, 236, 180));
    painter.setFont(VerdanaFont(7.5));
    painter.drawText(QRectF(textLeft, height * 0.62, area.width() - textLeft, height * 0.38),
                     Qt::AlignLeft | Qt::AlignTop,
                     QStringLiteral("The birth chart and its divisions"));

    QFont glyphs = FontOf(QStringLiteral("DejaVu Sans"), QStringLiteral("DejaVu Sans"), 13);
    painter.setFont(glyphs);
    painter.setPen(QColor(255, 236, 200, 210));
    const QString signs = QString::fromUtf16(kSignGlyphs);
    const QRectF signArea(area.width() * 0.45, 0, area.width() * 0.55 - margin * 2, height);
    painter.drawText(signArea, Qt::AlignRight | Qt::AlignVCenter,
                     signs.split(QString(), Qt::SkipEmptyParts).join(QStringLiteral("  ")));
}

}  // namespace amsaview
