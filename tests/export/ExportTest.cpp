#include <sys/stat.h>

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTransform>
#include <QXmlStreamReader>
#include <QtTest>
#include <cmath>

#include "export/ChartExport.h"
#include "pipeline/ChartDasha.h"
#include "pipeline/ChartKinds.h"
#include "pipeline/ComputeChart.h"
#include "qtcommon/QtText.h"
#include "support/ComputedChart.h"
#include "support/FifoReader.h"
#include "support/FormExamples.h"
#include "support/PdfText.h"

namespace amsaview {
namespace {

struct Example {
    const char* name;
    FormInput form;
    // Which planets stood retrograde, from the almanac: Mercury turned back on
    // 17 February 2020; Saturn from August 1999 to 12 January 2000.
    std::vector<const char*> retrograde;
};

std::vector<Example> Examples() {
    return {
        {"Delhi 2020-02-18", testing::DelhiForm(2020, 2, 18, 12, 0), {"Budha / Mercury"}},
        {"Greenwich J2000", testing::GreenwichNoonJ2000(), {"Shani / Saturn"}},
    };
}

struct SvgText {
    QPointF at;
    QString text;
};

// Every text element with where it starts, its groups' transforms applied.
std::vector<SvgText> SvgTexts(const QByteArray& svg, QString& error) {
    std::vector<SvgText> texts;
    std::vector<QTransform> transforms{QTransform()};
    QXmlStreamReader xml(svg);
    const QRegularExpression matrix(QStringLiteral(R"(matrix\(([^)]*)\))"));
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            QTransform transform = transforms.back();
            const auto match = matrix.match(xml.attributes().value("transform"));
            if (match.hasMatch()) {
                const QStringList v = match.captured(1).split(QLatin1Char(','));
                if (v.size() == 6) {
                    transform = QTransform(v[0].toDouble(), v[1].toDouble(), v[2].toDouble(),
                                           v[3].toDouble(), v[4].toDouble(), v[5].toDouble()) *
                                transform;
                }
            }
            if (xml.name() == QLatin1String("text")) {
                const QPointF at(xml.attributes().value("x").toDouble(),
                                 xml.attributes().value("y").toDouble());
                texts.push_back({transform.map(at), xml.readElementText().trimmed()});
                continue;  // readElementText consumed the end element
            }
            transforms.push_back(transform);
        } else if (xml.isEndElement()) {
            transforms.pop_back();
        }
    }
    if (xml.hasError()) {
        error = xml.errorString();
    }
    return texts;
}

QString ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

}  // namespace

class ExportTest : public QObject {
    Q_OBJECT

  private slots:
    void pdfHoldsTheBirthTheDetailsAndThePositions() {
        for (const Example& example : Examples()) {
            const ChartResult result = testing::ComputedChart(example.form);
            const QString text = testing::PdfText(ChartPdf(result));
            QVERIFY2(!text.isEmpty(), example.name);
            const QString first = text.section(QLatin1Char('\f'), 0, 0);
            for (const std::string* wanted :
                 {&result.birth.name, &result.texts.lblLagna, &result.texts.lblLagnaPosition,
                  &result.texts.lblNakshatra, &result.texts.lblRashi, &result.texts.lblPada,
                  &result.texts.lblLord, &result.texts.lblAyanamsha}) {
                QVERIFY2(
                    first.contains(ToQString(*wanted)),
                    qPrintable(QStringLiteral("%1: %2").arg(example.name, ToQString(*wanted))));
            }
            constexpr std::array<const char*, kBodyCount> kRows = {
                "Surya / Sun",    "Chandra / Moon",    "Budha / Mercury",
                "Shukra / Venus", "Mangala / Mars",    "Guru / Jupiter",
                "Shani / Saturn", "Rahu / North Node", "Ketu / South Node"};
            for (std::size_t body = 0; body < kBodyCount; ++body) {
                const QString row = QLatin1String(kRows[body]);
                const QStringList lines = first.split(QLatin1Char('\n')).filter(row);
                QVERIFY2(lines.size() == 1,
                         qPrintable(QStringLiteral("%1: %2").arg(example.name, row)));
                QVERIFY2(lines[0].contains(ToQString(result.texts.planet[body])),
                         qPrintable(QStringLiteral("%1: %2").arg(example.name, row)));
                const bool retrograde = std::ranges::any_of(
                    example.retrograde,
                    [&](const char* name) { return row == QLatin1String(name); });
                QVERIFY2(lines[0].contains(QStringLiteral("(R)")) == retrograde,
                         qPrintable(QStringLiteral("%1: %2").arg(example.name, row)));
            }
            QVERIFY2(first.contains(QStringLiteral("Rashi Chart")) && first.contains("Navamsa"),
                     example.name);
            for (const ChartKind& kind : kChartKinds) {
                QVERIFY2(text.contains(ToQString(kind.title)), kind.id.data());
            }
            for (const char* part :
                 {"Panchanga", "Lagna holds", "Varga Table", "Vimshottari Dasha"}) {
                QVERIFY2(text.contains(QLatin1String(part)), part);
            }
        }
    }

    // An override typed into a place stays inside it: the state and the
    // coordinates drawn after it read as ever.
    void userTextCannotReorderWhatIsDrawnBesideIt() {
        FormInput form = testing::DelhiForm(2020, 2, 18, 12, 0);
        form.city = "X\u202eY";
        const QString text = testing::PdfText(ChartPdf(testing::ComputedChart(form)));
        QVERIFY2(text.contains(QStringLiteral("Delhi, India 28° 36' N, 77° 12' E")),
                 qPrintable(text));
    }

    void clockLineGivesTheOffsetAndTheUniversalTime() {
        // Indian time is 5 h 30 min ahead: noon in Delhi is 06:30 UT.
        const ChartResult delhi = testing::ComputedChart(testing::DelhiForm(2020, 2, 18, 12, 0));
        QVERIFY(testing::PdfText(ChartPdf(delhi))
                    .contains(QRegularExpression(
                        R"(Clock: UTC\+05:30, Indian Time \(IST\) · UT 2020-02-18 06:30)")));
        // A quarter past one in the morning in Delhi is the evening before in UT.
        const ChartResult night = testing::ComputedChart(testing::DelhiForm(2020, 3, 1, 1, 15));
        QVERIFY(testing::PdfText(ChartPdf(night)).contains("UT 2020-02-29 19:45"));
        // Madras kept its mean time, 5 h 21 min 10 s ahead: seconds shown, not cut.
        FormInput madras = testing::DelhiForm(1901, 1, 1, 6, 0);
        madras.exactClock = ExactClock{19270, "Asia/Kolkata +05:21:10", "Asia/Kolkata"};
        QVERIFY(testing::PdfText(ChartPdf(testing::ComputedChart(madras)))
                    .contains(QRegularExpression(
                        R"(Clock: Asia/Kolkata \+05:21:10 · UT 1901-01-01 00:38:50)")));
    }

    void headerNamesWhatComputedThePositions() {
        const FormInput delhi = testing::DelhiForm(2020, 2, 18, 12, 0);
        QVERIFY(testing::PdfText(ChartPdf(testing::ComputedChart(delhi)))
                    .contains("Positions: Built-in method"));
        EphemerisSettings swiss;
        swiss.kind = EphemerisKind::Swiss;
        swiss.ayanamsa = AyanamsaMode::LahiriIcrc;
        swiss.node = LunarNode::True;
        ChartResult result;
        QVERIFY(!ComputeChart(delhi, swiss, result));
        // One line across the page, not cut by a table's column.
        QVERIFY(testing::PdfText(ChartPdf(result))
                    .contains("Positions: Swiss Ephemeris, Lahiri ICRC ayanamsa, true node"));
    }

    // Delhi, 15 March 1947, 00:30: Lagna 19 Sco 12, Navamsa Lagna Sagittarius
    // (worked in the report's tests). Each style puts every body's name and
    // the Lagna's word inside the outline of the right sign.
    void everyStyleDrawsTheBodiesAndTheLagnaInTheirSigns() {
        const ChartResult delhi = testing::ComputedChart(testing::DelhiForm(1947, 3, 15, 0, 30));
        struct Chart {
            std::size_t index;
            std::size_t lagna;
            const char* word;
        };
        constexpr Chart kCharts[] = {{0, 7, "Lagna"}, {5, 8, "Asc"}};
        for (const ChartStyle style : kChartStyles) {
            const QString name = StyleName(style);
            PrintedCharts drawn;
            QString error;
            const auto texts = SvgTexts(ChartSvg(delhi, {style, false}, &drawn), error);
            QVERIFY2(error.isEmpty(), qPrintable(error));
            const auto inside = [&](const QPolygonF& outline, const QString& text) {
                return std::ranges::count_if(texts, [&](const SvgText& t) {
                    return t.text == text && outline.containsPoint(t.at, Qt::OddEvenFill);
                });
            };
            for (const Chart& chart : kCharts) {
                const ChartLayout& layout = drawn[chart.index].layout;
                QCOMPARE(layout.lagnaSign, std::optional<std::size_t>(chart.lagna));
                QVERIFY2(inside(layout.outlines[chart.lagna], chart.word) == 1, qPrintable(name));
                int bodies = 0;
                for (std::size_t sign = 0; sign < kSignCount; ++sign) {
                    for (const QString& line : drawn[chart.index].lines[sign]) {
                        QVERIFY2(inside(layout.outlines[sign], line.trimmed()) >= 1,
                                 qPrintable(QStringLiteral("%1, chart %2, sign %3: %4")
                                                .arg(name)
                                                .arg(chart.index)
                                                .arg(sign + 1)
                                                .arg(line)));
                        ++bodies;
                    }
                    // Each box carries its own sign's number.
                    QVERIFY2(inside(layout.outlines[sign], QString::number(sign + 1)) >= 1,
                             qPrintable(QStringLiteral("%1: number %2").arg(name).arg(sign + 1)));
                }
                QCOMPARE(bodies, kBodyCount);
                const QRectF lagnaBox = layout.boxes[chart.lagna].adjusted(-1, -1, 1, 1);
                if (style == ChartStyle::North) {
                    // House 1 is the top centre kite, whatever the sign rising.
                    const QPointF topCentre(layout.boxes[chart.lagna].center().x(),
                                            layout.boxes[chart.lagna].top() + 2);
                    QVERIFY(layout.outlines[chart.lagna].containsPoint(topCentre, Qt::OddEvenFill));
                    QVERIFY(layout.lagnaStroke.isNull());
                } else {
                    QVERIFY2(!layout.lagnaStroke.isNull(), qPrintable(name));
                    QVERIFY(lagnaBox.contains(layout.lagnaStroke.p1()) &&
                            lagnaBox.contains(layout.lagnaStroke.p2()));
                }
            }
        }
    }

    // In the North-Indian diamond the houses stay and the signs turn: house 1
    // at the top holds the Lagna's sign, the houses counted anticlockwise.
    void northIndianHousesFollowTheLagna() {
        ChartDrawing chart;
        chart.style = ChartStyle::North;
        chart.lagnaSign = 7;  // Scorpio rising
        const ChartLayout layout = LayOutChart(QRectF(0, 0, 700, 600), chart);
        // House 1 (top centre) Scorpio, house 4 (left middle) Aquarius, house 7
        // (bottom centre) Taurus, house 10 (right middle) Leo.
        QVERIFY(layout.boxes[7].top() < layout.boxes[10].top());
        QVERIFY(layout.boxes[10].left() < layout.boxes[1].left() + 1);
        QVERIFY(layout.boxes[1].bottom() > layout.boxes[4].bottom() - 1);
        QVERIFY(layout.boxes[4].right() > layout.boxes[10].right());
    }

    // WCAG 2 contrast of each box text against its box, on screen and paper.
    void boxTextsStandOutFromTheirBoxes() {
        const auto luminance = [](const QColor& colour) {
            const auto linear = [](double c) {
                return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
            };
            return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
                   0.0722 * linear(colour.blueF());
        };
        const auto contrast = [&](const QColor& a, const QColor& b) {
            const double la = luminance(a);
            const double lb = luminance(b);
            return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
        };
        for (const ChartColours* colours : {&kScreenColours, &kPaperColours}) {
            for (const QColor& text :
                 {colours->signNumber, colours->names, colours->lagna, colours->title}) {
                QVERIFY2(contrast(text, colours->background) >= 4.5,
                         qPrintable(QStringLiteral("%1 on %2: %3")
                                        .arg(text.name(), colours->background.name())
                                        .arg(contrast(text, colours->background))));
            }
        }
        // The check itself: white on black is 21:1, the old grey numbers on ochre fail.
        QCOMPARE(qRound(contrast(Qt::white, Qt::black)), 21);
        QVERIFY(contrast(QColor(128, 128, 128), QColor(199, 121, 50)) < 4.5);
    }

    void degreesInBoxesFollowEachName() {
        const ChartResult delhi = testing::ComputedChart(testing::DelhiForm(1947, 3, 15, 0, 30));
        const auto plain = ChartDrawings(delhi);
        const auto withDegrees = ChartDrawings(delhi, {ChartStyle::South, true});
        QCOMPARE(plain[0].boxes[11], std::string("\r\nSurya"));  // the Sun at 00 Pis 15
        QCOMPARE(withDegrees[0].boxes[11], std::string("\r\nSurya 00\u00B015\u2032"));
        // Mercury 18 Aqu 59, turned back, beside Mars 14 Aqu 51.
        QCOMPARE(withDegrees[0].boxes[10],
                 std::string("\r\nBudha 18\u00B059\u2032 (R) \r\nMangala 14\u00B051\u2032"));
    }

    void svgNamesLieInTheirSignsBoxes() {
        for (const Example& example : Examples()) {
            PrintedCharts drawn;
            QString error;
            const auto texts =
                SvgTexts(ChartSvg(testing::ComputedChart(example.form), {}, &drawn), error);
            QVERIFY2(error.isEmpty(), qPrintable(error));
            std::size_t namesChecked = 0;
            for (const std::size_t chart : {std::size_t{0}, std::size_t{5}}) {
                for (std::size_t sign = 0; sign < kSignCount; ++sign) {
                    const QRectF box = drawn[chart].layout.boxes[sign];
                    for (const QString& line : drawn[chart].lines[sign]) {
                        const auto inBox = std::ranges::count_if(texts, [&](const SvgText& t) {
                            return t.text == line.trimmed() && box.contains(t.at);
                        });
                        const auto inChart = std::ranges::count(drawn[chart].lines[sign], line);
                        QVERIFY2(inBox == inChart,
                                 qPrintable(QStringLiteral("%1, chart %2, sign %3: %4")
                                                .arg(example.name)
                                                .arg(chart)
                                                .arg(sign + 1)
                                                .arg(line)));
                        ++namesChecked;
                    }
                }
            }
            QCOMPARE(namesChecked, std::size_t{18});  // nine bodies in each of two charts
        }
    }

    void pngHasTheRequestedWidthAndTheChartsProportions() {
        QTemporaryDir folder;
        const auto charts = ChartDrawings(testing::ComputedChart(testing::GreenwichNoonJ2000()));
        // The Rashi frame is 7005 × 5985 twips, a divisional one 6945 × 5985;
        // the caption's line under it is a twentieth of the width.
        const struct {
            std::size_t chart;
            int width;
            int height;
        } cases[] = {{0, 1200, 1025 + 60}, {0, 400, 342 + 20}, {1, 1200, 1034 + 60}};
        for (const auto& c : cases) {
            const QString path = folder.filePath(QStringLiteral("chart-%1.png").arg(c.width));
            QVERIFY(!ExportPng(path, charts[c.chart], c.width));
            const QImage image(path);
            QCOMPARE(image.size(), QSize(c.width, c.height));
        }
    }

    void pngNamesTheBirthAndTheChartUnderIt() {
        const ChartResult delhi = testing::ComputedChart(testing::DelhiForm(2020, 2, 18, 12, 0));
        const std::vector<ChartDrawing> charts = ChartDrawings(delhi);
        QCOMPARE(charts[0].caption, QStringLiteral("\u2068RAM KUMAR\u2069 \u00B7 18 February 2020 "
                                                   "\u00B7 12:00 \u00B7 \u2068New Delhi\u2069, "
                                                   "\u2068Delhi\u2069, \u2068India\u2069 "
                                                   "\u00B7 Rashi Chart"));
        QVERIFY(charts[5].caption.endsWith(QStringLiteral("\u00B7 Navamsa")));
        // The caption's line is drawn: dark ink on the ochre under the chart.
        const QImage image = ChartImage(charts[0], 600);
        const int top = image.height() - CaptionHeight(600);
        int ink = 0;
        for (int y = top; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                ink += qGray(image.pixel(x, y)) < 60 ? 1 : 0;
            }
        }
        QVERIFY2(ink > 200, qPrintable(QString::number(ink)));
        // Without a caption the image is the chart alone.
        ChartDrawing bare = charts[0];
        bare.caption.clear();
        QCOMPARE(ChartImage(bare, 600).height(), top);
    }

    // Every chart drawn, two at most a row, none over another or off its page.
    void pagesFlowTheChartsWithoutOverlap() {
        const ChartResult delhi = testing::ComputedChart(testing::DelhiForm(2020, 2, 18, 12, 0));
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        PrintedCharts drawn;
        QRectF sheet;
        {
            QPdfWriter pdf(&buffer);
            pdf.setResolution(300);
            pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                          QMarginsF(40, 40, 40, 40), QPageLayout::Point));
            QVERIFY(PaintChartPages(pdf, delhi, {}, drawn));
            sheet = QRectF(0, 0, pdf.width(), pdf.height());
        }
        QCOMPARE(drawn.size(), kChartKinds.size());
        const int pages = static_cast<int>(testing::PdfText(bytes).count(QLatin1Char('\f')));
        for (std::size_t a = 0; a < drawn.size(); ++a) {
            const QRectF frame = drawn[a].layout.frame;
            const QString name = ToQString(kChartKinds[a].id);
            QVERIFY2(!frame.isNull(), qPrintable(name + " not drawn"));
            QVERIFY2(sheet.contains(frame), qPrintable(name + " off its page"));
            QVERIFY2(drawn[a].page < pages, qPrintable(name));
            int beside = 0;
            for (std::size_t b = 0; b < drawn.size(); ++b) {
                if (b == a || drawn[b].page != drawn[a].page) {
                    continue;
                }
                QVERIFY2(!frame.intersects(drawn[b].layout.frame),
                         qPrintable(name + " over " + ToQString(kChartKinds[b].id)));
                beside += std::abs(drawn[b].layout.frame.top() - frame.top()) < 1 ? 1 : 0;
            }
            QVERIFY2(beside <= 1, qPrintable(name));
        }
    }

    // A place of 140 letters wraps in its line: the coordinates after it stay
    // on the page, and nothing is drawn into the margins.
    void aLongPlaceStaysOnThePage() {
        FormInput form = testing::DelhiForm(2020, 2, 18, 12, 0);
        form.city = std::string(60, 'A') + " " + std::string(40, 'B');
        form.state = std::string(38, 'C');
        const ChartResult result = testing::ComputedChart(form);
        QCOMPARE(result.birth.city.size() + result.birth.state.size() + 2, std::size_t{141});
        QImage page(595, 842, QImage::Format_RGB32);  // A4 at 72 dpi
        page.fill(Qt::white);
        const QRectF inside = QRectF(page.rect()).adjusted(40, 40, -40, -40);
        {
            QPainter painter(&page);
            PrintedCharts drawn;
            DrawFirstPage(painter, inside, result, {}, drawn);
        }
        for (int y = 0; y < page.height(); ++y) {
            for (int x = 0; x < page.width(); ++x) {
                if (!inside.adjusted(-1, -1, 1, 1).contains(QPointF(x, y))) {
                    QVERIFY2(page.pixel(x, y) == qRgb(255, 255, 255),
                             qPrintable(QStringLiteral("ink at %1, %2").arg(x).arg(y)));
                }
            }
        }
        const QString text = testing::PdfText(ChartPdf(result));
        QVERIFY(text.contains(QStringLiteral("28° 36' N, 77° 12' E")));
        QVERIFY(text.contains(QString(40, QLatin1Char('B'))));
    }

    void theDashaTableMarksThePeriodsRunningOnThePrintingDate() {
        const ChartResult delhi = testing::ComputedChart(testing::DelhiForm(2020, 2, 18, 12, 0));
        constexpr UtSeconds kAsOf = 1906545600;  // 2030-06-01 12:00 UT
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        {
            QPdfWriter pdf(&buffer);
            PrintedCharts drawn;
            QVERIFY(PaintChartPages(pdf, delhi, {}, drawn, kAsOf));
        }
        const QString text = testing::PdfText(bytes);
        QVERIFY(text.contains(QStringLiteral("Dasha years of 365.2425 days (Gregorian)")));
        QVERIFY(text.simplified().contains(QStringLiteral("running on 2030-06-01 marked")));
        // One mahadasha and one antardasha marked, each named by its lord.
        const VimshottariDasha dasha = BuildChartReport(delhi).dasha;
        const DashaPath running = *dasha.RunningAt(kAsOf);
        const QStringList marked = text.split(QLatin1Char('\n')).filter(QStringLiteral("\u25B8 "));
        QCOMPARE(text.count(QStringLiteral("\u25B8 ")), 2);
        for (const int level : {1, 2}) {
            const Body lord =
                dasha.Period(level, running[static_cast<std::size_t>(level - 1)]).lord;
            QVERIFY2(text.contains(QStringLiteral("\u25B8 ") + ToQString(DashaLordName(lord))),
                     qPrintable(marked.join('|')));
        }
    }

    void aFailedWriteSaysSoAndLeavesNoFile() {
        QTemporaryDir folder;
        const QString plainFile = folder.filePath(QStringLiteral("not-a-folder"));
        QFile blocker(plainFile);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const ChartResult result = testing::ComputedChart(testing::GreenwichNoonJ2000());
        const ChartDrawing rashi = ChartDrawings(result)[0];
        const QString targets[] = {plainFile + QStringLiteral("/chart.pdf"),
                                   folder.filePath(QStringLiteral("missing/chart.pdf"))};
        for (const QString& path : targets) {
            for (const ExportFailure& failure :
                 {ExportPdf(path, result), ExportSvg(path, result), ExportPng(path, rashi, 600)}) {
                QVERIFY2(failure.has_value(), qPrintable(path));
                QVERIFY2(failure->contains(path), qPrintable(*failure));
                QVERIFY2(!QFile::exists(path), qPrintable(path));
            }
        }
    }

    void aRefusedExportKeepsTheFileThatWasThere() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("kept.png"));
        QFile earlier(path);
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        earlier.write("earlier");
        earlier.close();
        const auto charts = ChartDrawings(testing::ComputedChart(testing::GreenwichNoonJ2000()));
        for (const int width : {0, kSmallestImageWidth - 1, kLargestImageWidth + 1}) {
            QVERIFY2(ExportPng(path, charts[0], width).has_value(),
                     qPrintable(QString::number(width)));
            QCOMPARE(ReadAll(path), QStringLiteral("earlier"));
        }
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"kept.png"});
    }

    void suggestedNamesAreSafe_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("file");
        QTest::newRow("blanks to dashes") << "RAM KUMAR"
                                          << "RAM-KUMAR-2000-01-01.pdf";
        QTest::newRow("runs of blanks") << "  Anna   Maria "
                                        << "Anna-Maria-2000-01-01.pdf";
        QTest::newRow("path characters dropped") << "../a/b\\c"
                                                 << "abc-2000-01-01.pdf";
        QTest::newRow("letters beyond ASCII kept") << "Zoë Ñ"
                                                   << "Zoë-Ñ-2000-01-01.pdf";
        QTest::newRow("nothing left") << "?*"
                                      << "chart-2000-01-01.pdf";
    }

    void suggestedNamesAreSafe() {
        QFETCH(QString, name);
        QFETCH(QString, file);
        BirthData birth;
        birth.name = name.toStdString();
        birth.year = 2000;
        QCOMPARE(SuggestedFileName(birth, QStringLiteral("pdf")), file);
    }

    void commandLinePdfCarriesTheSameTexts() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("tool.pdf"));
        QProcess tool;
        tool.start(
            QStringLiteral(AMSAVIEW_CHART_TOOL),
            {"--name",  "RAM KUMAR", "--date",    "2020-02-18", "--time", "12:00",  "--lon",
             "77E12",   "--lat",     "28N36",     "--zone",     "34",     "--city", "New Delhi",
             "--state", "Delhi",     "--country", "India",      "--pdf",  path});
        QVERIFY(tool.waitForFinished(60000));
        QCOMPARE(tool.exitCode(), 0);
        QVERIFY(tool.readAllStandardOutput().startsWith('{'));
        QFile written(path);
        QVERIFY(written.open(QIODevice::ReadOnly));
        const ChartResult result = testing::ComputedChart(testing::DelhiForm(2020, 2, 18, 12, 0));
        QCOMPARE(testing::PdfText(written.readAll()), testing::PdfText(ChartPdf(result)));
    }

    void commandLineRefusesBadExportOptions_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("message");
        QTest::newRow("no file") << QStringList{"--pdf"} << "Missing value after '--pdf'";
        QTest::newRow("empty file") << QStringList{"--svg="} << "--svg needs a file name";
        QTest::newRow("width too small") << QStringList{"--png", "x.png", "--png-width", "99"}
                                         << "--png-width must be a number from 100 to 10000";
        QTest::newRow("width not a number") << QStringList{"--png", "x.png", "--png-width=wide"}
                                            << "--png-width must be a number of pixels";
        QTest::newRow("no such chart") << QStringList{"--png", "x.png", "--png-chart", "Panchamsa"}
                                       << "--png-chart must be one of Rashi, Hora";
        QTest::newRow("chart without png")
            << QStringList{"--png-chart", "Hora"} << "--png-chart and --png-width need --png";
    }

    void commandLineRefusesBadExportOptions() {
        QFETCH(QStringList, options);
        QFETCH(QString, message);
        QTemporaryDir folder;
        QProcess tool;
        tool.setWorkingDirectory(folder.path());
        tool.start(QStringLiteral(AMSAVIEW_CHART_TOOL),
                   QStringList{"--name", "X", "--date", "2000-01-01", "--time", "12:00", "--lon",
                               "0E0", "--lat", "0N0", "--zone", "29"} +
                       options);
        QVERIFY(tool.waitForFinished(60000));
        QCOMPARE(tool.exitCode(), 2);
        const QString error = QString::fromUtf8(tool.readAllStandardError());
        QVERIFY2(error.startsWith(QStringLiteral("amsaview-chart: ") + message), qPrintable(error));
        QCOMPARE(error.count(QLatin1Char('\n')), 1);
        QVERIFY(tool.readAllStandardOutput().isEmpty());
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{});
    }

    void commandLineWriteFailureIsOneLineAndStatusOne() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("missing/tool.svg"));
        QProcess tool;
        tool.start(QStringLiteral(AMSAVIEW_CHART_TOOL),
                   {"--name", "X", "--date", "2000-01-01", "--time", "12:00", "--lon", "0E0",
                    "--lat", "0N0", "--zone", "29", "--svg", path});
        QVERIFY(tool.waitForFinished(60000));
        QCOMPARE(tool.exitCode(), 1);
        const QByteArray error = tool.readAllStandardError();
        QCOMPARE(error.count('\n'), 1);
        QVERIFY2(error.contains(path.toUtf8()), error.constData());
        QVERIFY(!QFile::exists(path));
    }

    // A FIFO, or a link to one, is written to and stays what it was; only the
    // FIFO made here is touched, never a device.
    void aFifoIsWrittenToNotReplaced() {
        QTemporaryDir folder;
        const QString fifo = folder.filePath(QStringLiteral("pipe"));
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        const QString link = folder.filePath(QStringLiteral("link.pdf"));
        QVERIFY(QFile::link(fifo, link));
        const QByteArray expected =
            testing::PdfText(ChartPdf(testing::ComputedChart(testing::GreenwichNoonJ2000())))
                .toUtf8();
        for (const QString& target : {fifo, link}) {
            testing::FifoReader reader(fifo);
            QVERIFY(reader.isOpen());
            QProcess tool;
            tool.start(
                QStringLiteral(AMSAVIEW_CHART_TOOL),
                {"--name",  "RAM KUMAR", "--date",    "2000-01-01", "--time", "12:00",  "--lon",
                 "0E00",    "--lat",     "0N00",      "--zone",     "29",     "--city", "New Delhi",
                 "--state", "Delhi",     "--country", "India",      "--pdf",  target});
            QVERIFY(tool.waitForFinished(60000));
            const QByteArray received = reader.finish();
            QCOMPARE(tool.exitCode(), 0);
            struct stat status {};
            QCOMPARE(stat(QFile::encodeName(fifo).constData(), &status), 0);
            QVERIFY2(S_ISFIFO(status.st_mode), qPrintable(target));
            QVERIFY2(QFileInfo(link).isSymLink(), qPrintable(target));
            QCOMPARE(testing::PdfText(received).toUtf8(), expected);
        }
        // A link to nothing is refused rather than replaced by a file.
        const QString dangling = folder.filePath(QStringLiteral("dangling.pdf"));
        QVERIFY(QFile::link(folder.filePath(QStringLiteral("gone")), dangling));
        const ExportFailure failure =
            ExportPdf(dangling, testing::ComputedChart(testing::GreenwichNoonJ2000()));
        QVERIFY(failure && failure->contains(QStringLiteral("a link to nothing")));
        QVERIFY(QFileInfo(dangling).isSymLink());
    }

    // The size limit makes a write fail part way, as a full disk does: the
    // tail still in Qt's buffer (a small PNG) as much as a large PDF.
    void aWriteFailingPartWayNamesItsCause() {
        QTemporaryDir folder;
        const QStringList birth = {"--name", "X",    "--date", "2000-01-01", "--time", "12:00",
                                   "--lon",  "0E00", "--lat",  "0N00",       "--zone", "29"};
        const QStringList exports[] = {
            {"--png", folder.filePath("small.png"), "--png-width", "100"},
            {"--pdf", folder.filePath("large.pdf")}};
        for (const QStringList& target : exports) {
            QProcess tool;
            tool.start(QStringLiteral("sh"),
                       QStringList{"-c", "trap '' XFSZ; ulimit -f 2; exec \"$0\" \"$@\"",
                                   QStringLiteral(AMSAVIEW_CHART_TOOL)} +
                           birth + target);
            QVERIFY(tool.waitForFinished(60000));
            const QString error = QString::fromUtf8(tool.readAllStandardError());
            QCOMPARE(tool.exitCode(), 1);
            QVERIFY2(error.contains(QStringLiteral("File too large")), qPrintable(error));
            QVERIFY(!QFile::exists(target[1]));
        }
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{});
    }
};

}  // namespace amsaview

QTEST_MAIN(amsaview::ExportTest)
#include "ExportTest.moc"
