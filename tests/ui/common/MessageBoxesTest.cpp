#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "ui/common/MessageBoxes.h"

namespace amsaview {
using Press = std::function<void(QMessageBox&)>;
}  // namespace amsaview

Q_DECLARE_METATYPE(amsaview::Press)

namespace amsaview {
namespace {

QList<QAbstractButton*> AnswerButtons(const QMessageBox& box) {
    QList<QAbstractButton*> answers;
    for (QAbstractButton* button : box.buttons()) {
        if (box.buttonRole(button) == QMessageBox::AcceptRole) {
            answers.append(button);
        }
    }
    return answers;
}

}  // namespace

class MessageBoxesTest : public QObject {
    Q_OBJECT

  private slots:
    void aChoiceCanBeCancelled_data();
    void aChoiceCanBeCancelled();
    void aMessageCanBeSelected();
};

void MessageBoxesTest::aChoiceCanBeCancelled_data() {
    QTest::addColumn<Press>("press");
    QTest::addColumn<int>("answer");
    const auto answerButton = [](QMessageBox& box, int index) {
        return AnswerButtons(box).value(index);
    };
    QTest::newRow("the first answer")
        << Press([answerButton](QMessageBox& box) { answerButton(box, 0)->click(); }) << 0;
    QTest::newRow("the second answer")
        << Press([answerButton](QMessageBox& box) { answerButton(box, 1)->click(); }) << 1;
    QTest::newRow("Enter takes the first")
        << Press([](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Return); }) << 0;
    QTest::newRow("Cancel") << Press([](QMessageBox& box) {
        box.button(QMessageBox::Cancel)->click();
    }) << -1;
    QTest::newRow("Escape") << Press([](QMessageBox& box) {
        QTest::keyClick(&box, Qt::Key_Escape);
    }) << -1;
}

void MessageBoxesTest::aChoiceCanBeCancelled() {
    QFETCH(Press, press);
    QFETCH(int, answer);
    int answerButtons = 0;
    bool cancelButton = false;
    bool leftOpen = false;
    QTimer::singleShot(0, this, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        answerButtons = static_cast<int>(AnswerButtons(*box).size());
        cancelButton = box->button(QMessageBox::Cancel) != nullptr;
        if (cancelButton) {
            press(*box);
        }
        // A press that did not close the box must not hang the test.
        QTimer::singleShot(200, box, [box, &leftOpen] {
            leftOpen = true;
            box->done(QDialog::Rejected);
        });
    });
    const int chosen = ModalMessageBox().choose(
        nullptr, QStringLiteral("Which moment is meant?"),
        {QStringLiteral("The first (CEST +02:00)"), QStringLiteral("The second (CET +01:00)")});
    QCOMPARE(answerButtons, 2);
    QVERIFY(cancelButton);
    QVERIFY(!leftOpen);
    QCOMPARE(chosen, answer);
}

// So that an address or a file name in it can be copied.
void MessageBoxesTest::aMessageCanBeSelected() {
    Qt::TextInteractionFlags flags;
    QTimer::singleShot(0, this, [&flags] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        if (const auto* text = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
            flags = text->textInteractionFlags();
        }
        box->accept();
    });
    ModalMessageBox().show(nullptr, QStringLiteral("https://example.net/"), MessageIcon::Critical);
    QVERIFY(flags.testFlag(Qt::TextSelectableByMouse));
}

}  // namespace amsaview

QTEST_MAIN(amsaview::MessageBoxesTest)
#include "MessageBoxesTest.moc"
