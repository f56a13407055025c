#include "ui/common/ElidingLabel.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>

namespace amsaview {

ElidingLabel::ElidingLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

void ElidingLabel::setText(const QString& text) {
    QLabel::setText(text);
    updateTip();
}

QRect ElidingLabel::textRect() const {
    QRect room = contentsRect().marginsRemoved(QMargins(margin(), margin(), margin(), margin()));
    if (indent() > 0) {
        room.setLeft(room.left() + indent());
    }
    return room;
}

bool ElidingLabel::isElided() const {
    return fontMetrics().horizontalAdvance(text()) > textRect().width();
}

QSize ElidingLabel::minimumSizeHint() const {
    return {fontMetrics().horizontalAdvance(QStringLiteral("M\u2026")),
            QLabel::minimumSizeHint().height()};
}

void ElidingLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawFrame(&painter);
    const QRect room = textRect();
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, room.width());
    style()->drawItemText(&painter, room, static_cast<int>(alignment()), palette(), isEnabled(),
                          shown, foregroundRole());
}

void ElidingLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    updateTip();
}

void ElidingLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        updateTip();
    }
}

void ElidingLabel::updateTip() {
    setToolTip(isElided() ? text() : QString());
}

}  // namespace amsaview
