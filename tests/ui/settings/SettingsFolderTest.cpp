#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QSize>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "register/Register.h"
#include "ui/settings/SettingsFolder.h"

namespace amsaview {

// The settings' folder is a temporary one: QSettings's user path is set to
// it, as XDG_CONFIG_HOME would.
class SettingsFolderTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void settingsLiveUnderTheProgramsName();
    void earlierSettingsAreMovedOnce();
    void settingsSavedSinceAreNotOverwritten();
    void theRegisterStaysWhereEarlierVersionsKeptIt();

  private:
    QString earlierFile() const { return folder_->filePath("Unknown Organization/Amsaview.conf"); }
    QString currentFile() const { return folder_->filePath("Amsaview/Amsaview.conf"); }
    void writeEarlier(const QString& kind) const;

    std::unique_ptr<QTemporaryDir> folder_;
};

void SettingsFolderTest::init() {
    folder_ = std::make_unique<QTemporaryDir>();
    QVERIFY(folder_->isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder_->path());
    QCoreApplication::setOrganizationName(QString());
    QCoreApplication::setApplicationName(QStringLiteral("Amsaview"));
}

void SettingsFolderTest::writeEarlier(const QString& kind) const {
    QSettings earlier;  // as an earlier version wrote it: no organisation name
    QCOMPARE(earlier.fileName(), earlierFile());
    earlier.setValue(QStringLiteral("method/kind"), kind);
    earlier.setValue(QStringLiteral("window/size"), QSize(640, 480));
    earlier.sync();
    QVERIFY(QFile::exists(earlierFile()));
}

void SettingsFolderTest::settingsLiveUnderTheProgramsName() {
    QCOMPARE(UseProgramSettingsFolder(), QString());
    QCOMPARE(QSettings().fileName(), currentFile());
    QVERIFY(!QFile::exists(earlierFile()));
}

void SettingsFolderTest::earlierSettingsAreMovedOnce() {
    writeEarlier(QStringLiteral("swiss"));
    QCOMPARE(UseProgramSettingsFolder(), QString());
    QVERIFY(!QFile::exists(earlierFile()));
    QVERIFY(!QDir(folder_->filePath("Unknown Organization")).exists());
    {
        QSettings moved;
        QCOMPARE(moved.value(QStringLiteral("method/kind")).toString(), QStringLiteral("swiss"));
        QCOMPARE(moved.value(QStringLiteral("window/size")).toSize(), QSize(640, 480));
        moved.setValue(QStringLiteral("method/kind"), QStringLiteral("builtin"));
    }
    QCOMPARE(UseProgramSettingsFolder(), QString());
    QCOMPARE(QSettings().value(QStringLiteral("method/kind")).toString(),
             QStringLiteral("builtin"));
}

void SettingsFolderTest::settingsSavedSinceAreNotOverwritten() {
    QCOMPARE(UseProgramSettingsFolder(), QString());
    QSettings().setValue(QStringLiteral("method/kind"), QStringLiteral("builtin"));
    QCoreApplication::setOrganizationName(QString());
    writeEarlier(QStringLiteral("swiss"));
    QCOMPARE(UseProgramSettingsFolder(), QString());
    QCOMPARE(QSettings().value(QStringLiteral("method/kind")).toString(),
             QStringLiteral("builtin"));
}

void SettingsFolderTest::theRegisterStaysWhereEarlierVersionsKeptIt() {
    QStandardPaths::setTestModeEnabled(true);
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    QCOMPARE(UseProgramSettingsFolder(), QString());
    QCOMPARE(Register::DefaultPath(), data + QStringLiteral("/Amsaview/births.sqlite"));
    QStandardPaths::setTestModeEnabled(false);
}

}  // namespace amsaview

QTEST_MAIN(amsaview::SettingsFolderTest)
#include "SettingsFolderTest.moc"
