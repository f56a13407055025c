#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <cstring>
#include <thread>

#include "ui/frame/InstanceLock.h"
#include "ui/frame/MessageBoxes.h"

namespace amsaview {
namespace {

constexpr char kHoldLock[] = "--hold-lock";

struct Message {
    QString text;
    MessageIcon icon;
};

class RecordingSink final : public MessageSink {
  public:
    void show(QWidget*, const QString& text, MessageIcon icon) override {
        messages.push_back({text, icon});
    }
    std::vector<Message> messages;
};

// Another copy of the program, played by this test executable: it takes the
// lock, says so, and runs until it is killed.
int HoldLockUntilKilled(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    InstanceLock lock(QString::fromLocal8Bit(argv[2]));
    if (!lock.acquire()) {
        return 1;
    }
    std::puts("locked");
    std::fflush(stdout);
    for (;;) {
        std::this_thread::sleep_for(std::chrono::seconds(1));
    }
}

}  // namespace

class InstanceLockTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        QVERIFY(folder_.isValid());
        path_ = folder_.filePath(QStringLiteral("amsaview.lock"));
    }

    void secondCopyIsToldAndRefused() {
        InstanceLock first(path_);
        RecordingSink firstMessages;
        QVERIFY(ClaimOnlyInstance(first, firstMessages));
        QVERIFY(firstMessages.messages.empty());

        InstanceLock second(path_);
        RecordingSink secondMessages;
        QVERIFY(!ClaimOnlyInstance(second, secondMessages));
        QCOMPARE(secondMessages.messages.size(), std::size_t{1});
        QCOMPARE(secondMessages.messages[0].text, QStringLiteral("Application is already running"));
        QVERIFY(secondMessages.messages[0].icon == MessageIcon::Information);
    }

    void lockOfARunningCopyHoldsAndACrashedOnesDoesNot() {
        QProcess other;
        other.start(QCoreApplication::applicationFilePath(), {QLatin1String(kHoldLock), path_});
        QVERIFY(other.waitForReadyRead(10000));
        QCOMPARE(other.readLine().trimmed(), QByteArray("locked"));

        QVERIFY(!InstanceLock(path_).acquire());
        // However long the first copy has been running.
        QFile lockFile(path_);
        QVERIFY(lockFile.open(QIODevice::ReadWrite));
        QVERIFY(lockFile.setFileTime(QDateTime::currentDateTime().addDays(-2),
                                     QFileDevice::FileModificationTime));
        lockFile.close();
        QVERIFY(!InstanceLock(path_).acquire());

        other.kill();  // no chance to remove its lock file
        QVERIFY(other.waitForFinished(10000));
        QVERIFY(QFile::exists(path_));
        InstanceLock next(path_);
        QVERIFY(next.acquire());
    }

    void lockIsFreedWhenTheCopyEnds() {
        {
            InstanceLock first(path_);
            QVERIFY(first.acquire());
        }
        QVERIFY(InstanceLock(path_).acquire());
    }

  private:
    QTemporaryDir folder_;
    QString path_;
};

}  // namespace amsaview

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], amsaview::kHoldLock) == 0) {
        return amsaview::HoldLockUntilKilled(argc, argv);
    }
    QCoreApplication app(argc, argv);
    amsaview::InstanceLockTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "InstanceLockTest.moc"
