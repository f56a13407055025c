#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <cstring>
#include <sstream>
#include <thread>

#include <sys/stat.h>
#include <unistd.h>

#include "ui/shell/InstanceLock.h"
#include "ui/common/MessageBoxes.h"

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
    Answer ask(QWidget*, const QString&, Question) override { return Answer::Cancel; }
    int choose(QWidget*, const QString& text, const QStringList&) override {
        messages.push_back({text, MessageIcon::Information});
        return 0;
    }
    std::vector<Message> messages;
};

// Another copy of the program, played by this test executable: it takes the
// lock, says so, and runs until it is killed.
int HoldLockUntilKilled(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    InstanceLock lock(QString::fromLocal8Bit(argv[2]));
    if (lock.acquire() != InstanceLock::Outcome::Taken) {
        return 1;
    }
    std::puts("locked");
    std::fflush(stdout);
    for (;;) {
        std::this_thread::sleep_for(std::chrono::seconds(1));
    }
}

void Write(const QString& path, const QByteArray& content) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(content), content.size());
}

}  // namespace

class InstanceLockTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        QVERIFY(folder_.isValid());
        path_ = folder_.filePath(QStringLiteral("amsaview.lock"));
    }

    void cleanup() {
        QFile::setPermissions(folder_.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QFile::remove(path_);
        QDir(path_).removeRecursively();
    }

    void secondCopyIsToldAndRefused() {
        InstanceLock first(path_);
        RecordingSink firstMessages;
        std::ostringstream firstErrors;
        QVERIFY(ClaimOnlyInstance(first, firstMessages, firstErrors));
        QVERIFY(firstMessages.messages.empty());

        InstanceLock second(path_);
        RecordingSink secondMessages;
        std::ostringstream secondErrors;
        QVERIFY(!ClaimOnlyInstance(second, secondMessages, secondErrors));
        QCOMPARE(secondMessages.messages.size(), std::size_t{1});
        QCOMPARE(secondMessages.messages[0].text, QStringLiteral("Application is already running"));
        QVERIFY(secondMessages.messages[0].icon == MessageIcon::Information);
        QVERIFY(firstErrors.str().empty() && secondErrors.str().empty());
    }

    void lockOfARunningCopyHoldsAndACrashedOnesDoesNot() {
        QProcess other;
        other.start(QCoreApplication::applicationFilePath(), {QLatin1String(kHoldLock), path_});
        QVERIFY(other.waitForReadyRead(10000));
        QCOMPARE(other.readLine().trimmed(), QByteArray("locked"));

        QVERIFY(InstanceLock(path_).acquire() == InstanceLock::Outcome::HeldByAnother);
        // However long the first copy has been running.
        QFile lockFile(path_);
        QVERIFY(lockFile.open(QIODevice::ReadWrite));
        QVERIFY(lockFile.setFileTime(QDateTime::currentDateTime().addDays(-2),
                                     QFileDevice::FileModificationTime));
        lockFile.close();
        QVERIFY(InstanceLock(path_).acquire() == InstanceLock::Outcome::HeldByAnother);

        other.kill();  // no chance to remove its lock file
        QVERIFY(other.waitForFinished(10000));
        QVERIFY(QFile::exists(path_));
        QVERIFY(InstanceLock(path_).acquire() == InstanceLock::Outcome::Taken);
    }

    void lockIsFreedWhenTheCopyEnds() {
        {
            InstanceLock first(path_);
            QVERIFY(first.acquire() == InstanceLock::Outcome::Taken);
        }
        QVERIFY(InstanceLock(path_).acquire() == InstanceLock::Outcome::Taken);
    }

    // What a power cut, another program or an older copy can leave where the
    // lock belongs: none of it is a running copy, so none of it keeps the user out.
    void leftoversAreNoLock_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("empty file") << QByteArray() << false;
        QTest::newRow("unreadable text") << QByteArray("\xff\x00\xfe garbage\n", 12) << false;
        QTest::newRow("dead process on another host")
            << QByteArray("999999\namsaview\nsome-other-host\n") << false;
        QTest::newRow("live process of another program")
            << QByteArray::number(qint64(::getppid())) + "\nsh\n"
            << false;
        QTest::newRow("read-only file") << QByteArray("1\n") << true;
    }

    void leftoversAreNoLock() {
        QFETCH(QByteArray, content);
        QFETCH(bool, readOnly);
        Write(path_, content);
        if (readOnly) {
            QVERIFY(QFile::setPermissions(path_, QFile::ReadOwner));
        }
        InstanceLock lock(path_);
        RecordingSink messages;
        std::ostringstream errors;
        QVERIFY(ClaimOnlyInstance(lock, messages, errors));
        QVERIFY(messages.messages.empty());
        QCOMPARE(QString::fromStdString(errors.str()), QString());
        // ... and the copy that ran over it holds a real lock.
        QVERIFY(InstanceLock(path_).acquire() == InstanceLock::Outcome::HeldByAnother);
    }

    void emptyFolderAtTheLocksPathGivesWay() {
        QVERIFY(QDir().mkdir(path_));
        InstanceLock lock(path_);
        QVERIFY(lock.acquire() == InstanceLock::Outcome::Taken);
        QVERIFY(QFileInfo(path_).isFile());
    }

    // Where no lock can be had the program runs unguarded and says so.
    void runsWhenNoLockCanBeHad_data() {
        QTest::addColumn<QString>("setUp");
        QTest::newRow("folder with files at the lock's path") << "full folder";
        QTest::newRow("a file where the lock's folder belongs") << "file as folder";
        QTest::newRow("no folder of the user alone") << "no path";
        QTest::newRow("unwritable lock folder") << "unwritable";
    }

    void runsWhenNoLockCanBeHad() {
        QFETCH(QString, setUp);
        QString path = path_;
        if (setUp == QLatin1String("full folder")) {
            QVERIFY(QDir().mkdir(path_));
            Write(QDir(path_).filePath(QStringLiteral("keep")), "x");
        } else if (setUp == QLatin1String("file as folder")) {
            Write(path_, "");
            path = path_ + QStringLiteral("/amsaview.lock");
        } else if (setUp == QLatin1String("no path")) {
            path.clear();
        } else {
            if (::geteuid() == 0) {
                QSKIP("the superuser writes in any folder");
            }
            QVERIFY(QFile::setPermissions(folder_.path(), QFile::ReadOwner | QFile::ExeOwner));
        }
        InstanceLock lock(path);
        RecordingSink messages;
        std::ostringstream errors;
        QVERIFY(ClaimOnlyInstance(lock, messages, errors));
        QVERIFY(messages.messages.empty());
        const QString said = QString::fromStdString(errors.str());
        QVERIFY2(
            said.startsWith(QStringLiteral("amsaview: running without the single-copy check: ")) &&
                said.endsWith(u'\n') && said.count(u'\n') == 1,
            qPrintable(said));
        if (!path.isEmpty()) {
            QVERIFY2(said.contains(path), qPrintable(said));
        }
    }

    void lockPathIsTheUsersAlone() {
        const QString name = QStringLiteral("amsaview-%1.lock").arg(::geteuid());
        const QString runtime = folder_.filePath(QStringLiteral("runtime"));
        const QString cache = folder_.filePath(QStringLiteral("cache/amsaview"));
        const auto ownerOnly = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;

        // Missing folders are made; the runtime folder comes first.
        QCOMPARE(InstanceLockPath(runtime, cache), QDir(runtime).filePath(name));
        QVERIFY(QFile::setPermissions(runtime, ownerOnly));
        QCOMPARE(InstanceLockPath(runtime, cache), QDir(runtime).filePath(name));

        // A folder others may write in, like a shared temporary folder, is passed over.
        QVERIFY(QFile::setPermissions(
            runtime, ownerOnly | QFile::WriteOther | QFile::ReadOther | QFile::ExeOther));
        QCOMPARE(InstanceLockPath(runtime, cache), QDir(cache).filePath(name));
        QVERIFY(QFile::setPermissions(runtime, ownerOnly | QFile::WriteGroup));
        QCOMPARE(InstanceLockPath(runtime, cache), QDir(cache).filePath(name));
        QCOMPARE(InstanceLockPath(QString(), cache), QDir(cache).filePath(name));

        QVERIFY(QFile::setPermissions(cache, ownerOnly | QFile::WriteOther));
        QCOMPARE(InstanceLockPath(runtime, cache), QString());
        Write(folder_.filePath(QStringLiteral("file")), "");
        QCOMPARE(InstanceLockPath(folder_.filePath(QStringLiteral("file")), QString()), QString());
        QVERIFY(DefaultInstanceLockPath().endsWith(QLatin1Char('/') + name));
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
