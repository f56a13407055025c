#include "ui/result/frmDisplay.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>

#include "export/ChartPages.h"
#include "pipeline/ChartCaptions.h"
#include "qtcommon/QtText.h"
#include "ui/common/ApplicationTitle.h"
#include "ui/common/ElidingLabel.h"
#include "ui/common/ProgramColours.h"
#include "ui/common/Twips.h"
#include "ui/common/WindowFonts.h"
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

template <typename Label = QLabel>
Label* AddLabel(QWidget& parent, const QString& name, std::string_view text, QRgb colour,
                const QFont& font) {
    auto* label = new Label(&parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setText(ToQString(text));
    label->setFont(font);
    SetColour(*label, QPalette::WindowText, colour);
    return label;
}

// At least the room the window was composed with; more when the font needs it.
void KeepDesignSize(QWidget& widget, int widthTwips, int heightTwips) {
    widget.setMinimumSize(Px(widthTwips), Px(heightTwips));
}

// A wrapped text block as wide as composed (wider when its panel grows) and
// as tall as the longest of the texts it shows needs in its font.
void FitWrappedTexts(QLabel& label, int widthTwips, int heightTwips,
                     const std::vector<std::string_view>& texts) {
    label.setWordWrap(true);
    label.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label.setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    const int width = Px(widthTwips);
    int height = Px(heightTwips);
    for (const std::string_view text : texts) {
        const QRect needed = label.fontMetrics().boundingRect(
            QRect(0, 0, width, QWIDGETSIZE_MAX), Qt::TextWordWrap | Qt::AlignLeft, ToQString(text));
        height = std::max(height, needed.height() + 2 * label.margin());
    }
    label.setMinimumWidth(width);
    label.setFixedHeight(height);
}

// Places a frame's contents as composed, in twips from the frame's edges: the
// style's own border and title room count towards them.
void SetFrameMargins(QLayout& layout, const QWidget& frame, int left, int top, int right,
                     int bottom) {
    const QMargins border = frame.contentsMargins();
    layout.setContentsMargins(
        std::max(0, Px(left) - border.left()), std::max(0, Px(top) - border.top()),
        std::max(0, Px(right) - border.right()), std::max(0, Px(bottom) - border.bottom()));
}

QGroupBox* AddFrame(QWidget& parent, std::string_view name, std::string_view caption) {
    auto* frame = new QGroupBox(ToQString(caption), &parent);
    frame->setObjectName(ToQString(name));
    return frame;
}

// Widgets that take turns in one place: the place fits the largest of them.
QGridLayout* TakingTurns(std::initializer_list<QWidget*> widgets, Qt::Alignment alignment) {
    auto* place = new QGridLayout;
    place->setContentsMargins(0, 0, 0, 0);
    for (QWidget* widget : widgets) {
        QSizePolicy policy = widget->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        widget->setSizePolicy(policy);
        place->addWidget(widget, 0, 0, alignment);
    }
    return place;
}

QTabBar* AddTabStrip(QWidget& parent, std::string_view name) {
    auto* strip = new QTabBar(&parent);
    strip->setObjectName(ToQString(name));
    strip->setDrawBase(false);
    strip->setExpanding(false);
    // The layout gives the strip room for every tab; should a screen be too
    // small even so, the tabs scroll rather than vanish.
    strip->setUsesScrollButtons(true);
    strip->setElideMode(Qt::ElideNone);
    // Tabs as narrow as the composed window had them.
    strip->setStyleSheet(QStringLiteral("QTabBar::tab { padding: 3px 5px; }"));
    return strip;
}

}  // namespace

frmDisplay::frmDisplay(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmDisplay"));
    setWindowTitle(QString::fromLatin1(kApplicationTitle));
    setFont(SansSerifFont());
    SetColour(*this, QPalette::Window, kPanelBrown);
    SetColour(*this, QPalette::WindowText, kLightYellowText);

    // The composed places, in twips: the panels 25 apart, 80 from the left
    // and 240 from the top edge.
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(Px(80), Px(240), Px(45), Px(65));
    grid->setSpacing(Px(25));
    grid->addWidget(buildLeftPanel(), 0, 0);
    grid->addWidget(buildRightPanel(), 0, 1);
    grid->addWidget(buildBottomStrip(), 1, 0, 1, 2);
    // What computed the positions, under everything: it wraps rather than
    // widens the window when the font grows.
    lblMethod_ = new QLabel(this);
    lblMethod_->setObjectName(QStringLiteral("lblMethod"));
    lblMethod_->setWordWrap(true);
    lblMethod_->setTextFormat(Qt::PlainText);
    grid->addWidget(lblMethod_, 2, 0, 1, 2);
    // As large as its contents and no larger: the main frame scrolls it.
    grid->setSizeConstraint(QLayout::SetFixedSize);
    TabStrip2_Click(0);
}

QWidget* frmDisplay::buildLeftPanel() {
    QGroupBox& panel = *AddFrame(*this, "Frame1", "");
    KeepDesignSize(panel, 3840, 6585);

    auto* rashiButton = new QPushButton(QStringLiteral("Rashi Chart"), &panel);
    rashiButton->setObjectName(QStringLiteral("cmdRashiChart"));
    KeepDesignSize(*rashiButton, 1800, 375);
    connect(rashiButton, &QPushButton::clicked, this, &frmDisplay::cmdRashiChart_Click);
    auto* divisionalButton = new QPushButton(QStringLiteral("Divisional Charts"), &panel);
    divisionalButton->setObjectName(QStringLiteral("cmdDivisionalChart"));
    KeepDesignSize(*divisionalButton, 1800, 375);
    connect(divisionalButton, &QPushButton::clicked, this, &frmDisplay::cmdDivisionalChart_Click);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(Px(15));
    buttons->addWidget(rashiButton);
    buttons->addWidget(divisionalButton);
    buttons->addStretch();

    tabStrip2_ = AddTabStrip(panel, "TabStrip2");
    for (const DetailsView& view : kDetailsViews) {
        tabStrip2_->addTab(ToQString(view.tab));
    }
    connect(tabStrip2_, &QTabBar::tabBarClicked, this, &frmDisplay::TabStrip2_Click);
    connect(tabStrip2_, &QTabBar::currentChanged, this, &frmDisplay::TabStrip2_Click);

    auto* tabBody = new QGroupBox(&panel);
    KeepDesignSize(*tabBody, 3615, 2895);
    auto* tabPlace = new QVBoxLayout(tabBody);
    SetFrameMargins(*tabPlace, *tabBody, 60, 60, 60, 60);
    tabPlace->addLayout(buildDetailFrames(*tabBody));
    tabPlace->addStretch();

    lblHTB2_ = AddLabel(panel, QStringLiteral("lblHTB2"), "", kCyanText, VerdanaFont(8.0, true));
    lblHTB2_->setMinimumHeight(Px(300));
    lblTab2_ = AddLabel(panel, QStringLiteral("lblTab2"), "", kLightYellowText, SansSerifFont());
    FitWrappedTexts(*lblTab2_, 3675, 0,
                    {kDetailsViews[0].help, kDetailsViews[1].help, kDetailsViews[2].help});

    auto* column = new QVBoxLayout(&panel);
    SetFrameMargins(*column, panel, 120, 240, 105, 120);
    column->setSpacing(0);
    column->addLayout(buttons);
    column->addSpacing(Px(45));
    column->addWidget(tabStrip2_, 0, Qt::AlignLeft);
    column->addWidget(tabBody);
    column->addSpacing(Px(45));
    column->addWidget(lblHTB2_);
    column->addSpacing(Px(60));
    column->addWidget(lblTab2_);
    column->addStretch();
    return &panel;
}

QLayout* frmDisplay::buildDetailFrames(QWidget& tabBody) {
    QGroupBox& details = *AddFrame(tabBody, "fraDetails", "Your Details");
    QGroupBox& vedic = *AddFrame(tabBody, "fraVedic", "Other Vedic Details");
    QGroupBox& western = *AddFrame(tabBody, "fraWestern", "Vedic Planetary Position");
    detailFrames_ = {&details, &vedic, &western};

    auto* detailRows = new QGridLayout(&details);
    SetFrameMargins(*detailRows, details, 120, 300, 90, 90);
    detailRows->setHorizontalSpacing(0);
    detailRows->setVerticalSpacing(Px(15));
    auto* name = AddLabel<ElidingLabel>(details, QStringLiteral("lblName"), "", kWhiteText,
                                        VerdanaFont(8.5, true));
    name->setMinimumHeight(Px(285));
    bindValue(name, &ResultTexts::lblName);
    detailRows->addWidget(name, 0, 0, 1, 2);
    detailRows->setRowMinimumHeight(1, Px(45));
    for (std::size_t row = 0; row < kBirthRows.size(); ++row) {
        QLabel* caption = AddLabel(details, QString(), kBirthRows[row].caption, kLightYellowText,
                                   SansSerifFont());
        KeepDesignSize(*caption, 1320, 270);
        // A name or place may be of any length; the other values have a set form.
        const bool free = kBirthRows[row].text == &ResultTexts::lblCity ||
                          kBirthRows[row].text == &ResultTexts::lblState ||
                          kBirthRows[row].text == &ResultTexts::lblCountry;
        const QString valueName = ToQString(kBirthRows[row].name);
        QLabel* value = free ? AddLabel<ElidingLabel>(details, valueName, "", kWhiteText,
                                                      VerdanaFont(8.0, true))
                             : AddLabel(details, valueName, "", kWhiteText, VerdanaFont(8.0, true));
        KeepDesignSize(*value, 1980, 270);
        bindValue(value, kBirthRows[row].text);
        const int gridRow = 2 + static_cast<int>(row);
        detailRows->addWidget(caption, gridRow, 0);
        detailRows->addWidget(value, gridRow, 1);
    }
    detailRows->setColumnStretch(1, 1);
    detailRows->setRowStretch(2 + static_cast<int>(kBirthRows.size()), 1);

    auto* vedicRows = new QGridLayout(&vedic);
    SetFrameMargins(*vedicRows, vedic, 120, 300, 90, 90);
    vedicRows->setHorizontalSpacing(0);
    vedicRows->setVerticalSpacing(Px(30));
    for (std::size_t row = 0; row < kVedicRows.size(); ++row) {
        QLabel* caption =
            AddLabel(vedic, QString(), kVedicRows[row].caption, kLightYellowText, SansSerifFont());
        KeepDesignSize(*caption, 1260, 315);
        QLabel* value = AddLabel(vedic, ToQString(kVedicRows[row].name), "", kWhiteText,
                                 VerdanaFont(8.0, true));
        KeepDesignSize(*value, 2010, 315);
        for (QLabel* cell : {caption, value}) {
            cell->setFrameShape(QFrame::Box);
            cell->setIndent(3);
        }
        bindValue(value, kVedicRows[row].text);
        vedicRows->addWidget(caption, static_cast<int>(row), 0);
        vedicRows->addWidget(value, static_cast<int>(row), 1);
    }
    vedicRows->setColumnStretch(1, 1);
    vedicRows->setRowStretch(static_cast<int>(kVedicRows.size()), 1);

    auto* planetRows = new QGridLayout(&western);
    SetFrameMargins(*planetRows, western, 120, 270, 90, 90);
    planetRows->setHorizontalSpacing(Px(60));
    planetRows->setVerticalSpacing(Px(15));
    for (int body = 0; body < kBodyCount; ++body) {
        QLabel* caption = AddLabel(western, Indexed("PlanetName", body),
                                   kPlanetRowCaptions[static_cast<std::size_t>(body)],
                                   kLightYellowText, SansSerifFont());
        KeepDesignSize(*caption, 1800, 255);
        QLabel* value =
            AddLabel(western, Indexed("planet", body), "", kWhiteText, VerdanaFont(8.0, true));
        KeepDesignSize(*value, 1380, 255);
        planet_[static_cast<std::size_t>(body)] = value;
        planetRows->addWidget(caption, body, 0);
        planetRows->addWidget(value, body, 1);
    }
    planetRows->setColumnStretch(1, 1);
    planetRows->setRowStretch(kBodyCount, 1);

    for (QGroupBox* frame : detailFrames_) {
        KeepDesignSize(*frame, 3490, 2790);
    }
    return TakingTurns({&details, &vedic, &western}, {});
}

QWidget* frmDisplay::buildRightPanel() {
    QGroupBox& panel = *AddFrame(*this, "Frame3", "");
    KeepDesignSize(panel, 7335, 6585);
    label24_ = AddLabel(panel, QStringLiteral("Label24"),
                        "Rashi Chart :- All Calculations Based on Birth Chart", kWhiteText,
                        VerdanaFont(8.0, true));
    label24_->setIndent(Px(135));
    label24_->setAlignment(Qt::AlignLeft | Qt::AlignBottom);

    tabStrip1_ = AddTabStrip(panel, "TabStrip1");
    for (const DivisionalChart& chart : kDivisionalCharts) {
        tabStrip1_->addTab(ToQString(chart.title));
    }
    connect(tabStrip1_, &QTabBar::tabBarClicked, this, &frmDisplay::TabStrip1_Click);
    connect(tabStrip1_, &QTabBar::currentChanged, this, &frmDisplay::TabStrip1_Click);

    std::array<QString, kSignCount> boxNames;
    for (std::size_t sign = 0; sign < boxNames.size(); ++sign) {
        boxNames[sign] = ToQString(kRashiBoxNames[sign]);
    }
    fraBirthchart_ = new ChartGrid(QStringLiteral("Rashi Chart"), kRashiGrid, boxNames, &panel);
    fraBirthchart_->setObjectName(QStringLiteral("fraBirthchart"));
    for (std::size_t chart = 0; chart < kDivisionalCharts.size(); ++chart) {
        const DivisionalChart& rules = kDivisionalCharts[chart];
        for (int sign = 0; sign < kSignCount; ++sign) {
            boxNames[static_cast<std::size_t>(sign)] = Indexed("lblPlanet", rules.slotBase + sign);
        }
        auto* frame = new ChartGrid(ToQString(rules.title), kDivisionalGrid, boxNames, &panel);
        frame->setObjectName(ToQString(kDivisionalViews[chart].frame));
        divisionalFrames_[chart] = frame;
    }

    auto* column = new QVBoxLayout(&panel);
    SetFrameMargins(*column, panel, 100, 180, 100, 120);
    column->setSpacing(0);
    auto* heading = TakingTurns({label24_, tabStrip1_}, Qt::AlignLeft | Qt::AlignBottom);
    heading->setContentsMargins(Px(245), 0, 0, 0);
    heading->setRowMinimumHeight(0, Px(300));
    column->addLayout(heading);
    QGridLayout* charts = TakingTurns({fraBirthchart_}, Qt::AlignLeft | Qt::AlignTop);
    for (ChartGrid* frame : divisionalFrames_) {
        QSizePolicy policy = frame->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        frame->setSizePolicy(policy);
        charts->addWidget(frame, 0, 0, Qt::AlignLeft | Qt::AlignTop);
    }
    column->addLayout(charts);
    column->addStretch();
    return &panel;
}

QWidget* frmDisplay::buildBottomStrip() {
    QGroupBox& strip = *AddFrame(*this, "Frame2", "");
    KeepDesignSize(strip, 11200, 1080);
    lblHeader_ =
        AddLabel(strip, QStringLiteral("lblHeader"), "", kYellowText, VerdanaFont(8.0, true));
    lblDescription_ =
        AddLabel(strip, QStringLiteral("lblDescription"), "", kWhiteText, SansSerifFont());
    std::vector<std::string_view> descriptions = {kRashiDescription};
    for (const DivisionalView& view : kDivisionalViews) {
        descriptions.push_back(view.description);
    }
    FitWrappedTexts(*lblDescription_, 10005, 810, descriptions);

    auto* column = new QVBoxLayout(&strip);
    SetFrameMargins(*column, strip, 120, 135, 1075, 60);
    column->setSpacing(0);
    column->addWidget(lblHeader_);
    column->addWidget(lblDescription_);
    column->addStretch();
    return &strip;
}

void frmDisplay::bindValue(QLabel* label, std::string ResultTexts::*text) {
    values_.emplace_back(label, text);
}

void frmDisplay::showResult(const ChartResult& result) {
    result_ = result;
    for (const auto& [label, text] : values_) {
        const QString shown = QString::fromStdString(result.texts.*text);
        if (auto* eliding = qobject_cast<ElidingLabel*>(label)) {
            eliding->setText(shown);
        } else {
            label->setText(shown);
        }
    }
    for (std::size_t body = 0; body < planet_.size(); ++body) {
        planet_[body]->setText(QString::fromStdString(result.texts.planet[body]));
    }
    lblMethod_->setText(
        QStringLiteral("Positions: %1").arg(ToQString(MethodDescription(result.method))));
    // The report's charts in its order: the Rashi chart, then the tabs'.
    const std::vector<ChartDrawing> drawings = ChartDrawings(result);
    fraBirthchart_->setChart(drawings[0]);
    for (std::size_t chart = 0; chart < divisionalFrames_.size(); ++chart) {
        divisionalFrames_[chart]->setChart(drawings[1 + chart]);
    }
}

const ChartDrawing& frmDisplay::chartOnView() const {
    for (const ChartGrid* frame : divisionalFrames_) {
        if (!frame->isHidden()) {
            return frame->chart();
        }
    }
    return fraBirthchart_->chart();
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
