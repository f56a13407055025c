#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include "BirthSamples.h"
#include "register/BirthFile.h"
#include "register/Register.h"

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

TEST(BirthFile, ReadsAHandWrittenFile) {
    const auto births = BirthsFromJson(kHandWritten);
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
    ASSERT_TRUE(from.saveAllNew({Birth("SITA DEVI", 1980, "Mumbai"), LargestBirth()}));

    const QString file = folder.filePath("all.amsaview.json");
    ASSERT_TRUE(WriteBirthFile(file, from.loadAll().value()));
    const auto imported = ReadBirthFile(file);
    ASSERT_TRUE(imported);
    ASSERT_TRUE(to.saveAllNew(imported.value()));

    const std::vector<SavedBirth> before = from.loadAll().value();
    const std::vector<SavedBirth> after = to.loadAll().value();
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < before.size(); ++i) {
        EXPECT_TRUE(after[i].form == before[i].form) << i;
        EXPECT_EQ(after[i].note, before[i].note) << i;
        EXPECT_EQ(after[i].form.exactClock, before[i].form.exactClock) << i;
    }
}

// The hand-written file with one field of its second birth changed.
QByteArray WithSecondBirth(const char* field, const QJsonValue& value) {
    QJsonObject file = QJsonDocument::fromJson(kHandWritten).object();
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
        {R"({"format": "amsaview-births", "version": 2, "births": []})",
         "the birth file is of version 2; this Amsaview reads version 1"},
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

}  // namespace
}  // namespace amsaview
