#include "ui/common/MessageBoxes.h"

#include <QMessageBox>
#include <QPushButton>

#include "ui/common/ApplicationTitle.h"

namespace amsaview {

void ModalMessageBox::show(QWidget* parent, const QString& text, MessageIcon icon) {
    QMessageBox box(
        icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::Information,
        QString::fromLatin1(kApplicationTitle), text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    // A file name or an address in a message can be copied.
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    box.exec();
}

Answer ModalMessageBox::ask(QWidget* parent, const QString& text, Question question) {
    const bool saving = question == Question::SaveDiscardCancel;
    const QMessageBox::StandardButtons buttons =
        saving ? QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel
               : QMessageBox::Yes | QMessageBox::No;
    QMessageBox box(QMessageBox::Question, QString::fromLatin1(kApplicationTitle), text, buttons,
                    parent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(saving ? QMessageBox::Save : QMessageBox::No);
    box.setEscapeButton(saving ? QMessageBox::Cancel : QMessageBox::No);
    switch (box.exec()) {
        case QMessageBox::Save:
            return Answer::Save;
        case QMessageBox::Discard:
            return Answer::Discard;
        case QMessageBox::Yes:
            return Answer::Yes;
        default:
            return saving ? Answer::Cancel : Answer::No;
    }
}

int ModalMessageBox::choose(QWidget* parent, const QString& text, const QStringList& answers) {
    QMessageBox box(QMessageBox::Question, QString::fromLatin1(kApplicationTitle), text,
                    QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    QList<QAbstractButton*> buttons;
    for (const QString& answer : answers) {
        buttons.append(box.addButton(answer, QMessageBox::AcceptRole));
    }
    if (!buttons.isEmpty()) {
        box.setDefaultButton(qobject_cast<QPushButton*>(buttons.front()));
    }
    box.setEscapeButton(box.addButton(QMessageBox::Cancel));
    box.exec();
    return static_cast<int>(buttons.indexOf(box.clickedButton()));
}

}  // namespace amsaview
