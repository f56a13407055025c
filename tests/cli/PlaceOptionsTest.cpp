#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "cli/ParseBirth.h"
#include "support/RunChartTool.h"

namespace {

using amsaview::BirthField;
using amsaview::BirthFields;
using amsaview::FormInput;
using amsaview::testing::RunChartTool;
using amsaview::testing::ToolRun;

BirthFields Fields(std::initializer_list<std::pair<BirthField, const char*>> given) {
    BirthFields fields;
    fields[BirthField::Name] = "X";
    for (const auto& [field, value] : given) {
        fields[field] = value;
    }
    return fields;
}

// Chennai is 13.08784 N, 80.27847 E in GeoNames: 13°05', 80°17' to the minute.
TEST(PlaceOption, FillsCoordinatesAndTheClockOfTheDate) {
    const struct {
        const char* what;
        const char* place;
        const char* date;
        const char* time;
        const char* repeated;  // "earlier", "later" or none
        std::optional<int> row;
        bool dst;
        std::optional<int> exactSeconds;
    } cases[] = {
        {"Chennai 1990: the Indian row", "Chennai", "1990-01-01", "12:00", nullptr, 34, false, {}},
        {"Chennai 1943 war time: IST and the box",
         "Chennai, Tamil Nadu, India",
         "1943-06-01",
         "12:00",
         nullptr,
         34,
         true,
         {}},
        {"Madras 1901: Madras mean time",
         "Chennai",
         "1901-01-01",
         "12:00",
         nullptr,
         {},
         false,
         5 * 3600 + 21 * 60 + 10},
        {"Madrid repeated, the first", "Madrid", "1983-09-25", "02:30", "earlier", 20, true, {}},
        {"Madrid repeated, the second", "Madrid", "1983-09-25", "02:30", "later", 20, false, {}},
    };
    for (const auto& c : cases) {
        BirthFields fields = Fields(
            {{BirthField::Place, c.place}, {BirthField::Date, c.date}, {BirthField::Time, c.time}});
        if (c.repeated) {
            fields[std::string_view(c.repeated) == "earlier" ? BirthField::Earlier
                                                             : BirthField::Later] = "1";
        }
        const auto parsed = amsaview::ParseBirth(fields);
        const auto* form = std::get_if<FormInput>(&parsed);
        ASSERT_NE(form, nullptr) << c.what << ": " << std::get<std::string>(parsed);
        if (c.exactSeconds) {
            ASSERT_TRUE(form->exactClock) << c.what;
            EXPECT_EQ(form->exactClock->utcOffsetSeconds, *c.exactSeconds) << c.what;
        } else {
            EXPECT_FALSE(form->exactClock) << c.what;
            EXPECT_EQ(form->zoneRow, c.row) << c.what;
            EXPECT_EQ(form->dst, c.dst) << c.what;
        }
    }
    const auto chennai =
        std::get<FormInput>(amsaview::ParseBirth(Fields({{BirthField::Place, "Chennai"},
                                                         {BirthField::Date, "1990-01-01"},
                                                         {BirthField::Time, "12:00"}})));
    EXPECT_EQ(chennai.lonDegrees + "E" + chennai.lonMinutes, "80E17");
    EXPECT_EQ(chennai.latDegrees + "N" + chennai.latMinutes, "13N5");
    EXPECT_TRUE(chennai.east);
    EXPECT_FALSE(chennai.south);
    EXPECT_EQ(chennai.state, "Tamil Nadu");
}

TEST(PlaceOption, RefusesWhatCannotBeSettled) {
    const struct {
        BirthFields fields;
        const char* message;
    } cases[] = {
        {Fields({{BirthField::Place, "Madrid"},
                 {BirthField::Date, "1983-03-27"},
                 {BirthField::Time, "02:30"}}),
         "02:30 on 27 March 1983 did not exist in Madrid: clocks went from 02:00 to 03:00"},
        {Fields({{BirthField::Place, "Madrid"},
                 {BirthField::Date, "1983-09-25"},
                 {BirthField::Time, "02:30"}}),
         "02:30 on 25 September 1983 happened twice in Madrid: first on CEST +02:00, then on CET "
         "+01:00; say which with --earlier or --later"},
        {Fields({{BirthField::Place, "Qqxyzzy"},
                 {BirthField::Date, "1990-01-01"},
                 {BirthField::Time, "12:00"}}),
         "No place in the atlas matches \"Qqxyzzy\""},
        {Fields({{BirthField::Place, "Chennai"},
                 {BirthField::Date, "1990-01-01"},
                 {BirthField::Time, "12:00"},
                 {BirthField::Zone, "34"}}),
         "--place cannot be combined with --zone"},
        {Fields({{BirthField::Tz, "Asia/Kolkata"},
                 {BirthField::Date, "1990-01-01"},
                 {BirthField::Time, "12:00"}}),
         "Missing option --lon"},
        {Fields({{BirthField::Tz, "Mars/Olympus"},
                 {BirthField::Date, "1990-01-01"},
                 {BirthField::Time, "12:00"},
                 {BirthField::Lon, "1E0"},
                 {BirthField::Lat, "1N0"}}),
         "Unknown time zone Mars/Olympus"},
        {Fields({{BirthField::Date, "1990-01-01"},
                 {BirthField::Time, "12:00"},
                 {BirthField::Lon, "1E0"},
                 {BirthField::Lat, "1N0"},
                 {BirthField::Later, "1"}}),
         "--earlier and --later need --place or --tz"},
        {Fields({{BirthField::Place, "Madrid"},
                 {BirthField::Date, "1983-09-25"},
                 {BirthField::Time, "02:30"},
                 {BirthField::Earlier, "1"},
                 {BirthField::Later, "yes"}}),
         "--earlier and --later cannot both be given"},
    };
    for (const auto& c : cases) {
        const auto parsed = amsaview::ParseBirth(c.fields);
        const auto* error = std::get_if<std::string>(&parsed);
        ASSERT_NE(error, nullptr) << c.message;
        EXPECT_EQ(*error, c.message);
    }
}

QJsonObject ChartOf(const QStringList& arguments) {
    const ToolRun run = RunChartTool(arguments);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    return QJsonDocument::fromJson(run.out).object();
}

// A found birth and the same birth typed with its row give the same chart.
TEST(PlaceOption, FoundAndTypedBirthsGiveOneChart) {
    const QStringList birth = {"--name", "X", "--date", "1990-01-01", "--time", "12:00"};
    const QJsonObject found = ChartOf(birth + QStringList{"--place", "Chennai"});
    const QJsonObject typed =
        ChartOf(birth + QStringList{"--lon", "80E17", "--lat", "13N5", "--zone", "34", "--city",
                                    "Chennai", "--state", "Tamil Nadu", "--country", "India"});
    EXPECT_EQ(found, typed);
    EXPECT_EQ(found["values"].toObject()["utcOffset"].toString(), "+05:30");

    const QJsonObject war =
        ChartOf({"--name", "X", "--date", "1943-06-01", "--time", "12:00", "--place", "Chennai"});
    EXPECT_EQ(war["values"].toObject()["universalTime"].toString(), "1943-06-01T05:30:00Z");
    EXPECT_EQ(war["values"].toObject()["utcOffset"].toString(), "+06:30");

    const QJsonObject zone = ChartOf({"--name", "X", "--date", "1901-01-01", "--time", "12:00",
                                      "--tz", "Asia/Kolkata", "--lon", "80E17", "--lat", "13N5"});
    EXPECT_EQ(zone["values"].toObject()["universalTime"].toString(), "1901-01-01T06:38:50Z");
    EXPECT_EQ(zone["values"].toObject()["utcOffset"].toString(), "+05:21:10");
}

TEST(PlaceOption, SkippedTimeExitsTwoWithOneLine) {
    const ToolRun run = RunChartTool(
        {"--name", "X", "--date", "1983-03-27", "--time", "02:30", "--place", "Madrid"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_EQ(run.err,
              "amsaview-chart: 02:30 on 27 March 1983 did not exist in Madrid: clocks "
              "went from 02:00 to 03:00\n");
}

TEST(PlacesOption, ListsTheCandidatesBestFirst) {
    const ToolRun run = RunChartTool({"--places", "Madrid"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonArray places = QJsonDocument::fromJson(run.out).array();
    ASSERT_GE(places.size(), 2);
    const QJsonObject first = places[0].toObject();
    EXPECT_EQ(first["country"].toString(), "Spain");
    EXPECT_EQ(first["zone"].toString(), "Europe/Madrid");
    EXPECT_NEAR(first["lat"].toDouble(), 40.4, 0.1);
    EXPECT_NEAR(first["lon"].toDouble(), -3.7, 0.1);
    EXPECT_EQ(places[1].toObject()["country"].toString(), "Colombia");
    EXPECT_EQ(QJsonDocument::fromJson(RunChartTool({"--places", "Qqxyzzy"}).out).array().size(), 0);
}

}  // namespace
