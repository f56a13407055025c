#include <gtest/gtest.h>

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <array>
#include <cmath>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "charts/DivisionalRules.h"
#include "charts/ExactVargas.h"
#include "cli/ChartJson.h"
#include "cli/JsonNumber.h"
#include "pipeline/ChartCaptions.h"
#include "pipeline/ComputeChart.h"
#include "qtcommon/QtText.h"
#include "support/FormExamples.h"

namespace amsaview {
namespace {

std::string Number(double value) {
    std::array<char, kJsonNumberRoom> text{};
    return {text.data(), WriteJsonNumber(value, text.data())};
}

// Qt's JSON writer prints numbers with QByteArray::number(d, 'g', shortest):
// the reference for every case.
std::string QtNumber(double value) {
    return QByteArray::number(value, 'g', QLocale::FloatingPointShortest).toStdString();
}

TEST(JsonNumber, PrintsAsQtsWriter) {
    struct Case {
        double value;
        const char* expected;
    };
    constexpr Case kCases[] = {
        {0.0, "0"},
        {-0.0, "0"},
        {1.0, "1"},
        {-23.85399089280802, "-23.85399089280802"},
        {359.99999999999994, "359.99999999999994"},
        {1e-4, "1e-04"},
        {1e-5, "1e-05"},
        {1.5e-7, "1.5e-07"},
        {123456.0, "123456"},
        {1e15, "1e+15"},
        {1e21, "1e+21"},
        {0.001234, "0.001234"},
        {5e-324, "5e-324"},
        // The longest texts, each written into exactly the room they are given.
        {-1.7976931348623157e308, "-1.7976931348623157e+308"},
        {-2.2250738585072014e-308, "-2.2250738585072014e-308"},
        {-0.00012345678901234567, "-0.00012345678901234567"},
        {-123456789012345678.0, "-123456789012345680"},
        {-9.87654321012345e-05, "-9.87654321012345e-05"},
    };
    EXPECT_EQ(Number(std::nan("")), "null");
    for (const Case& c : kCases) {
        EXPECT_EQ(Number(c.value), c.expected) << c.expected;
        EXPECT_EQ(Number(c.value), QtNumber(c.value)) << c.expected;
    }
}

TEST(JsonNumber, AgreesWithQtOverEveryMagnitude) {
    std::mt19937_64 random(16);
    std::uniform_int_distribution<int> exponent(-30, 30);
    std::uniform_int_distribution<int> digits(1, 17);
    std::uniform_real_distribution<double> lead(1, 10);
    for (int i = 0; i < 200000; ++i) {
        double value = 0;
        if (i % 2 == 0) {  // short digit strings, where the two forms compete
            value = std::floor(lead(random) * std::pow(10, digits(random) - 1)) *
                    std::pow(10.0, exponent(random));
        } else {  // any bit pattern
            const std::uint64_t bits = random();
            std::memcpy(&value, &bits, sizeof value);
            if (!std::isfinite(value)) {
                continue;  // Qt's writer prints null, as we do
            }
        }
        ASSERT_EQ(Number(value), QtNumber(value)) << std::hexfloat << value;
    }
}

FormInput RandomBirth(std::mt19937& random) {
    static const char* const kPlaces[] = {"",
                                          "Pune",
                                          "New Delhi, \"NCR\"",
                                          "Tab\tin",
                                          "Bell\x07\x1f",
                                          "Z\xC3\xBCrich",
                                          "Back\\",
                                          "\xE0\xA4\xAA\xE0\xA5\x81\xE0\xA4\xA3\xE0\xA5\x87"};
    const auto pick = [&random](int count) {
        return std::uniform_int_distribution<int>(0, count - 1)(random);
    };
    FormInput form;
    form.name = "PERSON";
    form.yearRow = pick(150);
    form.monthRow = pick(12);
    form.dayRow = pick(28);
    form.hourRow = pick(24);
    form.minuteRow = pick(60);
    form.lonDegrees = std::to_string(pick(180));
    form.lonMinutes = std::to_string(pick(60));
    form.east = pick(2) == 0;
    form.latDegrees = std::to_string(pick(90));
    form.latMinutes = std::to_string(pick(60));
    form.south = pick(2) == 0;
    form.zoneRow = pick(71);
    form.dst = pick(2) == 0;
    form.city = kPlaces[pick(8)];
    form.state = kPlaces[pick(8)];
    form.country = kPlaces[pick(8)];
    return form;
}

// Qt reads our text and writes it again: when that gives the same bytes, our
// writer formats as Qt's (key order, blanks, escapes and numbers).
TEST(ChartJson, ReadsBackAndRewritesByQtToTheSameBytes) {
    std::mt19937 random(11);
    ChartResult result;
    for (int i = 0; i < 300; ++i) {
        const FormInput form = RandomBirth(random);
        ASSERT_FALSE(ComputeChart(form, result)) << "birth " << i;
        std::string indented;
        AppendChartJson(result, indented);
        std::string line;
        AppendChartJsonLine(result, 1000 + i, line);

        QJsonParseError error;
        const QJsonDocument single =
            QJsonDocument::fromJson(QByteArray::fromStdString(indented), &error);
        ASSERT_EQ(error.error, QJsonParseError::NoError) << indented;
        EXPECT_EQ(single.toJson(QJsonDocument::Indented).toStdString(), indented) << "birth " << i;

        QJsonObject withLine = single.object();
        withLine.insert(QStringLiteral("line"), 1000 + i);
        EXPECT_EQ(QJsonDocument(withLine).toJson(QJsonDocument::Compact).toStdString() + "\n", line)
            << "birth " << i;
    }
}

QJsonObject ParsedLine(const ChartResult& result) {
    std::string line;
    AppendChartJsonLine(result, 1, line);
    return QJsonDocument::fromJson(QByteArray::fromStdString(line)).object();
}

std::vector<std::string> Strings(const QJsonValue& array) {
    std::vector<std::string> texts;
    for (const QJsonValue& text : array.toArray()) {
        texts.push_back(text.toString().toStdString());
    }
    return texts;
}

// The captions are written from pieces escaped once; read back, they are the
// captions the result window shows.
TEST(ChartJson, CaptionsReadBackAsTheWindowShowsThem) {
    std::mt19937 random(23);
    ChartResult result;
    for (int i = 0; i < 300; ++i) {
        ASSERT_FALSE(ComputeChart(RandomBirth(random), result)) << "birth " << i;
        const QJsonObject chart = ParsedLine(result);
        const ChartCaptions rashi = RashiCaptions(result.placements);
        EXPECT_EQ(Strings(chart["rashiChart"]),
                  std::vector<std::string>(rashi.begin(), rashi.end()))
            << "birth " << i;
        for (std::size_t index = 0; index < kDivisionalCharts.size(); ++index) {
            const ChartCaptions captions = DivisionalCaptions(result.placements, index);
            const QString title = QString::fromUtf8(kDivisionalCharts[index].title.data(),
                                                    kDivisionalCharts[index].title.size());
            EXPECT_EQ(Strings(chart["divisionalCharts"].toObject()[title]),
                      std::vector<std::string>(captions.begin(), captions.end()))
                << "birth " << i << ", " << title.toStdString();
        }
    }
}

// The sign of each body in `vargas` is the box whose caption names it, and
// the Lagna's is where the chart's rule puts it.
TEST(ChartJson, VargasAreTheBoxesOfEveryChart) {
    std::mt19937 random(31);
    ChartResult result;
    for (int i = 0; i < 100; ++i) {
        ASSERT_FALSE(ComputeChart(RandomBirth(random), result)) << "birth " << i;
        const QJsonObject vargas = ParsedLine(result)["vargas"].toObject();
        ASSERT_EQ(vargas.size(), 1 + kDivisionalCharts.size() + kExactVargas.size())
            << "birth " << i;
        std::vector<std::pair<QString, ChartCaptions>> charts = {
            {"D1", RashiCaptions(result.placements)}};
        const char* const kIds[] = {"D2", "D3", "D4", "D7", "D9", "D10", "D12"};
        for (std::size_t index = 0; index < kDivisionalCharts.size(); ++index) {
            charts.emplace_back(kIds[index], DivisionalCaptions(result.placements, index));
        }
        for (std::size_t index = 0; index < kExactVargas.size(); ++index) {
            ChartCaptions captions;
            for (std::size_t sign = 0; sign < kSignCount; ++sign) {
                captions[sign] =
                    SignBoxCaption(result.placements.exact[index].signs[sign], kPlanetNames);
            }
            charts.emplace_back(ToQString(kExactVargas[index].id), captions);
        }
        for (const auto& [id, captions] : charts) {
            const QJsonObject signs = vargas[id].toObject();
            ASSERT_EQ(signs.size(), 1 + kBodyCount) << "birth " << i << ", " << id.toStdString();
            for (std::size_t slot = 0; slot < kBodyCount; ++slot) {
                const auto names = id == "D1" ? kVedicPlanetNames : kPlanetNames;
                const QString sign = signs[ToQString(kPlanetNames[slot])].toString();
                const auto box = FindSign(sign.toStdString());
                ASSERT_TRUE(box.has_value()) << id.toStdString() << " " << kPlanetNames[slot];
                EXPECT_NE(
                    captions[static_cast<std::size_t>(*box)].find("\n" + std::string(names[slot])),
                    std::string::npos)
                    << "birth " << i << ", " << id.toStdString() << ", " << kPlanetNames[slot];
            }
        }
        // The Rashi Lagna is the sign of the Lagna's own text.
        EXPECT_EQ(vargas["D1"].toObject()["Asc"].toString().toStdString(),
                  result.texts.lblLagnaPosition.substr(3, 3))
            << "birth " << i;
    }
}

// Delhi, 15 March 1947, 00:30 IST (the golden birth). Worked from the
// longitudes: a sign is 30°, a nakshatra 13° 20' and a pada 3° 20'.
// Sun 330.250°: Pisces 0.250°; nakshatra 24 (320°..333.33°), Purbha Phadra,
// 10.25° in: pada 4. Moon 240.484°: Sagittarius, Mula (240°..253.33°), pada 1.
// Lagna 229.209°: Scorpio 19.209°, Jyeshtha (226.67°..240°), 2.54° in: pada 1.
TEST(ChartJson, BodiesAndAscendantOfTheDelhiBirth) {
    ChartResult result;
    ASSERT_FALSE(ComputeChart(testing::DelhiForm(1947, 3, 15, 0, 30), result));
    const QJsonObject chart = ParsedLine(result);
    const QJsonArray bodies = chart["bodies"].toArray();
    ASSERT_EQ(bodies.size(), kBodyCount);
    const QJsonObject sun = bodies[0].toObject();
    EXPECT_EQ(sun["body"].toString(), "Sun");
    EXPECT_EQ(sun["sign"].toString(), "Pis");
    EXPECT_NEAR(sun["degreeInSign"].toDouble(), 0.2500119739008, 1e-9);
    EXPECT_EQ(sun["nakshatra"].toString(), "Purbha Phadra");
    EXPECT_EQ(sun["pada"].toInt(), 4);
    const QJsonObject moon = bodies[1].toObject();
    EXPECT_EQ(moon["sign"].toString(), "Sag");
    EXPECT_EQ(moon["nakshatra"].toString(), "Mula");
    EXPECT_EQ(moon["pada"].toInt(), 1);
    const QJsonObject ascendant = chart["ascendant"].toObject();
    EXPECT_EQ(ascendant["sign"].toString(), "Sco");
    EXPECT_NEAR(ascendant["degreeInSign"].toDouble(), 19.2091744668348, 1e-9);
    EXPECT_EQ(ascendant["nakshatra"].toString(), "Jyeshtha");
    EXPECT_EQ(ascendant["pada"].toInt(), 1);
    // The same numbers as under values, digit for digit.
    EXPECT_EQ(ascendant["longitude"], chart["values"].toObject()["ascendant"]);
    const char* const kNames[] = {"Sun",     "Moon",   "Mercury", "Venus", "Mars",
                                  "Jupiter", "Saturn", "Rahu",    "Ketu"};
    for (std::size_t slot = 0; slot < kBodyCount; ++slot) {
        const QJsonObject body = bodies[static_cast<qsizetype>(slot)].toObject();
        EXPECT_EQ(body["body"].toString(), kNames[slot]);
        EXPECT_EQ(body["longitude"],
                  chart["values"].toObject()["longitudes"].toArray()[static_cast<qsizetype>(slot)])
            << kNames[slot];
        // Mercury, Jupiter and Saturn were turned back; the lights and nodes never are.
        EXPECT_EQ(body["retrograde"].toBool(), slot == 2 || slot == 5 || slot == 6) << kNames[slot];
    }
}

TEST(ChartJson, ALongitudeOffTheCircleStandsNowhere) {
    ChartResult result;
    result.positions.ascendant = std::nan("");
    result.positions.siderealLongitude[3] = 360.0;
    const QJsonObject chart = ParsedLine(result);
    for (const QJsonObject& standing :
         {chart["ascendant"].toObject(), chart["bodies"].toArray()[3].toObject()}) {
        for (const char* key : {"sign", "degreeInSign", "nakshatra", "pada"}) {
            EXPECT_TRUE(standing[key].isNull()) << key;
        }
    }
    EXPECT_EQ(chart["bodies"].toArray()[3].toObject()["longitude"].toDouble(), 360.0);
}

TEST(ChartJson, AllNineBodiesTurnedBackInOneSign) {
    ChartResult result;
    for (std::size_t slot = 0; slot < kBodyCount; ++slot) {
        result.placements.rashi.signs[11].add({static_cast<Body>(slot), true});
    }
    std::string line;
    AppendChartJsonLine(result, 1, line);
    EXPECT_NE(line.find(R"("rashiChart":["","","","","","","","","","","",")"
                        R"(\r\nSurya (R) \r\nChandra (R) \r\nBudha (R) \r\nShukra (R) )"
                        R"(\r\nMangala (R) \r\nGuru (R) \r\nShani (R) \r\nRahu (R) )"
                        R"(\r\nKetu (R) "])"),
              std::string::npos)
        << line;
}

// Local clock time less the offset, carried across days, years and the
// four digits of the year.
TEST(ChartJson, UniversalTimeKeepsItsDigitsAtEveryEdge) {
    struct Case {
        int year, month, day, hour, minute, offsetSeconds;
        const char* expected;
    };
    constexpr Case kCases[] = {
        {1947, 3, 15, 5, 30, 19800, "1947-03-15T00:00:00Z"},
        {1901, 1, 1, 0, 0, 19800, "1900-12-31T18:30:00Z"},
        {2050, 12, 31, 23, 59, -43200, "2051-01-01T11:59:00Z"},
        {2000, 2, 28, 20, 0, -14400 - 1, "2000-02-29T00:00:01Z"},
        {9999, 12, 31, 23, 0, -7200, "10000-01-01T01:00:00Z"},
        {1, 1, 1, 0, 0, 60, "0000-12-31T23:59:00Z"},
        {0, 1, 1, 0, 0, 3600, "-001-12-31T23:00:00Z"},
    };
    for (const Case& c : kCases) {
        ChartResult result;
        result.birth.year = static_cast<std::int16_t>(c.year);
        result.birth.month = static_cast<std::int16_t>(c.month);
        result.birth.day = static_cast<std::int16_t>(c.day);
        result.birth.hour = static_cast<std::int16_t>(c.hour);
        result.birth.minute = static_cast<std::int16_t>(c.minute);
        result.birth.utcOffsetSeconds = c.offsetSeconds;
        EXPECT_EQ(ParsedLine(result)["values"].toObject()["universalTime"].toString().toStdString(),
                  c.expected)
            << c.expected;
    }
}

TEST(ChartJson, ErrorLineNamesTheLine) {
    std::string line;
    AppendErrorJsonLine("--date must be a date \"YYYY-MM-DD\"", 7, line);
    EXPECT_EQ(line, "{\"error\":\"--date must be a date \\\"YYYY-MM-DD\\\"\",\"line\":7}\n");
}

}  // namespace
}  // namespace amsaview
