#include <QLabel>
#include <QtTest>

#include "support/FindChild.h"
#include "ui/result/ChartGrid.h"

namespace amsaview {
namespace {

constexpr std::array<const char*, kSignCount> kSignNames = {
    "Aries", "Taurus",  "Gemini",      "Cancer",    "Leo",      "Virgo",
    "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};

// The South-Indian grid as drawn in every chart; the centre is left blank.
constexpr const char* kGrid[4][4] = {
    {"Pisces", "Aries", "Taurus", "Gemini"},
    {"Aquarius", nullptr, nullptr, "Cancer"},
    {"Capricorn", nullptr, nullptr, "Leo"},
    {"Sagittarius", "Scorpio", "Libra", "Virgo"},
};

std::array<QString, kSignCount> SignLabelNames() {
    std::array<QString, kSignCount> names;
    for (std::size_t sign = 0; sign < names.size(); ++sign) {
        names[sign] = QString::fromLatin1(kSignNames[sign]);
    }
    return names;
}

}  // namespace

class ChartGridTest : public QObject {
    Q_OBJECT

  private slots:
    void boxLines_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("cleared") << "" << QStringList{};
        QTest::newRow("one body") << "\r\nSurya" << QStringList{"Surya"};
        QTest::newRow("in order, mark kept")
            << "\r\nSun\r\nMercury (R) \r\nKetu" << QStringList{"Sun", "Mercury (R) ", "Ketu"};
    }

    void boxLines() {
        QFETCH(QString, box);
        QFETCH(QStringList, lines);
        QCOMPARE(BoxLines(box.toStdString()), lines);
    }

    void signsKeepTheirCellsInBothGrids() {
        for (const GridGeometry& geometry : {kRashiGrid, kDivisionalGrid}) {
            ChartGrid grid(QStringLiteral("Rashi Chart"), geometry, SignLabelNames());
            for (int row = 0; row < 4; ++row) {
                for (int column = 0; column < 4; ++column) {
                    const char* sign = kGrid[row][column];
                    if (sign == nullptr) {
                        continue;
                    }
                    const QPoint centre =
                        testing::Child<QLabel>(grid, QString::fromLatin1(sign)).geometry().center();
                    QCOMPARE((centre.y() * 15 - geometry.firstTop) / geometry.pitchY, row);
                    QCOMPARE((centre.x() * 15 - geometry.firstLeft) / geometry.pitchX, column);
                }
            }
        }
    }

    void showsEachBoxAndForgetsTheLastChart() {
        ChartGrid grid(QStringLiteral("Rashi Chart"), kRashiGrid, SignLabelNames());
        std::array<std::string, kSignCount> boxes;
        boxes[0] = "\r\nSurya\r\nBudha (R) ";
        boxes[10] = "\r\nRahu";
        boxes[4] = "\r\nKetu";
        grid.setBoxes(boxes);
        QCOMPARE(testing::Child<QLabel>(grid, "Aries").text(), QStringLiteral("Surya\nBudha (R) "));
        QCOMPARE(testing::Child<QLabel>(grid, "Aquarius").text(), QStringLiteral("Rahu"));
        QCOMPARE(testing::Child<QLabel>(grid, "Leo").text(), QStringLiteral("Ketu"));
        QCOMPARE(testing::Child<QLabel>(grid, "Taurus").text(), QString());

        grid.setBoxes(std::array<std::string, kSignCount>{});
        for (const char* sign : kSignNames) {
            QCOMPARE(testing::Child<QLabel>(grid, sign).text(), QString());
        }
    }

    void crowdedBoxShowsEveryNameWhole() {
        ChartGrid grid(QStringLiteral("Hora"), kDivisionalGrid, SignLabelNames());
        std::array<std::string, kSignCount> boxes;
        boxes[3] =
            "\r\nSun\r\nMoon\r\nMercury (R) \r\nVenus (R) \r\nMars (R) \r\nJupiter (R) "
            "\r\nSaturn (R) \r\nRahu\r\nKetu";
        grid.setBoxes(boxes);
        static_cast<void>(grid.grab());
        const DrawnChart& drawn = grid.drawn();
        QCOMPARE(drawn.lines[3].size(), 9);
        QVERIFY(!drawn.textBounds[3].isEmpty());
        // Rounding of a glyph's edge may pass a fraction of a pixel.
        QVERIFY(drawn.layout.textAreas[3].adjusted(-1, -1, 1, 1).contains(drawn.textBounds[3]));
        QVERIFY(drawn.layout.boxes[3].contains(drawn.layout.textAreas[3]));
    }

    void paintsWhatTheLabelsHold() {
        ChartGrid grid(QStringLiteral("Rashi Chart"), kRashiGrid, SignLabelNames());
        std::array<std::string, kSignCount> boxes;
        boxes[0] = "\r\nSurya\r\nBudha (R) ";
        boxes[11] = "\r\nKetu";
        grid.setBoxes(boxes);
        static_cast<void>(grid.grab());
        for (std::size_t sign = 0; sign < kSignCount; ++sign) {
            QCOMPARE(grid.drawn().lines[sign].join('\n'),
                     testing::Child<QLabel>(grid, kSignNames[sign]).text());
        }
    }
};

}  // namespace amsaview

QTEST_MAIN(amsaview::ChartGridTest)
#include "ChartGridTest.moc"
