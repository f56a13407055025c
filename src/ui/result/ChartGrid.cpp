#include "ui/result/ChartGrid.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <algorithm>

#include "qtcommon/QtText.h"
#include "ui/common/ProgramColours.h"
#include "ui/common/Twips.h"
#include "ui/common/WindowFonts.h"
#include "ui/result/ChartOrnament.h"

namespace amsaview {
namespace {

constexpr int kFrameWidth = 6945;  // twips
constexpr int kFrameHeight = 5985;
constexpr int kBoxTextInset = 90;   // from the box's top-left corner
constexpr int kBoxTextMargin = 30;  // bottom, and right of the sign number's column
constexpr int kNumberWidth = 300;
constexpr int kNumberHeight = 240;
constexpr int kTitleTop = 570;  // from the centre's top
constexpr int kTitleHeight = 420;
constexpr int kOrnamentGap = 60;
constexpr int kOrnamentWidth = 2940;
constexpr int kOrnamentHeight = 1500;

constexpr double kBoxPoints = 8.0;
constexpr double kSmallestBoxPoints = 5.5;

QFont BoxFont() {
    return SansSerifFont(kBoxPoints);
}

// A crowded sign (nine bodies can share a Hora box) still shows every name whole.
QFont FittingFont(const QString& text, const QSize& room) {
    QFont font = BoxFont();
    while (font.pointSizeF() > kSmallestBoxPoints) {
        const QRect needed = QFontMetrics(font).boundingRect(QRect(QPoint(), room),
                                                             Qt::AlignLeft | Qt::AlignTop, text);
        if (needed.width() <= room.width() && needed.height() <= room.height()) {
            break;
        }
        font.setPointSizeF(font.pointSizeF() - 0.5);
    }
    return font;
}

}  // namespace

QStringList BoxLines(std::string_view boxText) {
    return ToQString(boxText).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}

ChartGrid::ChartGrid(const QString& title, const GridGeometry& geometry,
                     const std::array<QString, kSignCount>& boxNames, QWidget* parent)
    : QWidget(parent),
      title_(title),
      geometry_(geometry),
      // Twips are a length on the screen: a desktop with larger fonts (a higher
      // font DPI) gets a larger chart, so its texts keep their room.
      pixelsPerTwip_(std::max(1.0, logicalDpiY() / 96.0) / kTwipsPerPixel) {
    const int width = std::max(
        kFrameWidth, geometry.firstLeft + 3 * geometry.pitchX + geometry.boxWidth + kTwipsPerPixel);
    const int height = std::max(kFrameHeight, geometry.firstTop + 3 * geometry.pitchY +
                                                  geometry.boxHeight + kTwipsPerPixel);
    setFixedSize(px(width), px(height));

    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(kPanelBrown));
    colours.setColor(QPalette::WindowText, QColor(kChartFrameText));
    setPalette(colours);
    setAutoFillBackground(true);

    QPalette boxColours = colours;
    boxColours.setColor(QPalette::WindowText, QColor(kWhiteText));
    const QMargins textInset(px(kBoxTextInset), px(kBoxTextInset),
                             px(kNumberWidth + kBoxTextMargin), px(kBoxTextMargin));
    for (int sign = 0; sign < kSignCount; ++sign) {
        auto* label = new QLabel(this);
        label->setObjectName(boxNames[static_cast<std::size_t>(sign)]);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setPalette(boxColours);
        label->setFont(BoxFont());
        const QRect box = boxRect(sign).toRect();
        label->setGeometry(box.marginsRemoved(textInset));
        boxLabels_[static_cast<std::size_t>(sign)] = label;
    }
}

void ChartGrid::setBoxes(std::span<const std::string, kSignCount> boxes) {
    for (std::size_t sign = 0; sign < boxes.size(); ++sign) {
        QLabel& label = *boxLabels_[sign];
        const QString text = BoxLines(boxes[sign]).join(QLatin1Char('\n'));
        label.setFont(FittingFont(text, label.size()));
        label.setText(text);
    }
}

int ChartGrid::px(int twips) const {
    return qRound(twips * pixelsPerTwip_);
}

QRectF ChartGrid::twipsRect(int left, int top, int width, int height) const {
    return {left * pixelsPerTwip_, top * pixelsPerTwip_, width * pixelsPerTwip_,
            height * pixelsPerTwip_};
}

QRectF ChartGrid::boxRect(int sign) const {
    const GridCell cell = kSignCells[static_cast<std::size_t>(sign)];
    return twipsRect(geometry_.firstLeft + cell.column * geometry_.pitchX,
                     geometry_.firstTop + cell.row * geometry_.pitchY, geometry_.boxWidth,
                     geometry_.boxHeight);
}

QRectF ChartGrid::centreRect() const {
    return twipsRect(geometry_.firstLeft + geometry_.pitchX, geometry_.firstTop + geometry_.pitchY,
                     2 * geometry_.pitchX, 2 * geometry_.pitchY);
}

void ChartGrid::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFont numberFont = CourierFont(9.75, true);
    const QSizeF numberSize(kNumberWidth * pixelsPerTwip_, kNumberHeight * pixelsPerTwip_);
    for (int sign = 0; sign < kSignCount; ++sign) {
        const QRectF box = boxRect(sign);
        painter.setPen(QPen(Qt::black, 0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(box.adjusted(0, 0, -1, -1));

        painter.setFont(numberFont);
        const QRectF corner(box.right() - numberSize.width() - 2, box.top() + 1, numberSize.width(),
                            numberSize.height());
        painter.drawText(corner, Qt::AlignCenter, QString::number(sign + 1));
    }

    const QRectF centre = centreRect();
    const QRectF title(centre.left(), centre.top() + kTitleTop * pixelsPerTwip_, centre.width(),
                       kTitleHeight * pixelsPerTwip_);
    painter.setFont(SansSerifFont(13.5));
    painter.setPen(QColor(kCyanText));
    painter.drawText(title, Qt::AlignCenter, title_);

    const QSizeF ornamentSize(kOrnamentWidth * pixelsPerTwip_, kOrnamentHeight * pixelsPerTwip_);
    const QRectF ornament(QPointF(centre.center().x() - ornamentSize.width() / 2,
                                  title.bottom() + kOrnamentGap * pixelsPerTwip_),
                          ornamentSize);
    DrawChartOrnament(painter, ornament);
}

}  // namespace amsaview
