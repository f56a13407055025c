#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "register/AafFile.h"
#include "register/BirthFile.h"

namespace amsaview {
namespace {

// Written by hand after the AAF definition: its own example record, a chunk
// before any record, chunks this program has no use for (one continued on a
// second line), local mean time, seconds of arc, double summer time, a
// record without #B93 and three broken records.
constexpr char kHandWritten[] =
    "#: Births for the AAF tests\n"                           // 1
    "#ZNAM:CET\n"                                             // 2
    "\n"                                                      // 3
    "#A93:Ferber,Tobias,m,27.9.1970,11:04,Kandel/Pfalz,D\n"   // 4
    "#B93:*,49n05,8e11,1he,0\n"                               // 5
    "#ZNAM:CET\n"                                             // 6
    "#COM:Programmer of the\n"                                // 7
    "AAF library\n"                                           // 8
    "#LPOS:SO03LI40:11,MO12PI56:26,\n"                        // 9
    " JU18LI22:42\n"                                          // 10
    "#A93: Kumar , Ram ,m,7.3.1975,9:05:30,Pune,IND\r\n"      // 11
    "#B93:2442478.65,18n31,73e52,5he30,0\r\n"                 // 12
    "#ZNAM:IST\n"                                             // 13
    "#SRC:1*,Birth certificate\n"                             // 14
    "#A93:Broken,Date,f,31.2.1800,12:00,Nowhere,*\n"          // 15
    "#B93:*,10n00,10e00,0he,0\n"                              // 16
    "#A93:Cezanne,Paul,m,19.1.1901,1:00,Aix-En-Provence,F\n"  // 17
    "#B93:*,43n31,5e27,*,L\n"                                 // 18
    "#A93:Smith,John,m,4.7.1976,23:59,New York,USA\n"         // 19
    "#B93:*,40n42:51,74w00:21,5hw,1\n"                        // 20
    "#ZNAM:EST\n"                                             // 21
    "#A93:Too,Few,m,1.1.2000\n"                               // 22
    "#A93:Double,Summer,f,1.6.1945,12.00,London,GB\n"         // 23
    "#B93:*,51n30,0w07,0he,2\n"                               // 24
    "#A93:Bad,Zone,m,1.1.2000,12:00,X,Y\n"                    // 25
    "#B93:*,0n00,0e00,1hx,0\n"                                // 26
    "#:#A93:Commented,Out,m,1.1.2000,12:00,X,Y\n"             // 27
    "#A93:Known,*,*,1.1.2000,0:00,*,*\n";                     // 28

FormInput Form(int year, int month, int day, int hour, int minute, int second) {
    FormInput form;
    form.yearRow = year - kFirstYear;
    form.monthRow = month - 1;
    form.dayRow = day - 1;
    form.hourRow = hour;
    form.minuteRow = minute;
    form.secondRow = second;
    return form;
}

void SetPlace(FormInput& form, const char* latDegrees, const char* latMinutes, bool south,
              const char* lonDegrees, const char* lonMinutes, bool east) {
    form.latDegrees = latDegrees;
    form.latMinutes = latMinutes;
    form.south = south;
    form.lonDegrees = lonDegrees;
    form.lonMinutes = lonMinutes;
    form.east = east;
}

std::vector<SavedBirth> Births(const std::vector<AafRecord>& records) {
    std::vector<SavedBirth> births;
    for (const AafRecord& record : records) {
        if (const auto* birth = std::get_if<SavedBirth>(&record)) {
            births.push_back(*birth);
        }
    }
    return births;
}

TEST(AafFile, ReadsEveryRecordOfAHandWrittenFile) {
    const std::vector<AafRecord> records = RecordsFromAaf(kHandWritten);
    ASSERT_EQ(records.size(), 9u);

    std::vector<SavedBirth> expected(6);
    FormInput& ferber = expected[0].form;
    ferber = Form(1970, 9, 27, 11, 4, 0);
    ferber.name = "Tobias Ferber";
    ferber.city = "Kandel/Pfalz";
    ferber.country = "D";
    SetPlace(ferber, "49", "05", false, "8", "11", true);
    ferber.zoneRow = 20;  // Central European Time, named by #ZNAM
    expected[0].note = "Programmer of the\nAAF library";

    FormInput& kumar = expected[1].form;
    kumar = Form(1975, 3, 7, 9, 5, 30);
    kumar.name = "Ram Kumar";
    kumar.city = "Pune";
    kumar.country = "IND";
    SetPlace(kumar, "18", "31", false, "73", "52", true);
    kumar.zoneRow = 34;  // Indian Time, +5:30

    // 5°27' east is 19620" of arc, 1308 s of time: the definition's own
    // "0e21:48" for this birth.
    FormInput& cezanne = expected[2].form;
    cezanne = Form(1901, 1, 19, 1, 0, 0);
    cezanne.name = "Paul Cezanne";
    cezanne.city = "Aix-En-Provence";
    cezanne.country = "F";
    SetPlace(cezanne, "43", "31", false, "5", "27", true);
    cezanne.exactClock = ExactClock{1308, "+00:21:48, from an AAF file", ""};

    // 42'51" rounds up to 43', 00'21" down; five hours west with daylight
    // saving on the Eastern Standard Time row #ZNAM names, not the first -5 row.
    FormInput& smith = expected[3].form;
    smith = Form(1976, 7, 4, 23, 59, 0);
    smith.name = "John Smith";
    smith.city = "New York";
    smith.country = "USA";
    SetPlace(smith, "40", "43", false, "74", "00", false);
    smith.zoneRow = 27;
    smith.dst = true;

    // Two hours of summer time on Greenwich time: the row of the whole offset,
    // British Double Summer Time.
    FormInput& london = expected[4].form;
    london = Form(1945, 6, 1, 12, 0, 0);
    london.name = "Summer Double";
    london.city = "London";
    london.country = "GB";
    SetPlace(london, "51", "30", false, "0", "07", false);
    london.zoneRow = 15;

    FormInput& known = expected[5].form;
    known = Form(2000, 1, 1, 0, 0, 0);
    known.name = "Known";
    known.zoneRow = std::nullopt;

    const std::vector<SavedBirth> births = Births(records);
    ASSERT_EQ(births.size(), expected.size());
    for (std::size_t i = 0; i < births.size(); ++i) {
        EXPECT_TRUE(births[i] == expected[i]) << "birth " << i + 1 << ": " << births[i].form.name;
    }

    struct Broken {
        std::size_t record;
        int line;
        const char* message;
    };
    const Broken kBroken[] = {
        {2, 15, "the date \"31.2.1800\" is not a day D.M.YYYY from 1901 to 2050"},
        {5, 22, "its #A93 line has 4 fields, not 7"},
        {7, 25, "the zone \"1hx\" is not an offset such as 1he or 5he30"},
    };
    for (const Broken& broken : kBroken) {
        const auto* fault = std::get_if<AafFault>(&records[broken.record]);
        ASSERT_NE(fault, nullptr) << "record " << broken.record + 1;
        EXPECT_EQ(fault->line, broken.line);
        EXPECT_EQ(fault->message, broken.message);
        EXPECT_EQ(AafFaultText(*fault),
                  QStringLiteral("the record at line %1: %2").arg(broken.line).arg(broken.message));
    }
}

TEST(AafFile, ReadWrittenAndReadAgainIsTheSame) {
    const std::vector<SavedBirth> first = Births(RecordsFromAaf(kHandWritten));
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("births.AAF"));
    ASSERT_TRUE(IsAafPath(path));
    ASSERT_TRUE(WriteAafFile(path, first));
    const auto again = ReadAafFile(path);
    ASSERT_TRUE(again) << again.error().toStdString();
    for (const AafRecord& record : again.value()) {
        if (const auto* fault = std::get_if<AafFault>(&record)) {
            ADD_FAILURE() << AafFaultText(*fault).toStdString();
        }
    }
    const std::vector<SavedBirth> second = Births(again.value());
    ASSERT_EQ(second.size(), first.size());
    for (std::size_t i = 0; i < first.size(); ++i) {
        EXPECT_TRUE(second[i] == first[i]) << "birth " << i + 1 << ": " << first[i].form.name;
    }
}

// What another program reads: the fields in the definition's forms.
TEST(AafFile, WritesTheDefinitionsForms) {
    SavedBirth birth;
    birth.form = Form(1975, 3, 7, 9, 5, 30);
    birth.form.name = "RAM, KUMAR #1";
    birth.form.city = "Pune";
    birth.form.state = "Maharashtra";
    SetPlace(birth.form, "18", "5", true, "3", "41", false);
    birth.form.zoneRow = 34;
    birth.note = "First\n#second, with a comma";
    SavedBirth exact;
    exact.form = Form(1901, 1, 1, 0, 0, 0);
    exact.form.exactClock = ExactClock{-(5 * 3600 + 21 * 60 + 10), "west", "America/X"};

    const QString text = QString::fromUtf8(BirthsToAaf({birth, exact}));
    for (const char* line : {
             "#A93:1,RAM; KUMAR,*,7.3.1975,9:05:30,Pune,*\n",
             "#B93:*,18s05,3w41,5he30,0\n",
             "#ZNAM:IST\n",
             "#COM:First\n second, with a comma\n",
             "#A93:*,*,*,1.1.1901,0:00,*,*\n",
             "#B93:*,*,*,5hw21:10,0\n",
         }) {
        EXPECT_TRUE(text.contains(QLatin1String(line))) << line << "\nin:\n" << text.toStdString();
    }
}

// Import Births keeps the readable records and names the others; Export
// Births writes the format the file's name asks for.
TEST(AafFile, ImportAndExportChooseTheFormatByTheFilesName) {
    QTemporaryDir folder;
    const QString aaf = folder.filePath(QStringLiteral("family.aaf"));
    {
        QFile file(aaf);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(kHandWritten);
    }
    const auto imported = ImportBirths(aaf);
    ASSERT_TRUE(imported) << imported.error().toStdString();
    EXPECT_EQ(imported.value().births.size(), 6u);
    EXPECT_EQ(imported.value().skipped,
              QStringList({"the record at line 15: the date \"31.2.1800\" is not a day D.M.YYYY "
                           "from 1901 to 2050",
                           "the record at line 22: its #A93 line has 4 fields, not 7",
                           "the record at line 25: the zone \"1hx\" is not an offset such as "
                           "1he or 5he30"}));

    const QString json = folder.filePath(QStringLiteral("family") + kBirthFileSuffix);
    ASSERT_TRUE(ExportBirths(json, imported.value().births));
    const auto fromJson = ReadBirthFile(json);
    ASSERT_TRUE(fromJson) << fromJson.error().toStdString();
    EXPECT_TRUE(fromJson.value() == imported.value().births);

    const QString again = folder.filePath(QStringLiteral("again.aaf"));
    ASSERT_TRUE(ExportBirths(again, imported.value().births));
    const auto reread = ImportBirths(again);
    ASSERT_TRUE(reread);
    EXPECT_TRUE(reread.value().skipped.isEmpty());
    EXPECT_TRUE(reread.value().births == imported.value().births);
}

TEST(AafFile, AFileThatCannotBeReadIsNamed) {
    QTemporaryDir folder;
    const QString missing = folder.filePath(QStringLiteral("none/births.aaf"));
    const auto read = ReadAafFile(missing);
    ASSERT_FALSE(read);
    EXPECT_TRUE(read.error().startsWith(missing + " cannot be read: "));
    const auto written = WriteAafFile(missing, {});
    ASSERT_FALSE(written);
    EXPECT_TRUE(written.error().startsWith(missing + " cannot be written: "));
}

// Latin-1, as older programs write, reads as Latin-1; a file of no records
// holds no births.
TEST(AafFile, ReadsLatin1AndEmptyFiles) {
    const auto records = RecordsFromAaf("#A93:M\xfcller,J\xf6rg,m,1.1.1950,12:00,K\xf6ln,D\n");
    ASSERT_EQ(records.size(), 1u);
    const auto* birth = std::get_if<SavedBirth>(&records[0]);
    ASSERT_NE(birth, nullptr);
    EXPECT_EQ(birth->form.name, "Jörg Müller");
    EXPECT_EQ(birth->form.city, "Köln");
    EXPECT_TRUE(RecordsFromAaf("").empty());
    EXPECT_TRUE(RecordsFromAaf("#: nothing\n#ZNAM:CET\n").empty());
}

}  // namespace
}  // namespace amsaview
