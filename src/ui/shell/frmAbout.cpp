#include "ui/shell/frmAbout.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "clock/ClockHistory.h"
#include "swiss/SwissEphemeris.h"
#include "ui/common/ApplicationTitle.h"
#include "ui/common/ProgramColours.h"
#include "ui/common/ProgramIcon.h"
#include "ui/common/WebPages.h"

namespace amsaview {
namespace {

constexpr char kDescription[] =
    "Amsaview is a software that maps the vargas or divisions of a sign. "
    "Each division gives more details of a person's material, emotional and physical "
    "aspects.";

constexpr int kIconSize = 48;
// Characters to a line of the paragraphs at the narrowest.
constexpr int kMeasure = 48;

QString DataCredits() {
    return QStringLiteral(
               "Places: GeoNames (geonames.org), licensed under CC BY 4.0, through libgeonames.\n"
               "Clocks: the IANA time-zone database, version %1.")
        .arg(QString::fromStdString(TzDatabaseVersion()));
}

QLabel* PlainLabel(const char* name, const QString& text, QRgb colour) {
    auto* label = new QLabel(text);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    SetColour(*label, QPalette::WindowText, colour);
    return label;
}

// Reads as a link and opens the home page; a flat button keeps it reachable
// from the keyboard.
QPushButton* HomePageLink(const QString& homePage) {
    auto* link = new QPushButton(QStringLiteral("Click here to visit ") + homePage);
    link->setObjectName(QStringLiteral("lblHomePage"));
    link->setFlat(true);
    link->setCursor(Qt::PointingHandCursor);
    QFont font = link->font();
    font.setUnderline(true);
    link->setFont(font);
    SetColour(*link, QPalette::ButtonText, kYellowText);
    return link;
}

}  // namespace

frmAbout::frmAbout(WebPageOpener& opener, const LinkTargets& links, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QString::fromLatin1(kApplicationTitle));
    setModal(true);
    SetColour(*this, QPalette::Window, kPanelBrown);

    auto* picIcon = new QLabel;
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setPixmap(ProgramIcon().pixmap(kIconSize, kIconSize));

    QLabel* title = PlainLabel("Label2", QString::fromLatin1(kApplicationTitle), kWhiteText);
    QFont titleFont(QStringLiteral("Verdana"));
    titleFont.setBold(true);
    titleFont.setPointSizeF(title->font().pointSizeF() * 1.3);
    title->setFont(titleFont);

    QLabel* description = PlainLabel("Label1", QString::fromLatin1(kDescription), kLightYellowText);
    QLabel* licence = PlainLabel(
        "lblLicence",
        QStringLiteral("Free software under the GNU Affero General Public License, version 3 or "
                       "later. Precise positions by Swiss Ephemeris %1, \u00A9 Astrodienst AG, "
                       "under the same licence.")
            .arg(QString::fromStdString(SwissEphemerisVersion())),
        kLightYellowText);
    QLabel* credits = PlainLabel("lblCredits", DataCredits(), kLightYellowText);

    auto* text = new QVBoxLayout;
    text->addWidget(title);
    for (QLabel* paragraph : {description, licence, credits}) {
        paragraph->setWordWrap(true);
        // Wraps to a readable measure and no narrower; wider when the box is.
        paragraph->setMinimumWidth(paragraph->fontMetrics().averageCharWidth() * kMeasure);
        text->addWidget(paragraph);
    }

    // Its colours hide the disabled look, so without a home page it goes.
    if (const QUrl home = WebPageUrl(WebPage::Home, links.homePage); !home.isEmpty()) {
        QPushButton* link = HomePageLink(links.homePage);
        connect(link, &QPushButton::clicked, this, [&opener, home] { opener.open(home); });
        text->addWidget(link, 0, Qt::AlignLeft);
    }
    text->addStretch();

    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    text->addWidget(ok, 0, Qt::AlignRight);

    auto* row = new QHBoxLayout(this);
    row->addWidget(picIcon, 0, Qt::AlignTop);
    row->addLayout(text, 1);
    setSizeGripEnabled(true);
    // Wrapped paragraphs leave the box no minimum height of its own; at its
    // narrowest it still shows every line.
    const int narrowest = minimumSizeHint().width();
    setMinimumSize(narrowest, heightForWidth(narrowest));
}

}  // namespace amsaview
