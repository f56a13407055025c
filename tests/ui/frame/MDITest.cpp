#include <QAction>
#include <QGroupBox>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QtTest>

#include "support/FindChild.h"
#include "ui/frame/MDI.h"
#include "ui/frame/WebPages.h"
#include "ui/result/ChartGrid.h"

namespace amsaview {
namespace {

using testing::Child;

class NoWebPages final : public WebPageOpener {
  public:
    void open(const QUrl&) override {}
};

QColor Background(const QWidget& widget, QPalette::ColorRole role = QPalette::Window) {
    return widget.palette().color(role);
}

}  // namespace

class MDITest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        aboutShown_ = 0;
        frame_ = new MDI(webPages_, [this] { ++aboutShown_; });
        frame_->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame_));
    }

    void cleanup() {
        delete frame_;  // null once Back or Exit has unloaded it
    }

    void opensOnTheRashiChart() {
        QCOMPARE(frame_->windowTitle(), QStringLiteral("Amsaview v1.80"));
        QVERIFY(Child<ChartGrid>(*frame_, "fraBirthchart").isVisible());
        for (const char* chart : {"fraHora", "fraDrekkana", "fraChaturthamsa", "fraSaptamsa",
                                  "fraNavamsa", "fraDasamsa", "fraDwadasamsa"}) {
            QVERIFY2(!Child<ChartGrid>(*frame_, chart).isVisible(), chart);
        }
        QVERIFY(!Child<QTabBar>(*frame_, "TabStrip1").isVisible());
        QVERIFY(Child<QGroupBox>(*frame_, "fraDetails").isVisible());
        QVERIFY(!Child<QGroupBox>(*frame_, "fraVedic").isVisible());
    }

    void composedColoursAndCaptions() {
        QCOMPARE(Background(Child<QWidget>(*frame_, "picTop")), QColor(199, 121, 50));
        QCOMPARE(Background(Child<QWidget>(*frame_, "Picture1")), QColor(192, 192, 0));
        for (const char* button : {"cmdBack", "cmdExit"}) {
            QCOMPARE(Background(Child<QPushButton>(*frame_, button), QPalette::Button),
                     QColor(200, 175, 149));
        }
        QCOMPARE(Child<QPushButton>(*frame_, "cmdBack").text(), QStringLiteral("&Back"));
        QCOMPARE(Child<QPushButton>(*frame_, "cmdExit").text(), QStringLiteral("E&xit"));
        QCOMPARE(Child<QAction>(*frame_, "mnuBack").text(), QStringLiteral("&Back"));
        QCOMPARE(Child<QAction>(*frame_, "mnuExit").text(), QStringLiteral("E&xit"));
    }

    // Exit 300 twips (20 px) from the right edge, Back 100 twips (7 px) left
    // of it; both buttons 1335 twips (89 px) wide.
    void barButtonsKeepTheirPlaces_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("exitLeft");
        QTest::addColumn<int>("backLeft");
        QTest::newRow("narrow") << 800 << 691 << 595;
        QTest::newRow("wider") << 1000 << 891 << 795;
        QTest::newRow("wide") << 1600 << 1491 << 1395;
    }

    void barButtonsKeepTheirPlaces() {
        QFETCH(int, width);
        QFETCH(int, exitLeft);
        QFETCH(int, backLeft);
        frame_->resize(width, frame_->height());
        QTRY_COMPARE(Child<QWidget>(*frame_, "Picture1").width(), width);
        QCOMPARE(Child<QPushButton>(*frame_, "cmdExit").x(), exitLeft);
        QCOMPARE(Child<QPushButton>(*frame_, "cmdBack").x(), backLeft);
        QCOMPARE(Child<QPushButton>(*frame_, "cmdExit").width(), 89);
    }

    void resultWindowStaysWholeWhenTheFrameShrinks() {
        frame_->resize(200, 200);
        QTRY_VERIFY(frame_->width() >= 755);
        const QWidget& display = Child<QWidget>(*frame_, "frmDisplay");
        QCOMPARE(display.size(), QSize(755, 533));
        QVERIFY(display.visibleRegion().boundingRect() == display.rect());
    }

    void backUnloadsTheFrame_data() {
        QTest::addColumn<bool>("fromMenu");
        QTest::newRow("button") << false;
        QTest::newRow("menu") << true;
    }

    void backUnloadsTheFrame() {
        QFETCH(bool, fromMenu);
        QSignalSpy back(frame_.data(), &MDI::backRequested);
        QSignalSpy exit(frame_.data(), &MDI::exitRequested);
        if (fromMenu) {
            Child<QAction>(*frame_, "mnuBack").trigger();
        } else {
            QTest::mouseClick(&Child<QPushButton>(*frame_, "cmdBack"), Qt::LeftButton);
        }
        QCOMPARE(back.count(), 1);
        QCOMPARE(exit.count(), 0);
        QTRY_VERIFY(frame_.isNull());
    }

    void exitAndClosingEndTheProgram_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("button") << "cmdExit";
        QTest::newRow("menu") << "mnuExit";
        QTest::newRow("window closed") << "";
    }

    void exitAndClosingEndTheProgram() {
        QFETCH(QString, how);
        QSignalSpy back(frame_.data(), &MDI::backRequested);
        QSignalSpy exit(frame_.data(), &MDI::exitRequested);
        if (how == "cmdExit") {
            QTest::mouseClick(&Child<QPushButton>(*frame_, how), Qt::LeftButton);
        } else if (how == "mnuExit") {
            Child<QAction>(*frame_, how).trigger();
        } else {
            frame_->close();
        }
        QCOMPARE(exit.count(), 1);
        QCOMPARE(back.count(), 0);
    }

    void aboutFromTheHelpMenu() {
        Child<QAction>(*frame_, "mnuAbout").trigger();
        QCOMPARE(aboutShown_, 1);
    }

  private:
    NoWebPages webPages_;
    QPointer<MDI> frame_;
    int aboutShown_ = 0;
};

}  // namespace amsaview

QTEST_MAIN(amsaview::MDITest)
#include "MDITest.moc"
