#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "app/ChartOptions.h"
#include "register/BirthFile.h"

namespace amsaview {
namespace {

std::variant<FormInput, QString> Parse(QStringList arguments) {
    arguments.prepend(QStringLiteral("amsaview-chart"));
    return ParseChartOptions(arguments);
}

QStringList Complete() {
    return {"--name", "ram kumar", "--date", "1975-03-07", "--time", "09:05:30", "--lon", "77E12",
            "--lat",  "33S52",     "--zone", "34",         "--dst",  "--city",   "Pune"};
}

TEST(ParseChartOptions, FillsTheFormAsTheWindowWould) {
    const auto parsed = Parse(Complete());
    ASSERT_TRUE(std::holds_alternative<FormInput>(parsed))
        << std::get<QString>(parsed).toStdString();
    const FormInput& form = std::get<FormInput>(parsed);
    EXPECT_EQ(form.name, "RAM KUMAR");  // the name box types capitals
    EXPECT_EQ(form.yearRow, 1975 - kFirstYear);
    EXPECT_EQ(form.monthRow, 2);
    EXPECT_EQ(form.dayRow, 6);
    EXPECT_EQ(form.hourRow, 9);
    EXPECT_EQ(form.minuteRow, 5);
    EXPECT_EQ(form.secondRow, 30);
    EXPECT_EQ(form.lonDegrees, "77");
    EXPECT_EQ(form.lonMinutes, "12");
    EXPECT_TRUE(form.east);
    EXPECT_EQ(form.latDegrees, "33");
    EXPECT_EQ(form.latMinutes, "52");
    EXPECT_TRUE(form.south);
    EXPECT_EQ(form.zoneRow, 34);
    EXPECT_TRUE(form.dst);
    EXPECT_EQ(form.city, "Pune");
    EXPECT_EQ(form.state, "");
}

TEST(ParseChartOptions, WestNorthAndTheDefaultZone) {
    QStringList arguments = {"--name", "A",     "--date", "2000-01-01", "--time",
                             "0:00",   "--lon", "3W41",   "--lat",      "40N25"};
    const auto parsed = Parse(arguments);
    ASSERT_TRUE(std::holds_alternative<FormInput>(parsed));
    const FormInput& form = std::get<FormInput>(parsed);
    EXPECT_FALSE(form.east);
    EXPECT_FALSE(form.south);
    EXPECT_EQ(form.zoneRow, 29);
    EXPECT_FALSE(form.dst);
}

TEST(ParseChartOptions, RefusesWhatTheFormCouldNotHold) {
    struct Case {
        const char* option;
        const char* value;  // nullptr: leave the option out
        const char* expectedStart;
    };
    constexpr Case kCases[] = {
        {"--name", nullptr, "Missing option --name"},
        {"--date", nullptr, "Missing option --date"},
        {"--name", "R2D2", "Please Enter only Letters"},
        {"--date", "2000-1-01", "--date must be"},
        {"--date", "2000-13-01", "--date must be"},
        {"--date", "2000-02-32", "--date must be"},
        {"--date", "1900-12-31", "--date must have a year from 1901 to 2050"},
        {"--date", "2051-01-01", "--date must have a year from 1901 to 2050"},
        {"--time", "24:00", "--time must be"},
        {"--time", "12:60", "--time must be"},
        {"--time", "noon", "--time must be"},
        {"--lon", "77N12", "--lon must be"},
        {"--lon", "-77E12", "--lon must be"},
        {"--lat", "28E36", "--lat must be"},
        {"--zone", "71", "--zone must be a row from 0 to 70"},
        {"--zone", "-1", "--zone must be a row from 0 to 70"},
        {"--zone", "GMT", "--zone must be a row from 0 to 70"},
        {"--colour", "red", "Unknown option"},
    };
    for (const Case& c : kCases) {
        QStringList arguments = Complete();
        const qsizetype at = arguments.indexOf(QLatin1String(c.option));
        if (at >= 0) {
            arguments.remove(at, 2);
        }
        if (c.value) {
            arguments << QLatin1String(c.option) << QLatin1String(c.value);
        }
        const auto parsed = Parse(arguments);
        ASSERT_TRUE(std::holds_alternative<QString>(parsed)) << c.option << " " << c.value;
        EXPECT_TRUE(std::get<QString>(parsed).startsWith(QLatin1String(c.expectedStart)))
            << std::get<QString>(parsed).toStdString();
    }
}

TEST(ParseChartOptions, RejectsStrayArguments) {
    QStringList arguments = Complete();
    arguments << "extra";
    EXPECT_TRUE(std::holds_alternative<QString>(Parse(arguments)));
}

// A birth file of two births; the second is SITA DEVI, 1980.
class BirthFileOptions : public testing::Test {
  protected:
    void SetUp() override {
        SavedBirth ram;
        ram.form.name = "RAM KUMAR";
        SavedBirth sita;
        sita.form.name = "SITA DEVI";
        sita.form.yearRow = 1980 - kFirstYear;
        sita.form.zoneRow = std::nullopt;
        ASSERT_TRUE(WriteBirthFile(file(), {ram, sita}));
    }
    QString file() const { return folder_.filePath(QStringLiteral("two.amsaview.json")); }

    QTemporaryDir folder_;
};

TEST_F(BirthFileOptions, TakesTheBirthNamedByItsIndex) {
    const auto first = Parse({"--birth", file()});
    ASSERT_TRUE(std::holds_alternative<FormInput>(first)) << std::get<QString>(first).toStdString();
    EXPECT_EQ(std::get<FormInput>(first).name, "RAM KUMAR");

    const auto second = Parse({"--birth", file(), "--index", "2"});
    ASSERT_TRUE(std::holds_alternative<FormInput>(second));
    EXPECT_EQ(std::get<FormInput>(second).name, "SITA DEVI");
    EXPECT_EQ(std::get<FormInput>(second).yearRow, 79);
    EXPECT_FALSE(std::get<FormInput>(second).zoneRow.has_value());
}

TEST_F(BirthFileOptions, RefusesWhatDoesNotNameOneBirth) {
    const QString missing = folder_.filePath(QStringLiteral("missing.amsaview.json"));
    const struct {
        QStringList arguments;
        QString message;
    } kCases[] = {
        {{"--birth", file(), "--index", "0"}, "--index must be a number from 1 to 2"},
        {{"--birth", file(), "--index", "3"}, "--index must be a number from 1 to 2"},
        {{"--birth", file(), "--index", "two"}, "--index must be a number from 1 to 2"},
        {{"--index", "1", "--name", "A"}, "--index needs --birth"},
        {{"--birth", file(), "--name", "A"}, "--birth cannot be combined with --name"},
        {{"--birth", file(), "--dst"}, "--birth cannot be combined with --dst"},
        {{"--birth", missing}, missing + " cannot be read: "},
    };
    for (const auto& c : kCases) {
        const auto parsed = Parse(c.arguments);
        ASSERT_TRUE(std::holds_alternative<QString>(parsed)) << c.message.toStdString();
        EXPECT_TRUE(std::get<QString>(parsed).startsWith(c.message))
            << std::get<QString>(parsed).toStdString();
    }
}

}  // namespace
}  // namespace amsaview
