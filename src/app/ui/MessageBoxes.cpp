#include "app/ui/MessageBoxes.h"

#include <QMessageBox>

#include "app/ui/ApplicationTitle.h"

namespace amsaview {

void ModalMessageBox::show(QWidget* parent, const QString& text, MessageIcon icon) {
    QMessageBox box(
        icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::Information,
        QString::fromLatin1(kApplicationTitle), text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

}  // namespace amsaview
