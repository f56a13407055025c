#include <gtest/gtest.h>

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <array>
#include <cmath>
#include <cstring>
#include <random>

#include "app/ChartJson.h"
#include "app/JsonNumber.h"
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

TEST(ChartJson, ErrorLineNamesTheLine) {
    std::string line;
    AppendErrorJsonLine("--date must be a date \"YYYY-MM-DD\"", 7, line);
    EXPECT_EQ(line, "{\"error\":\"--date must be a date \\\"YYYY-MM-DD\\\"\",\"line\":7}\n");
}

}  // namespace
}  // namespace amsaview
