#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include "BirthSamples.h"
#include "register/BirthFile.h"
#include "register/Register.h"

namespace amsaview {

void PrintTo(const ExactClock& clock, std::ostream* out) {
    *out << clock.utcOffsetSeconds << " \"" << clock.description << "\" \"" << clock.zone << '"';
}

namespace {

struct ClockCase {
    const char* what;
    std::optional<ExactClock> clock;
};

std::vector<ClockCase> ClockCases() {
    return {
        {"Madras time", MadrasBirth().form.exactClock},
        {"west of UT, daylight saving",
         ExactClock{-4 * 3600, "New York -04:00 (EDT)", "America/New_York"}},
        {"offset alone", ExactClock{-(3600 + 56), "", ""}},
        {"zone row only", std::nullopt},
    };
}

SavedBirth WithClock(const ClockCase& c) {
    SavedBirth birth = MadrasBirth();
    birth.form.name = c.what;
    birth.form.exactClock = c.clock;
    return birth;
}

TEST(ExactClock, SurvivesTheRegisterAndABirthFile) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    for (const ClockCase& c : ClockCases()) {
        Register births;
        ASSERT_TRUE(births.open(folder.filePath(QString::fromUtf8(c.what) + ".sqlite")));
        const auto id = births.saveNew(WithClock(c));
        ASSERT_TRUE(id) << c.what;

        Register reopened;
        ASSERT_TRUE(reopened.open(folder.filePath(QString::fromUtf8(c.what) + ".sqlite")));
        const auto loaded = reopened.load(id.value());
        ASSERT_TRUE(loaded) << c.what;
        EXPECT_EQ(loaded.value().form.exactClock, c.clock) << c.what << ", register";

        const QString file = folder.filePath(QString::fromUtf8(c.what) + kBirthFileSuffix);
        ASSERT_TRUE(WriteBirthFile(file, {loaded.value()})) << c.what;
        const auto read = ReadBirthFile(file);
        ASSERT_TRUE(read) << c.what << ": " << read.error().toStdString();
        ASSERT_EQ(read.value().size(), 1u) << c.what;
        EXPECT_EQ(read.value()[0].form.exactClock, c.clock) << c.what << ", birth file";
    }
}

// A file as an older program or a person writes it: the three keys may be
// left out or null, each on its own.
TEST(ExactClock, TheOffsetInAFileDecidesWhetherThereIsOne) {
    const QJsonValue kLeftOut;
    struct Case {
        const char* what;
        QJsonValue zone;
        QJsonValue offset;
        QJsonValue description;
        std::optional<ExactClock> expected;
    };
    const Case kCases[] = {
        {"all three", "Asia/Kolkata", 19270, "Madras time",
         ExactClock{19270, "Madras time", "Asia/Kolkata"}},
        {"all left out", kLeftOut, kLeftOut, kLeftOut, std::nullopt},
        {"all null", QJsonValue::Null, QJsonValue::Null, QJsonValue::Null, std::nullopt},
        {"offset alone", kLeftOut, -3600, QJsonValue::Null, ExactClock{-3600, "", ""}},
        {"no offset", "Asia/Kolkata", QJsonValue::Null, "Madras time", std::nullopt},
        {"offset zero", "Europe/London", 0, "", ExactClock{0, "", "Europe/London"}},
    };
    for (const Case& c : kCases) {
        QJsonObject birth = QJsonDocument::fromJson(BirthsToJson({Birth("X", 1950, "Y")}))
                                .object()["births"]
                                .toArray()[0]
                                .toObject();
        const std::pair<const char*, QJsonValue> keys[] = {
            {"tz", c.zone}, {"utcOffsetSeconds", c.offset}, {"offsetDescription", c.description}};
        for (const auto& [key, value] : keys) {
            if (value.isUndefined()) {
                birth.remove(QLatin1String(key));
            } else {
                birth[QLatin1String(key)] = value;
            }
        }
        const QJsonObject file{{"format", kBirthFileFormat},
                               {"version", kBirthFileVersion},
                               {"births", QJsonArray{birth}}};
        const auto read = BirthsFromJson(QJsonDocument(file).toJson());
        ASSERT_TRUE(read) << c.what << ": " << read.error().toStdString();
        EXPECT_EQ(read.value()[0].form.exactClock, c.expected) << c.what;
    }
}

}  // namespace
}  // namespace amsaview
