#include "ui/common/FileChooser.h"

#include <QFileDialog>

namespace amsaview {

QString DialogFileChooser::fileToRead(QWidget* parent, const QString& caption,
                                      const QString& filter) {
    return QFileDialog::getOpenFileName(parent, caption, QString(), filter);
}

QString DialogFileChooser::fileToWrite(QWidget* parent, const QString& caption,
                                       const QString& suggested, const QString& filter) {
    return QFileDialog::getSaveFileName(parent, caption, suggested, filter);
}

}  // namespace amsaview
