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

#include "cli/ChartJson.h"
#include "cli/JsonNumber.h"
#include "charts/DivisionalRules.h"
#include "pipeline/ChartCaptions.h"
#include "pipeline/ComputeChart.h"

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
