#include <QAction>
#include <QGroupBox>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabBar>
#include <QtTest>

#include "support/FindChild.h"
#include "support/RecordingSeams.h"
#include "ui/common/WebPages.h"
#include "ui/result/ChartGrid.h"
#include "ui/shell/MDI.h"
#include "ui/shell/PrintMenu.h"

namespace amsaview {
namespace {

using testing::Child;

QColor Background(const QWidget& widget, QPalette::ColorRole role = QPalette::Window) {
    return widget.palette().color(role);
}

}  // namespace

class MDITest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        aboutShown_ = 0;
        frame_ = new MDI(webPages_, LinkTargets{}, [this] { ++aboutShown_; });
        frame_->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame_));
    }

    void cleanup() {
        delete frame_;  // null once Back or Exit has unloaded it
    }

    // The print dialog offers its document name as the file; Export's rule,
    // worked by hand: letters kept, blanks as hyphens, the date.
    void printOffersTheFileExportOffers() {
        BirthData birth;
        birth.name = "JOS\u00c9 O'BRIEN";
        birth.year = 1983;
        birth.month = 9;
        birth.day = 25;
        QPrinter printer;
        PreparePrinter(printer, birth);
        QCOMPARE(printer.docName(), QStringLiteral("JOS\u00c9-OBRIEN-1983-09-25.pdf"));
    }

    // Screen 0,0 1600x1000; the window manager adds 10 px around and 30 above.
    void opensAtTheFormsPlaceWhereTheScreenHasRoom_data() {
        QTest::addColumn<QRect>("form");
        QTest::addColumn<QSize>("frame");
        QTest::addColumn<QRect>("place");
        QTest::newRow("form larger: its place and size")
            << QRect(900, 100, 700, 600) << QSize(600, 500) << QRect(880, 100, 700, 600);
        QTest::newRow("frame larger: the form's place, the frame's size")
            << QRect(300, 200, 500, 400) << QSize(800, 700) << QRect(300, 200, 800, 700);
        QTest::newRow("past the right and bottom edges: moved in")
            << QRect(1200, 700, 500, 400) << QSize(800, 700) << QRect(780, 260, 800, 700);
        QTest::newRow("above and left of the screen: moved in")
            << QRect(-50, -20, 500, 400) << QSize(800, 700) << QRect(0, 0, 800, 700);
        QTest::newRow("larger than the screen: shrunk to it")
            << QRect(100, 100, 500, 400) << QSize(2000, 1200) << QRect(0, 0, 1580, 960);
    }

    void opensAtTheFormsPlaceWhereTheScreenHasRoom() {
        QFETCH(QRect, form);
        QFETCH(QSize, frame);
        QFETCH(QRect, place);
        QCOMPARE(PlaceOfForm(form, frame, QSize(20, 40), QRect(0, 0, 1600, 1000)), place);
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

    // The offscreen screen is 800 x 600, smaller than the whole frame, as a
    // 1280 x 720 screen at 125 % is.
    void opensWithinTheScreen() {
        const QRect screen = frame_->screen()->availableGeometry();
        QVERIFY2(frame_->height() <= screen.height() && frame_->width() <= screen.width(),
                 qPrintable(QStringLiteral("%1 x %2").arg(frame_->width()).arg(frame_->height())));
        // Back and Exit stay on the screen.
        for (const char* button : {"cmdBack", "cmdExit"}) {
            const auto& shown = Child<QPushButton>(*frame_, button);
            const QRect place(shown.mapTo(frame_, QPoint()), shown.size());
            QVERIFY2(frame_->rect().contains(place), button);
        }
    }

    void resultWindowKeepsItsSizeAndScrollsInASmallFrame() {
        const QWidget& display = Child<QWidget>(*frame_, "frmDisplay");
        const QSize whole = display.size();
        QVERIFY(whole.width() >= 755 && whole.height() >= 533);
        frame_->resize(400, 300);
        auto& workspace = *frame_->findChild<QScrollArea*>();
        QTRY_VERIFY(workspace.verticalScrollBar()->maximum() > 0);
        QVERIFY(workspace.horizontalScrollBar()->maximum() > 0);
        // No smaller than composed: it scrolls instead.
        QVERIFY(display.width() >= 755 && display.height() >= 533);

        // Scrolled to the end, the window's bottom right corner shows.
        workspace.verticalScrollBar()->setValue(workspace.verticalScrollBar()->maximum());
        workspace.horizontalScrollBar()->setValue(workspace.horizontalScrollBar()->maximum());
        const QPoint corner = display.mapTo(workspace.viewport(), display.rect().bottomRight());
        QVERIFY(workspace.viewport()->rect().contains(corner));

        // With room enough, no scroll bars and the window whole again.
        frame_->resize(1200, 900);
        QTRY_COMPARE(workspace.verticalScrollBar()->maximum(), 0);
        QCOMPARE(workspace.horizontalScrollBar()->maximum(), 0);
        QTRY_COMPARE(display.visibleRegion().boundingRect(), display.rect());
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
    testing::RecordingWebPageOpener webPages_;
    QPointer<MDI> frame_;
    int aboutShown_ = 0;
};

}  // namespace amsaview

QTEST_MAIN(amsaview::MDITest)
#include "MDITest.moc"
