#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>

#include "support/ComputedChart.h"
#include "support/FindChild.h"
#include "support/FormExamples.h"
#include "support/RecordingSeams.h"
#include "ui/result/ChartGrid.h"
#include "ui/result/frmDisplay.h"
#include "ui/shell/MDI.h"

namespace amsaview {

using testing::Child;

// The result window in the main frame: it fills the frame's workspace, its
// chart grows with it, and it scrolls only where the frame is too small.
class ResultInFrameTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        frame_ = new MDI(webPages_, LinkTargets{}, [] {});
        frame_->display().showResult(
            testing::ComputedChart(testing::DelhiForm(2020, 2, 18, 12, 0)));
        frame_->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame_));
    }

    void cleanup() { delete frame_; }

    void opensWithoutAScrollBar() {
        const auto* workspace = frame_->findChild<QScrollArea*>();
        QVERIFY(workspace != nullptr);
        QTest::qWait(20);
        QVERIFY2(!workspace->horizontalScrollBar()->isVisible(),
                 qPrintable(QString::number(workspace->horizontalScrollBar()->maximum())));
        QVERIFY2(!workspace->verticalScrollBar()->isVisible(),
                 qPrintable(QString::number(workspace->verticalScrollBar()->maximum())));
    }

    void theResultAndItsChartGrowWithTheFrame() {
        const frmDisplay& display = frame_->display();
        const auto& chart = Child<ChartGrid>(display, "fraBirthchart");
        const QSize window = display.size();
        const QSize drawn = chart.size();
        frame_->resize(frame_->size() + QSize(300, 200));
        QTRY_VERIFY(display.width() >= window.width() + 280);
        QVERIFY(display.height() >= window.height() + 180);
        QTRY_VERIFY(chart.width() >= drawn.width() + 250);
        QVERIFY(chart.height() >= drawn.height() + 150);
        const auto* workspace = frame_->findChild<QScrollArea*>();
        QVERIFY(!workspace->horizontalScrollBar()->isVisible());
        QVERIFY(!workspace->verticalScrollBar()->isVisible());
    }

    void aFrameSmallerThanTheWindowScrollsIt() {
        const QSize composed = frame_->display().minimumSizeHint();
        frame_->resize(composed.width() / 2, composed.height() / 2);
        const auto* workspace = frame_->findChild<QScrollArea*>();
        QTRY_VERIFY(workspace->horizontalScrollBar()->isVisible());
        QVERIFY(workspace->verticalScrollBar()->isVisible());
        QVERIFY(frame_->display().width() >= composed.width());
    }

  private:
    testing::RecordingWebPageOpener webPages_;
    MDI* frame_ = nullptr;
};

}  // namespace amsaview

QTEST_MAIN(amsaview::ResultInFrameTest)
#include "ResultInFrameTest.moc"
