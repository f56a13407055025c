#include "ui/frame/MessageBoxes.h"

#include <QMessageBox>

#include "ui/frame/ApplicationTitle.h"

namespace amsaview {

void ModalMessageBox::show(QWidget* parent, const QString& text, MessageIcon icon) {
    QMessageBox box(
        icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::Information,
        QString::fromLatin1(kApplicationTitle), text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

}  // namespace amsaview
