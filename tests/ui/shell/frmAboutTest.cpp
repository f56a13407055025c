#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "support/RecordingSeams.h"
#include "ui/common/WebPages.h"
#include "ui/shell/frmAbout.h"

namespace amsaview {

// Run at 96 dpi and, with the offscreen screen of 144 dpi, with fonts half as
// large again.
class frmAboutTest : public QObject {
    Q_OBJECT

  private slots:
    void noTwoTextsOverlapAndNoneIsCutAtAnySize();
    void canBeResized();

  private:
    testing::RecordingWebPageOpener opener_;
    const LinkTargets links_{QUrl(), QStringLiteral("https://example.net/amsaview/")};
};

namespace {

QList<QWidget*> Texts(const QDialog& about) {
    QList<QWidget*> texts;
    for (QWidget* child : about.findChildren<QWidget*>()) {
        if ((qobject_cast<QLabel*>(child) || qobject_cast<QPushButton*>(child)) &&
            child->isVisible()) {
            texts.append(child);
        }
    }
    return texts;
}

void CheckLayout(const QDialog& about, const char* size) {
    const QList<QWidget*> texts = Texts(about);
    QVERIFY2(texts.size() >= 7, size);
    for (qsizetype i = 0; i < texts.size(); ++i) {
        const QRect box = texts[i]->geometry();
        const QByteArray what = texts[i]->objectName().toLatin1() + " at " + size;
        QVERIFY2(about.rect().contains(box), what.constData());
        if (const auto* label = qobject_cast<QLabel*>(texts[i]); label && label->wordWrap()) {
            QVERIFY2(box.height() >= label->heightForWidth(box.width()), what.constData());
        }
        for (qsizetype j = i + 1; j < texts.size(); ++j) {
            const QByteArray pair = what + " and " + texts[j]->objectName().toLatin1();
            QVERIFY2(!box.intersects(texts[j]->geometry()), pair.constData());
        }
    }
}

}  // namespace

void frmAboutTest::noTwoTextsOverlapAndNoneIsCutAtAnySize() {
    frmAbout about(opener_, links_);
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    CheckLayout(about, "its first size");
    about.resize(1, 1);
    QTest::qWait(0);
    CheckLayout(about, "its smallest size");
    about.resize(about.minimumWidth() * 2, about.minimumHeight());
    QTest::qWait(0);
    CheckLayout(about, "twice as wide");
}

void frmAboutTest::canBeResized() {
    frmAbout about(opener_, links_);
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    const QSize first = about.size();
    about.resize(first + QSize(200, 100));
    QCOMPARE(about.size(), first + QSize(200, 100));
    QVERIFY(about.isSizeGripEnabled());
}

}  // namespace amsaview

QTEST_MAIN(amsaview::frmAboutTest)
#include "frmAboutTest.moc"
