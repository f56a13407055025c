#include "ui/result/frmDisplay.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>

#include "pipeline/ChartCaptions.h"
#include "qtcommon/QtText.h"
#include "ui/common/ProgramColours.h"
#include "ui/common/Twips.h"
#include "ui/common/WindowFonts.h"
#include "ui/frame/ApplicationTitle.h"
#include "ui/result/ChartGrid.h"
#include "ui/result/ChartViews.h"

namespace amsaview {
namespace {

constexpr std::array<std::string_view, kSignCount> kRashiBoxNames = {
    "lblAries", "lblTaurus",  "lblGemini",      "lblCancer",    "lblLeo",      "lblVirgo",
    "lblLibra", "lblScorpio", "lblSagattarius", "lblCapricorn", "lblAquarius", "lblPisces"};

constexpr std::array<std::string_view, kBodyCount> kPlanetRowCaptions = {
    "Surya/Sun",    "Chandra/Moon", "Budha/Mercury",   "Shukra/Venus",   "Mangala/Mars",
    "Guru/Jupiter", "Shani/Saturn", "Rahu/North Node", "Ketu/South node"};

struct CaptionedValue {
    std::string_view caption;
    std::string_view name;
    std::string ResultTexts::*text;
};

constexpr std::array<CaptionedValue, 7> kBirthRows = {{
    {"Date of Birth :", "lblDOB", &ResultTexts::lblDOB},
    {"Timeof Birth :", "lblTOB", &ResultTexts::lblTOB},
    {"Longitude :", "lblLongitude", &ResultTexts::lblLongitude},
    {"Latitude   :", "lblLatitude", &ResultTexts::lblLatitude},
    {"City :", "lblCity", &ResultTexts::lblCity},
    {"State :", "lblState", &ResultTexts::lblState},
    {"Country :", "lblCountry", &ResultTexts::lblCountry},
}};

constexpr std::array<CaptionedValue, 7> kVedicRows = {{
    {"Ayanamsa", "lblAyanamsha", &ResultTexts::lblAyanamsha},
    {"Lagna / Asc", "lblLagna", &ResultTexts::lblLagna},
    {"Nakshatra", "lblNakshatra", &ResultTexts::lblNakshatra},
    {"Rashi", "lblRashi", &ResultTexts::lblRashi},
    {"Pada", "lblPada", &ResultTexts::lblPada},
    {"Lord", "lblLord", &ResultTexts::lblLord},
    {"Lagna Position", "lblLagnaPosition", &ResultTexts::lblLagnaPosition},
}};

QString Indexed(std::string_view name, int index) {
    return QStringLiteral("%1_%2").arg(ToQString(name)).arg(index);
}

QLabel* AddLabel(QWidget& parent, const QString& name, std::string_view text, const QRect& place,
                 QRgb colour, const QFont& font) {
    auto* label = new QLabel(ToQString(text), &parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(place);
    label->setFont(font);
    SetColour(*label, QPalette::WindowText, colour);
    return label;
}

QGroupBox* AddFrame(QWidget& parent, std::string_view name, std::string_view caption,
                    const QRect& place) {
    auto* frame = new QGroupBox(ToQString(caption), &parent);
    frame->setObjectName(ToQString(name));
    frame->setGeometry(place);
    return frame;
}

QTabBar* AddTabStrip(QWidget& parent, std::string_view name, int left, int top, int width) {
    auto* strip = new QTabBar(&parent);
    strip->setObjectName(ToQString(name));
    strip->setDrawBase(false);
    strip->setExpanding(false);
    strip->setUsesScrollButtons(false);
    strip->setElideMode(Qt::ElideNone);
    // Tabs as narrow as the composed window had them, so that every tab shows.
    strip->setStyleSheet(QStringLiteral("QTabBar::tab { padding: 3px 5px; }"));
    strip->setGeometry(TwipsRect(left, top, width, 300));
    return strip;
}

}  // namespace

frmDisplay::frmDisplay(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmDisplay"));
    setWindowTitle(QString::fromLatin1(kApplicationTitle));
    setFixedSize(Px(11325), Px(7995));
    setFont(SansSerifFont());
    SetColour(*this, QPalette::Window, kPanelBrown);
    SetColour(*this, QPalette::WindowText, kLightYellowText);

    buildLeftPanel();
    buildRightPanel();
    buildBottomStrip();
    TabStrip2_Click(0);
}

void frmDisplay::buildLeftPanel() {
    QGroupBox& panel = *AddFrame(*this, "Frame1", "", TwipsRect(80, 240, 3840, 6585));

    auto* rashiButton = new QPushButton(QStringLiteral("Rashi Chart"), &panel);
    rashiButton->setObjectName(QStringLiteral("cmdRashiChart"));
    rashiButton->setGeometry(TwipsRect(120, 240, 1800, 375));
    connect(rashiButton, &QPushButton::clicked, this, &frmDisplay::cmdRashiChart_Click);
    auto* divisionalButton = new QPushButton(QStringLiteral("Divisional Charts"), &panel);
    divisionalButton->setObjectName(QStringLiteral("cmdDivisionalChart"));
    divisionalButton->setGeometry(TwipsRect(1935, 240, 1800, 375));
    connect(divisionalButton, &QPushButton::clicked, this, &frmDisplay::cmdDivisionalChart_Click);

    tabStrip2_ = AddTabStrip(panel, "TabStrip2", 120, 660, 3615);
    for (const DetailsView& view : kDetailsViews) {
        tabStrip2_->addTab(ToQString(view.tab));
    }
    auto* tabBody = new QGroupBox(&panel);
    tabBody->setGeometry(TwipsRect(120, 900, 3615, 2895));
    buildDetailFrames(panel);
    connect(tabStrip2_, &QTabBar::tabBarClicked, this, &frmDisplay::TabStrip2_Click);
    connect(tabStrip2_, &QTabBar::currentChanged, this, &frmDisplay::TabStrip2_Click);

    lblHTB2_ = AddLabel(panel, "lblHTB2", "", TwipsRect(120, 3840, 3675, 300), kCyanText,
                        VerdanaFont(8.0, true));
    lblTab2_ = AddLabel(panel, "lblTab2", "", TwipsRect(120, 4200, 3675, 2295), kLightYellowText,
                        SansSerifFont());
    lblTab2_->setWordWrap(true);
    lblTab2_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void frmDisplay::buildDetailFrames(QWidget& panel) {
    const QRect place = TwipsRect(180, 960, 3490, 2790);
    QGroupBox& details = *AddFrame(panel, "fraDetails", "Your Details", place);
    QGroupBox& vedic = *AddFrame(panel, "fraVedic", "Other Vedic Details", place);
    QGroupBox& western = *AddFrame(panel, "fraWestern", "Vedic Planetary Position", place);
    detailFrames_ = {&details, &vedic, &western};

    bindValue(AddLabel(details, "lblName", "", TwipsRect(120, 300, 3250, 285), kWhiteText,
                       VerdanaFont(8.5, true)),
              &ResultTexts::lblName);
    for (std::size_t row = 0; row < kBirthRows.size(); ++row) {
        const int top = 660 + static_cast<int>(row) * 285;
        AddLabel(details, QString(), kBirthRows[row].caption, TwipsRect(120, top, 1320, 270),
                 kLightYellowText, SansSerifFont());
        bindValue(AddLabel(details, ToQString(kBirthRows[row].name), "",
                           TwipsRect(1440, top, 1980, 270), kWhiteText, VerdanaFont(8.0, true)),
                  kBirthRows[row].text);
    }

    for (std::size_t row = 0; row < kVedicRows.size(); ++row) {
        const int top = 300 + static_cast<int>(row) * 345;
        QLabel* caption =
            AddLabel(vedic, QString(), kVedicRows[row].caption, TwipsRect(120, top, 1260, 315),
                     kLightYellowText, SansSerifFont());
        QLabel* value =
            AddLabel(vedic, ToQString(kVedicRows[row].name), "", TwipsRect(1365, top, 2010, 315),
                     kWhiteText, VerdanaFont(8.0, true));
        for (QLabel* cell : {caption, value}) {
            cell->setFrameShape(QFrame::Box);
            cell->setIndent(3);
        }
        bindValue(value, kVedicRows[row].text);
    }

    for (int body = 0; body < kBodyCount; ++body) {
        const int top = 270 + body * 270;
        AddLabel(western, Indexed("PlanetName", body),
                 kPlanetRowCaptions[static_cast<std::size_t>(body)], TwipsRect(120, top, 1800, 255),
                 kLightYellowText, SansSerifFont());
        planet_[static_cast<std::size_t>(body)] =
            AddLabel(western, Indexed("planet", body), "", TwipsRect(1980, top, 1380, 255),
                     kWhiteText, VerdanaFont(8.0, true));
    }
}

void frmDisplay::buildRightPanel() {
    QGroupBox& panel = *AddFrame(*this, "Frame3", "", TwipsRect(3945, 240, 7335, 6585));
    label24_ = AddLabel(panel, "Label24", "Rashi Chart :- All Calculations Based on Birth Chart",
                        TwipsRect(480, 240, 6000, 240), kWhiteText, VerdanaFont(8.0, true));

    tabStrip1_ = AddTabStrip(panel, "TabStrip1", 345, 180, 6370);
    for (const DivisionalChart& chart : kDivisionalCharts) {
        tabStrip1_->addTab(ToQString(chart.title));
    }
    connect(tabStrip1_, &QTabBar::tabBarClicked, this, &frmDisplay::TabStrip1_Click);
    connect(tabStrip1_, &QTabBar::currentChanged, this, &frmDisplay::TabStrip1_Click);

    std::array<QString, kSignCount> boxNames;
    for (std::size_t sign = 0; sign < boxNames.size(); ++sign) {
        boxNames[sign] = ToQString(kRashiBoxNames[sign]);
    }
    const QPoint chartCorner(Px(100), Px(480));
    fraBirthchart_ = new ChartGrid(QStringLiteral("Rashi Chart"), kRashiGrid, boxNames, &panel);
    fraBirthchart_->setObjectName(QStringLiteral("fraBirthchart"));
    fraBirthchart_->move(chartCorner);

    for (std::size_t chart = 0; chart < kDivisionalCharts.size(); ++chart) {
        const DivisionalChart& rules = kDivisionalCharts[chart];
        for (int sign = 0; sign < kSignCount; ++sign) {
            boxNames[static_cast<std::size_t>(sign)] = Indexed("lblPlanet", rules.slotBase + sign);
        }
        auto* frame = new ChartGrid(ToQString(rules.title), kDivisionalGrid, boxNames, &panel);
        frame->setObjectName(ToQString(kDivisionalViews[chart].frame));
        frame->move(chartCorner);
        divisionalFrames_[chart] = frame;
    }
}

void frmDisplay::buildBottomStrip() {
    QGroupBox& strip = *AddFrame(*this, "Frame2", "", TwipsRect(80, 6850, 11200, 1080));
    lblHeader_ = AddLabel(strip, "lblHeader", "", TwipsRect(120, 135, 6000, 240), kYellowText,
                          VerdanaFont(8.0, true));
    lblDescription_ = AddLabel(strip, "lblDescription", "", TwipsRect(120, 320, 10005, 810),
                               kWhiteText, SansSerifFont());
    lblDescription_->setWordWrap(true);
    lblDescription_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void frmDisplay::bindValue(QLabel* label, std::string ResultTexts::*text) {
    values_.emplace_back(label, text);
}

void frmDisplay::showResult(const ChartResult& result) {
    for (const auto& [label, text] : values_) {
        label->setText(QString::fromStdString(result.texts.*text));
    }
    for (std::size_t body = 0; body < planet_.size(); ++body) {
        planet_[body]->setText(QString::fromStdString(result.texts.planet[body]));
    }
    fraBirthchart_->setBoxes(RashiCaptions(result.placements));
    for (std::size_t chart = 0; chart < kDivisionalCharts.size(); ++chart) {
        divisionalFrames_[chart]->setBoxes(DivisionalCaptions(result.placements, chart));
    }
}

void frmDisplay::showInitialView() {
    cmdRashiChart_Click();
    tabStrip2_->setCurrentIndex(0);
    TabStrip2_Click(0);
}

void frmDisplay::cmdRashiChart_Click() {
    for (ChartGrid* frame : divisionalFrames_) {
        frame->hide();
    }
    tabStrip1_->hide();
    label24_->show();
    fraBirthchart_->show();
    fraBirthchart_->raise();
    lblHeader_->setText(ToQString(kRashiCaption));
    lblDescription_->setText(ToQString(kRashiDescription));
}

void frmDisplay::cmdDivisionalChart_Click() {
    fraBirthchart_->hide();
    label24_->hide();
    tabStrip1_->show();
    {
        // The strip names the chart on view; choosing Hora here is not a tab click.
        const QSignalBlocker quiet(tabStrip1_);
        tabStrip1_->setCurrentIndex(0);
    }
    showDivisionalFrame(0);
    lblHeader_->setText(ToQString(kHoraButtonCaption));
    lblDescription_->setText(ToQString(kDivisionalViews[0].description));
}

void frmDisplay::TabStrip1_Click(int tab) {
    if (tab < 0 || tab >= static_cast<int>(kDivisionalViews.size())) {
        return;
    }
    showDivisionalFrame(tab);
    const DivisionalView& view = kDivisionalViews[static_cast<std::size_t>(tab)];
    lblHeader_->setText(ToQString(view.caption));
    lblDescription_->setText(ToQString(view.description));
}

void frmDisplay::TabStrip2_Click(int tab) {
    if (tab < 0) {
        return;
    }
    const auto shown = std::min<std::size_t>(static_cast<std::size_t>(tab), 2);
    for (std::size_t frame = 0; frame < detailFrames_.size(); ++frame) {
        detailFrames_[frame]->setVisible(frame == shown);
    }
    detailFrames_[shown]->raise();
    lblHTB2_->setText(ToQString(kDetailsViews[shown].heading));
    lblTab2_->setText(ToQString(kDetailsViews[shown].help));
}

void frmDisplay::showDivisionalFrame(int index) {
    for (std::size_t chart = 0; chart < divisionalFrames_.size(); ++chart) {
        divisionalFrames_[chart]->setVisible(static_cast<int>(chart) == index);
    }
    divisionalFrames_[static_cast<std::size_t>(index)]->raise();
}

}  // namespace amsaview
