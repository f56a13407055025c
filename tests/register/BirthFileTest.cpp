#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <map>

#include "BirthSamples.h"
#include "register/AafFile.h"
#include "register/BirthFile.h"
#include "register/Register.h"
#include "support/FifoReader.h"

namespace amsaview {
namespace {

// Written by hand after docs/birth-files.md.
constexpr char kHandWritten[] = R"({
  "format": "amsaview-births",
  "version": 1,
  "births": [
    {
      "name": "RAM KUMAR", "monthRow": 2, "dayRow": 6, "yearRow": 74,
      "hourRow": 9, "minuteRow": 5, "secondRow": 30,
      "lonDegrees": "77", "lonMinutes": "12", "east": true,
      "latDegrees": "28", "latMinutes": "36", "south": false,
      "city": "Pune", "state": "Maharashtra", "country": "India",
      "zoneRow": 34, "dst": false,
      "zoneName": "Asia/Kolkata", "utcOffsetSeconds": 19800,
      "offsetDescription": "India Standard Time", "note": "née \"Ram\""
    },
    {
      "name": "SITA DEVI", "monthRow": 0, "dayRow": 0, "yearRow": 0,
      "hourRow": 0, "minuteRow": 0, "secondRow": 0,
      "lonDegrees": "", "lonMinutes": "", "east": false,
      "latDegrees": "", "latMinutes": "", "south": true,
      "city": "", "state": "", "country": "",
      "zoneRow": null, "dst": true
    }
  ]
})";

// The same births in version 2, written by hand after docs/birth-files.md.
constexpr char kHandWrittenVersion2[] = R"({
  "format": "amsaview-births",
  "version": 2,
  "births": [
    {
      "name": "RAM KUMAR", "date": "1975-03-07", "time": "09:05:30",
      "lon": "77E12", "lat": "28N36",
      "city": "Pune", "state": "Maharashtra", "country": "India",
      "zone": 34, "dst": false,
      "tz": "Asia/Kolkata", "utcOffsetSeconds": 19800,
      "offsetDescription": "India Standard Time", "note": "née \"Ram\""
    },
    {
      "name": "SITA DEVI", "date": "1901-01-01", "time": "00:00:00",
      "lon": "W", "lat": "S",
      "city": "", "state": "", "country": "",
      "zone": null, "dst": true
    }
  ]
})";

// Version 1 is still read, and both versions say the same births.
TEST(BirthFile, ReadsHandWrittenFilesOfBothVersions) {
    for (const char* json : {kHandWritten, kHandWrittenVersion2}) {
        const auto births = BirthsFromJson(json);
        ASSERT_TRUE(births) << births.error().toStdString();
        ASSERT_EQ(births.value().size(), 2u);

        SavedBirth ram = Birth("RAM KUMAR", 1975, "Pune", "India");
        ram.form.secondRow = 30;
        ram.form.state = "Maharashtra";
        ram.form.exactClock = ExactClock{19800, "India Standard Time", "Asia/Kolkata"};
        ram.note = "née \"Ram\"";
        EXPECT_TRUE(births.value()[0] == ram);

        SavedBirth sita = SmallestBirth();
        sita.form.name = "SITA DEVI";
        sita.form.south = true;
        sita.form.dst = true;
        EXPECT_TRUE(births.value()[1] == sita);
    }
}

// Each list's ends and both hemispheres of each coordinate as version 2
// writes them: the texts a person or another program reads.
TEST(BirthFile, WritesTheCalendarAndCoordinatesAsTexts) {
    struct Case {
        SavedBirth birth;
        const char* date;
        const char* time;
        const char* lon;
        const char* lat;
    };
    SavedBirth west = Birth("RAM KUMAR", 1975, "Pune");
    west.form.east = false;
    west.form.lonDegrees = "3";
    west.form.lonMinutes = "41";
    west.form.south = true;
    west.form.latDegrees = "33";
    west.form.latMinutes = "5";
    const Case kCases[] = {
        {Birth("RAM KUMAR", 1975, "Pune"), "1975-03-07", "09:05:00", "77E12", "28N36"},
        {west, "1975-03-07", "09:05:00", "3W41", "33S5"},
        {LargestBirth(), "2050-12-31", "23:59:59", "999W99", "99S99"},
        {SmallestBirth(), "1901-01-01", "00:00:00", "W", "N"},
    };
    for (const Case& c : kCases) {
        const QJsonObject written =
            QJsonDocument::fromJson(BirthsToJson({c.birth})).object()["births"][0].toObject();
        EXPECT_EQ(written["date"].toString(), c.date);
        EXPECT_EQ(written["time"].toString(), c.time);
        EXPECT_EQ(written["lon"].toString(), c.lon);
        EXPECT_EQ(written["lat"].toString(), c.lat);
        EXPECT_EQ(written.contains("utcOffsetSeconds"), c.birth.form.exactClock.has_value())
            << c.date;
    }
    const QJsonObject file = QJsonDocument::fromJson(BirthsToJson({})).object();
    EXPECT_EQ(file["version"].toInt(), 2);
}

TEST(BirthFile, ExportThenImportKeepsEveryField) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("family") + kBirthFileSuffix);
    const std::vector<SavedBirth> written = {LargestBirth(), SmallestBirth(),
                                             Birth("RAM KUMAR", 1975, "Pune")};
    ASSERT_TRUE(WriteBirthFile(path, written));
    const auto read = ReadBirthFile(path);
    ASSERT_TRUE(read) << read.error().toStdString();
    ASSERT_EQ(read.value().size(), written.size());
    for (std::size_t i = 0; i < written.size(); ++i) {
        EXPECT_TRUE(read.value()[i] == written[i]) << "birth " << i + 1;
    }
}

TEST(BirthFile, RegisterToFileToRegister) {
    QTemporaryDir folder;
    Register from;
    Register to;
    ASSERT_TRUE(from.open(folder.filePath("from.sqlite")));
    ASSERT_TRUE(to.open(folder.filePath("to.sqlite")));
    ASSERT_TRUE(from.importNew({Birth("SITA DEVI", 1980, "Mumbai"), LargestBirth()}));

    const QString file = folder.filePath("all.amsaview.json");
    ASSERT_TRUE(WriteBirthFile(file, from.loadAll().value()));
    const auto imported = ReadBirthFile(file);
    ASSERT_TRUE(imported);
    ASSERT_TRUE(to.importNew(imported.value()));

    const std::vector<SavedBirth> before = from.loadAll().value();
    const std::vector<SavedBirth> after = to.loadAll().value();
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < before.size(); ++i) {
        EXPECT_TRUE(after[i].form == before[i].form) << i;
        EXPECT_EQ(after[i].note, before[i].note) << i;
        EXPECT_EQ(after[i].form.exactClock, before[i].form.exactClock) << i;
    }
}

// A hand-written file with one field of its second birth changed.
QByteArray WithSecondBirth(const char* field, const QJsonValue& value,
                           const char* handWritten = kHandWritten) {
    QJsonObject file = QJsonDocument::fromJson(handWritten).object();
    QJsonArray births = file["births"].toArray();
    QJsonObject second = births[1].toObject();
    if (value.isUndefined()) {
        second.remove(QLatin1String(field));
    } else {
        second[QLatin1String(field)] = value;
    }
    births[1] = second;
    file["births"] = births;
    return QJsonDocument(file).toJson();
}

TEST(BirthFile, ABirthWithoutSecondsIsBornOnTheMinute) {
    QJsonObject file = QJsonDocument::fromJson(kHandWritten).object();
    QJsonArray births = file["births"].toArray();
    QJsonObject ram = births[0].toObject();
    ram.remove(QLatin1String("secondRow"));
    births[0] = ram;
    file["births"] = births;
    const auto read = BirthsFromJson(QJsonDocument(file).toJson());
    ASSERT_TRUE(read) << read.error().toStdString();
    EXPECT_EQ(read.value()[0].form.secondRow, 0);
    EXPECT_EQ(read.value()[0].form.minuteRow, 5);
}

TEST(BirthFile, OneBadFieldRefusesTheWholeFileNamingBirthAndField) {
    struct Case {
        const char* field;
        QJsonValue value;  // undefined: the field left out
        const char* message;
    };
    const QString longText(32768, u'a');
    const Case kCases[] = {
        {"monthRow", 12, "\"monthRow\" must be a whole number from 0 to 11"},
        {"monthRow", -1, "\"monthRow\" must be a whole number from 0 to 11"},
        {"monthRow", 1.5, "\"monthRow\" must be a whole number from 0 to 11"},
        {"monthRow", "3", "\"monthRow\" must be a whole number from 0 to 11"},
        {"dayRow", 31, "\"dayRow\" must be a whole number from 0 to 30"},
        {"yearRow", 150, "\"yearRow\" must be a whole number from 0 to 149"},
        {"hourRow", 24, "\"hourRow\" must be a whole number from 0 to 23"},
        {"minuteRow", 60, "\"minuteRow\" must be a whole number from 0 to 59"},
        {"secondRow", 60, "\"secondRow\" must be a whole number from 0 to 59"},
        {"zoneRow", 71, "\"zoneRow\" must be a whole number from 0 to 70, or null"},
        {"zoneRow", "GMT", "\"zoneRow\" must be a whole number from 0 to 70, or null"},
        {"zoneRow", QJsonValue::Undefined, "\"zoneRow\" is missing"},
        {"east", "yes", "\"east\" must be true or false"},
        {"dst", 1, "\"dst\" must be true or false"},
        {"city", QJsonValue::Null, "\"city\" must be text of at most 32767 characters"},
        {"city", longText, "\"city\" must be text of at most 32767 characters"},
        {"lonDegrees", "1234", "\"lonDegrees\" must be text of at most 3 characters"},
        {"latMinutes", QJsonValue::Undefined, "\"latMinutes\" is missing"},
        {"utcOffsetSeconds", 64801,
         "\"utcOffsetSeconds\" must be a whole number from -64800 to 64800, or null"},
        {"zoneName", 5, "\"zoneName\" must be text or null"},
        {"note", 7, "\"note\" must be text"},
        {"colour", "red", "\"colour\" is not a field of a birth"},
        // Version 2 writes a coordinate as one text split at its letter.
        {"lonDegrees", "7a", "\"lonDegrees\" must hold digits only"},
        {"latMinutes", "E", "\"latMinutes\" must hold digits only"},
    };
    for (const Case& c : kCases) {
        const auto births = BirthsFromJson(WithSecondBirth(c.field, c.value));
        ASSERT_FALSE(births) << c.field << " " << c.message;
        EXPECT_EQ(births.error(), QStringLiteral("Birth 2 (SITA DEVI): ") + c.message)
            << births.error().toStdString();
    }
    // Without a usable name the birth is named by its place alone.
    EXPECT_EQ(BirthsFromJson(WithSecondBirth("name", 42)).error(),
              "Birth 2: \"name\" must be text of at most 32767 characters");
}

QByteArray WithSecondBirthVersion2(const char* field, const QJsonValue& value) {
    return WithSecondBirth(field, value, kHandWrittenVersion2);
}

TEST(BirthFile, OneBadVersion2FieldRefusesTheFileNamingBirthAndField) {
    struct Case {
        const char* field;
        QJsonValue value;  // undefined: the field left out
    };
    const Case kCases[] = {
        {"date", "1975-3-07"},
        {"date", "1900-12-31"},
        {"date", "2051-01-01"},
        {"date", "1975-13-01"},
        {"date", "1975-00-10"},
        {"date", "1975-01-32"},
        {"date", "1975-01-00"},
        {"date", "1975/01/10"},
        {"date", 19750110},
        {"date", " 1975-01-10"},
        {"date", QJsonValue::Undefined},
        {"time", "24:00:00"},
        {"time", "09:60:00"},
        {"time", "09:05:60"},
        {"time", "09:05"},
        {"time", "9:05:00"},
        {"time", "09:05:00Z"},
        {"lon", "77N12"},
        {"lon", "1234E1"},
        {"lon", "77E123"},
        {"lon", "7a E1"},
        {"lon", "77"},
        {"lon", "77E1E"},
        {"lon", "-77E12"},
        {"lat", "28E36"},
        {"lat", "123N1"},
        {"lat", ""},
        {"lat", 28.6},
    };
    const std::map<std::string, std::string> kForms = {
        {"date", "YYYY-MM-DD (1901 to 2050)"},
        {"time", "HH:MM:SS"},
        {"lon", "DDDEMM or DDDWMM (77E12)"},
        {"lat", "DDNMM or DDSMM (28N36)"},
    };
    for (const Case& c : kCases) {
        const auto births = BirthsFromJson(WithSecondBirthVersion2(c.field, c.value));
        ASSERT_FALSE(births) << c.field << " " << c.value.toString().toStdString();
        const QString expected =
            c.value.isUndefined()
                ? QStringLiteral("Birth 2 (SITA DEVI): \"%1\" is missing").arg(c.field)
                : QStringLiteral("Birth 2 (SITA DEVI): \"%1\" must be text of the form %2")
                      .arg(c.field, QString::fromStdString(kForms.at(c.field)));
        EXPECT_EQ(births.error(), expected) << c.value.toString().toStdString();
    }
    const struct {
        const char* field;
        QJsonValue value;
        const char* message;
    } kOthers[] = {
        {"zone", 71, "\"zone\" must be a whole number from 0 to 70, or null"},
        {"zone", QJsonValue::Undefined, "\"zone\" is missing"},
        {"dst", QJsonValue::Undefined, "\"dst\" is missing"},
        {"tz", 5, "\"tz\" must be text or null"},
        {"utcOffsetSeconds", -64801,
         "\"utcOffsetSeconds\" must be a whole number from -64800 to 64800, or null"},
        {"country", QJsonValue::Undefined, "\"country\" is missing"},
        // A version-1 key in a version-2 file is a mistake, not a synonym.
        {"yearRow", 74, "\"yearRow\" is not a field of a birth"},
        {"zoneName", "Asia/Kolkata", "\"zoneName\" is not a field of a birth"},
    };
    for (const auto& c : kOthers) {
        const auto births = BirthsFromJson(WithSecondBirthVersion2(c.field, c.value));
        ASSERT_FALSE(births) << c.field;
        EXPECT_EQ(births.error(), QStringLiteral("Birth 2 (SITA DEVI): ") + c.message)
            << births.error().toStdString();
    }
    // Both ends of the calendar and empty coordinate boxes are births a form holds.
    for (const auto& [field, value] : {std::pair{"date", "2050-12-31"},
                                       {"date", "1901-02-31"},
                                       {"lon", "E"},
                                       {"lon", "180W"},
                                       {"lat", "N05"}}) {
        EXPECT_TRUE(BirthsFromJson(WithSecondBirthVersion2(field, value))) << field << value;
    }
}

TEST(BirthFile, ForeignOrNewerFilesAreRefused) {
    struct Case {
        QByteArray json;
        const char* message;
    };
    const Case kCases[] = {
        {"{\"format\": \"amsaview-births\", \"version\": 1, \"births\": [",
         "not a birth file: unterminated array at byte"},
        {"[]", "not a birth file: its \"format\" is not \"amsaview-births\""},
        {R"({"format": "other", "version": 1, "births": []})",
         "not a birth file: its \"format\" is not \"amsaview-births\""},
        {R"({"format": "amsaview-births", "births": []})",
         "not a birth file: it has no \"version\" number"},
        {R"({"format": "amsaview-births", "version": 3, "births": []})",
         "the birth file is of version 3; this Amsaview reads versions 1 and 2"},
        {R"({"format": "amsaview-births", "version": 1.5, "births": []})",
         "the birth file is of version 1.5; this Amsaview reads versions 1 and 2"},
        {R"({"format": "amsaview-births", "version": 1})",
         "not a birth file: it has no \"births\" list"},
        {R"({"format": "amsaview-births", "version": 1, "births": [], "x": 1})",
         "not a birth file: \"x\" is not a key of a birth file"},
        {R"({"format": "amsaview-births", "version": 1, "births": [{}, 5]})",
         "Birth 1: \"name\" is missing"},
        {R"({"format": "amsaview-births", "version": 1, "births": [5]})",
         "Birth 1 is not an object of fields"},
    };
    for (const Case& c : kCases) {
        const auto births = BirthsFromJson(c.json);
        ASSERT_FALSE(births) << c.message;
        EXPECT_TRUE(births.error().startsWith(QLatin1String(c.message)))
            << births.error().toStdString();
    }
    const auto empty =
        BirthsFromJson(R"({"format": "amsaview-births", "version": 1, "births": []})");
    ASSERT_TRUE(empty);
    EXPECT_TRUE(empty.value().empty());
}

TEST(BirthFile, FileErrorsNameTheFile) {
    QTemporaryDir folder;
    const QString missing = folder.filePath("missing/births.amsaview.json");
    const auto written = WriteBirthFile(missing, {SmallestBirth()});
    ASSERT_FALSE(written);
    EXPECT_TRUE(written.error().startsWith(missing + " cannot be written: "))
        << written.error().toStdString();
    const auto read = ReadBirthFile(missing);
    ASSERT_FALSE(read);
    EXPECT_TRUE(read.error().startsWith(missing + " cannot be read: "))
        << read.error().toStdString();
}

// An endless or blocking source is refused before a byte is read, and so is a
// file larger than any collection of births. Only FIFOs and links made here.
TEST(BirthFile, OnlyARegularFileOfBoundedSizeIsRead) {
    QTemporaryDir folder;
    const QString fifo = folder.filePath("fifo.amsaview.json");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString toFifo = folder.filePath("to-fifo.amsaview.json");
    const QString toZero = folder.filePath("to-zero.amsaview.json");
    ASSERT_TRUE(QFile::link(fifo, toFifo));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), toZero));
    for (const QString& path : {fifo, toFifo, toZero}) {
        const auto read = ReadBirthFile(path);
        ASSERT_FALSE(read) << path.toStdString();
        EXPECT_EQ(read.error(), path + " is not a regular file");
    }

    const QString huge = folder.filePath("huge.amsaview.json");
    QFile file(huge);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(qint64{64} * 1024 * 1024 + 1));  // sparse: no disk used
    file.close();
    const auto read = ReadBirthFile(huge);
    ASSERT_FALSE(read);
    EXPECT_EQ(read.error(), huge + " is larger than 64 MB, too large for a birth file");

    // An AAF import reads through the same guard.
    const QString aafToZero = folder.filePath("to-zero.aaf");
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), aafToZero));
    const auto imported = ImportBirths(aafToZero);
    ASSERT_FALSE(imported);
    EXPECT_EQ(imported.error(), aafToZero + " is not a regular file");
}

// Export Births into a FIFO, or a link to one, writes into it: both stay what
// they were, and the reader gets what a regular file would hold. More than a
// pipe holds, so the export must write while the reader drains.
TEST(BirthFile, AnExportIntoAFifoWritesIntoIt) {
    QTemporaryDir folder;
    const std::vector<SavedBirth> births{LargestBirth(), SmallestBirth()};
    for (const char* suffix : {".amsaview.json", ".aaf"}) {
        const QString regular = folder.filePath(QStringLiteral("regular") + suffix);
        ASSERT_TRUE(ExportBirths(regular, births));
        QFile file(regular);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray expected = file.readAll();
        ASSERT_GT(expected.size(), 1 << 16);

        const QString fifo = folder.filePath(QStringLiteral("pipe") + suffix);
        ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        const QString link = folder.filePath(QStringLiteral("link") + suffix);
        ASSERT_TRUE(QFile::link(fifo, link));
        for (const QString& target : {fifo, link}) {
            testing::FifoReader reader(fifo);
            ASSERT_TRUE(reader.isOpen());
            const auto written = ExportBirths(target, births);
            const QByteArray received = reader.finish();
            ASSERT_TRUE(written) << target.toStdString() << ": " << written.error().toStdString();
            struct stat status {};
            ASSERT_EQ(stat(QFile::encodeName(fifo).constData(), &status), 0);
            EXPECT_TRUE(S_ISFIFO(status.st_mode)) << target.toStdString();
            EXPECT_TRUE(QFileInfo(link).isSymLink()) << target.toStdString();
            EXPECT_EQ(received.size(), expected.size()) << target.toStdString();
            EXPECT_TRUE(received == expected) << target.toStdString();
        }
    }

    // A link to nothing is refused rather than replaced by a file.
    const QString dangling = folder.filePath("dangling.amsaview.json");
    ASSERT_TRUE(QFile::link(folder.filePath("gone"), dangling));
    const auto written = ExportBirths(dangling, births);
    ASSERT_FALSE(written);
    EXPECT_EQ(written.error(), dangling + " cannot be written: it is a link to nothing");
    EXPECT_TRUE(QFileInfo(dangling).isSymLink());
    EXPECT_FALSE(QFile::exists(folder.filePath("gone")));
}

}  // namespace
}  // namespace amsaview
