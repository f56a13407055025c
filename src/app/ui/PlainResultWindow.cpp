#include "app/ui/PlainResultWindow.h"

#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/ui/ApplicationTitle.h"
#include "input/LookupLists.h"

namespace amsaview {
namespace {

constexpr int kCaptionWidth = -16;  // left-aligned in sixteen characters
constexpr int kReportColumns = 64;
constexpr int kReportRows = 42;

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString Row(const char* caption, std::string_view value) {
    return QStringLiteral("%1%2\n").arg(QLatin1String(caption), kCaptionWidth).arg(Text(value));
}

// A chart box holds "\r\n" before every body; the report lists them on one line.
QString BoxBodies(const std::string& box) {
    QStringList bodies = Text(box).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    return bodies.join(QStringLiteral(", "));
}

QString Report(const ChartResult& result) {
    const ResultTexts& t = result.texts;
    QString report;
    report += Row("Name", t.lblName);
    report += Row("Date of Birth", t.lblDOB);
    report += Row("Time of Birth", t.lblTOB);
    report += Row("Longitude", t.lblLongitude + (result.birth.isEast ? " East" : " West"));
    report += Row("Latitude", t.lblLatitude + (result.birth.isSouth ? " South" : " North"));
    report += Row("City", t.lblCity);
    report += Row("State", t.lblState);
    report += Row("Country", t.lblCountry);
    report += u'\n';
    report += Row("Ayanamsha", t.lblAyanamsha);
    report += Row("Lagna", t.lblLagna);
    report += Row("Lagna position", t.lblLagnaPosition);
    report += Row("Nakshatra", t.lblNakshatra);
    report += Row("Rashi", t.lblRashi);
    report += Row("Lord", t.lblLord);
    report += Row("Pada", t.lblPada);
    report += QStringLiteral("\nPositions\n");
    for (std::size_t body = 0; body < t.planet.size(); ++body) {
        report += QStringLiteral("%1%2\n")
                      .arg(Text(result.names.planetNames[body]), kCaptionWidth)
                      .arg(Text(t.planet[body]));
    }
    report += QStringLiteral("\nRashi chart\n");
    for (std::size_t sign = 0; sign < result.boxes.rashi.size(); ++sign) {
        report += QStringLiteral("%1%2\n")
                      .arg(Text(SignNamesVedic[sign]), kCaptionWidth)
                      .arg(BoxBodies(result.boxes.rashi[sign]));
    }
    return report;
}

}  // namespace

PlainResultWindow::PlainResultWindow(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("PlainResultWindow"));
    setWindowTitle(QString::fromLatin1(kApplicationTitle));

    report_ = new QPlainTextEdit;
    report_->setObjectName(QStringLiteral("txtReport"));
    report_->setReadOnly(true);
    report_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    const QFontMetrics metrics(report_->font());
    report_->setMinimumSize(metrics.averageCharWidth() * kReportColumns,
                            metrics.lineSpacing() * kReportRows);

    auto* back = new QPushButton(QStringLiteral("&Back"));
    back->setObjectName(QStringLiteral("cmdBack"));
    connect(back, &QPushButton::clicked, this, &PlainResultWindow::backRequested);

    auto* column = new QVBoxLayout(this);
    column->addWidget(report_);
    column->addWidget(back, 0, Qt::AlignRight);
}

void PlainResultWindow::present(const ChartResult& result) {
    report_->setPlainText(Report(result));
}

}  // namespace amsaview
