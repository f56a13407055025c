#include "ui/shell/frmAbout.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "clock/ClockHistory.h"
#include "swiss/SwissEphemeris.h"
#include "ui/common/ProgramColours.h"
#include "ui/common/ApplicationTitle.h"
#include "ui/common/ProgramIcon.h"
#include "ui/common/WebPages.h"

namespace amsaview {
namespace {

constexpr char kDescription[] =
    "Amsaview is a software that maps the vargas or divisions of a sign. "
    "Each division gives more details of a person's material, emotional and physical "
    "aspects.";

constexpr int kIconSize = 48;

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
    auto* link = new QPushButton(QStringLiteral("Click here to visit ") +
                                 (homePage.isEmpty() ? QStringLiteral("our home page") : homePage));
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
    description->setWordWrap(true);
    description->setFixedWidth(description->fontMetrics().averageCharWidth() * 48);

    QLabel* licence = PlainLabel(
        "lblLicence",
        QStringLiteral("Free software under the GNU Affero General Public License, version 3 or "
                       "later. Precise positions by Swiss Ephemeris %1, \u00A9 Astrodienst AG, "
                       "under the same licence.")
            .arg(QString::fromStdString(SwissEphemerisVersion())),
        kLightYellowText);
    licence->setWordWrap(true);
    licence->setFixedWidth(description->width());
    QLabel* credits = PlainLabel("lblCredits", DataCredits(), kLightYellowText);
    credits->setWordWrap(true);
    credits->setFixedWidth(credits->fontMetrics().averageCharWidth() * 48);

    QPushButton* link = HomePageLink(links.homePage);
    if (const QUrl home = WebPageUrl(WebPage::Home, links.homePage); home.isEmpty()) {
        link->setEnabled(false);
        link->setToolTip(NoHomePageTip());
    } else {
        connect(link, &QPushButton::clicked, this, [&opener, home] { opener.open(home); });
    }

    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* grid = new QGridLayout(this);
    grid->addWidget(picIcon, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(title, 0, 1);
    grid->addWidget(description, 1, 1);
    grid->addWidget(licence, 2, 1);
    grid->addWidget(credits, 2, 1);
    grid->addWidget(link, 3, 1, Qt::AlignLeft);
    grid->addWidget(ok, 4, 1, Qt::AlignRight);
    grid->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace amsaview
