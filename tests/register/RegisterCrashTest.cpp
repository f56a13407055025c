#include <gtest/gtest.h>
#include <signal.h>

#include <QProcess>
#include <QTemporaryDir>

#include "register/Register.h"

namespace amsaview {
namespace {

// A program killed outright in the middle of saving leaves a register that
// opens without repair and holds every save it finished.
TEST(RegisterCrash, AKilledWriterLosesNoCompletedSave) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("births.sqlite"));

    QProcess writer;
    writer.start(QStringLiteral(AMSAVIEW_REGISTER_CRASH_CHILD), {path});
    ASSERT_TRUE(writer.waitForStarted());
    std::vector<BirthId> completed;
    constexpr std::size_t kSavesBeforeTheKill = 150;
    while (completed.size() < kSavesBeforeTheKill) {
        if (!writer.canReadLine()) {
            ASSERT_TRUE(writer.waitForReadyRead(30000))
                << writer.readAllStandardError().toStdString();
            continue;
        }
        completed.push_back(writer.readLine().trimmed().toLongLong());
    }
    ::kill(static_cast<pid_t>(writer.processId()), SIGKILL);
    ASSERT_TRUE(writer.waitForFinished(30000));
    ASSERT_EQ(writer.exitStatus(), QProcess::CrashExit);
    // Lines already in the pipe are saves completed before the kill as well.
    while (writer.canReadLine()) {
        completed.push_back(writer.readLine().trimmed().toLongLong());
    }

    Register births;
    const auto opened = births.open(path);
    ASSERT_TRUE(opened) << opened.error().toStdString();
    ASSERT_FALSE(opened.value().startedFresh());
    for (std::size_t sequence = 0; sequence < completed.size(); ++sequence) {
        const auto birth = births.load(completed[sequence]);
        ASSERT_TRUE(birth) << "save " << sequence << ": " << birth.error().toStdString();
        EXPECT_EQ(birth.value().form.city, std::to_string(sequence));
        EXPECT_EQ(birth.value().note.size(), sequence % 997);
    }
    // At most the one save in flight may have landed without being reported.
    const int stored = births.count().value();
    EXPECT_GE(stored, static_cast<int>(completed.size()));
    EXPECT_LE(stored, static_cast<int>(completed.size()) + 1);
}

}  // namespace
}  // namespace amsaview
