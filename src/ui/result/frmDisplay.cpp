#include "ui/result/frmDisplay.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTableWidget>
#include <algorithm>

#include "export/ChartPages.h"
#include "export/VargaTable.h"
#include "qtcommon/QtText.h"
#include "ui/common/ApplicationTitle.h"
#include "ui/common/ProgramColours.h"
#include "ui/common/Twips.h"
#include "ui/common/WindowFonts.h"
#include "ui/result/ChartGrid.h"
#include "ui/result/DashaView.h"
#include "ui/result/SectionTexts.h"
#include "ui/result/SectionView.h"

namespace amsaview {
namespace {

QLabel* AddLabel(QWidget& parent, const QString& name, QRgb colour, const QFont& font) {
    auto* label = new QLabel(&parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
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
                     const std::vector<QString>& texts) {
    label.setWordWrap(true);
    label.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label.setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    const int width = Px(widthTwips);
    int height = Px(heightTwips);
    for (const QString& text : texts) {
        const QRect needed = label.fontMetrics().boundingRect(
            QRect(0, 0, width, QWIDGETSIZE_MAX), Qt::TextWordWrap | Qt::AlignLeft, text);
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

QGroupBox* AddFrame(QWidget& parent, const QString& name) {
    auto* frame = new QGroupBox(&parent);
    frame->setObjectName(name);
    return frame;
}

// Widgets that take turns in one place: the place fits the largest of them.
QGridLayout* TakingTurns(const std::vector<QWidget*>& widgets, Qt::Alignment alignment) {
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

constexpr std::string_view kVargaTab = "Varga Table";
constexpr std::string_view kVargaCaption = "Varga Table:";
constexpr std::string_view kVargaDescription =
    " The sign of the Lagna and of every planet in each chart, a row for each and a column for "
    "each chart. A planet marked (R) was retrograde at birth.";

QTabBar* AddTabStrip(QWidget& parent, std::string_view name) {
    auto* strip = new QTabBar(&parent);
    strip->setObjectName(ToQString(name));
    strip->setDrawBase(false);
    strip->setExpanding(false);
    // More tabs than room: the strip scrolls, and the arrow keys reach each.
    strip->setUsesScrollButtons(true);
    strip->setElideMode(Qt::ElideNone);
    // Tabs as narrow as the composed window had them.
    strip->setStyleSheet(QStringLiteral("QTabBar::tab { padding: 3px 5px; }"));
    return strip;
}

// The Rashi chart keeps its composed element name; the others are named
// after their titles ("fraNavamsa").
QString FrameName(const ChartKind& kind) {
    if (IsRashi(kind)) {
        return QStringLiteral("fraBirthchart");
    }
    return QStringLiteral("fra") + ToQString(kind.title).remove(QLatin1Char(' '));
}

std::array<QString, kSignCount> BoxNames(const ChartKind& kind) {
    std::array<QString, kSignCount> names;
    for (std::size_t sign = 0; sign < kSignCount; ++sign) {
        names[sign] =
            QStringLiteral("lbl%1_%2").arg(ToQString(kind.id), ToQString(SignAbbreviations[sign]));
    }
    return names;
}

}  // namespace

frmDisplay::frmDisplay(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmDisplay"));
    setWindowTitle(QString::fromLatin1(kApplicationTitle));
    setFont(SansSerifFont());
    SetColour(*this, QPalette::Window, kPanelBrown);
    SetColour(*this, QPalette::WindowText, kLightYellowText);

    // The composed places, in twips: the panels 25 apart, 80 from the left
    // and 240 from the top edge. The chart's panel takes what room is left.
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(Px(80), Px(240), Px(45), Px(65));
    grid->setSpacing(Px(25));
    grid->addWidget(buildLeftPanel(), 0, 0);
    grid->addWidget(buildRightPanel(), 0, 1);
    grid->addWidget(buildBottomStrip(), 1, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(0, 1);
    // What computed the positions, under everything: it wraps rather than
    // widens the window when the font grows.
    lblMethod_ = AddLabel(*this, QStringLiteral("lblMethod"), kLightYellowText, SansSerifFont());
    lblMethod_->setWordWrap(true);
    grid->addWidget(lblMethod_, 2, 0, 1, 2);
    showReport();
    TabStrip2_Click(0);
}

QWidget* frmDisplay::buildLeftPanel() {
    QGroupBox& panel = *AddFrame(*this, QStringLiteral("Frame1"));
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
    // More sections than the composed panel has room for: the strip scrolls.
    tabStrip2_->setSizePolicy(QSizePolicy::Ignored, tabStrip2_->sizePolicy().verticalPolicy());
    auto* tabBody = new QGroupBox(&panel);
    KeepDesignSize(*tabBody, 3615, 2895);
    const auto addDetail = [&](QGroupBox* view, std::string_view id, std::string_view title) {
        const SectionTexts texts = TextsOfSection(id, title);
        tabStrip2_->addTab(ToQString(title));
        view->setObjectName(ToQString(texts.frame));
        view->setTitle(ToQString(texts.caption));
        KeepDesignSize(*view, 3490, 2790);
        details_.push_back(view);
        detailTexts_.push_back(texts);
    };
    for (const ReportSection& section : report_.sections) {
        sections_.push_back(new SectionView(section.id, tabBody));
        addDetail(sections_.back(), section.id, section.title);
    }
    dasha_ = new DashaView(tabBody);
    addDetail(dasha_, "dasha", "Dasha");
    connect(tabStrip2_, &QTabBar::currentChanged, this, &frmDisplay::TabStrip2_Click);
    auto* tabPlace = new QVBoxLayout(tabBody);
    SetFrameMargins(*tabPlace, *tabBody, 60, 60, 60, 60);
    tabPlace->addLayout(TakingTurns(details_, {}), 1);
    std::vector<QString> helps;
    for (const SectionTexts& texts : detailTexts_) {
        helps.push_back(ToQString(texts.help));
    }

    lblHTB2_ = AddLabel(panel, QStringLiteral("lblHTB2"), kCyanText, VerdanaFont(8.0, true));
    lblHTB2_->setMinimumHeight(Px(300));
    lblTab2_ = AddLabel(panel, QStringLiteral("lblTab2"), kLightYellowText, SansSerifFont());
    FitWrappedTexts(*lblTab2_, 3675, 0, helps);

    auto* column = new QVBoxLayout(&panel);
    SetFrameMargins(*column, panel, 120, 240, 105, 120);
    column->setSpacing(0);
    column->addLayout(buttons);
    column->addSpacing(Px(45));
    column->addWidget(tabStrip2_);
    column->addWidget(tabBody, 1);
    column->addSpacing(Px(45));
    column->addWidget(lblHTB2_);
    column->addSpacing(Px(60));
    column->addWidget(lblTab2_);
    column->addStretch();
    return &panel;
}

QWidget* frmDisplay::buildRightPanel() {
    QGroupBox& panel = *AddFrame(*this, QStringLiteral("Frame3"));
    KeepDesignSize(panel, 7335, 6585);
    label24_ = AddLabel(panel, QStringLiteral("Label24"), kWhiteText, VerdanaFont(8.0, true));
    label24_->setText(QStringLiteral("Rashi Chart :- All Calculations Based on Birth Chart"));
    label24_->setIndent(Px(135));
    label24_->setAlignment(Qt::AlignLeft | Qt::AlignBottom);

    tabStrip1_ = AddTabStrip(panel, "TabStrip1");
    std::vector<QWidget*> frames;
    for (const ChartKind& kind : kChartKinds) {
        auto* chart =
            new ChartGrid(ToQString(kind.title), IsRashi(kind) ? kRashiGrid : kDivisionalGrid,
                          BoxNames(kind), &panel);
        chart->setObjectName(FrameName(kind));
        charts_.push_back(chart);
        frames.push_back(chart);
        if (!IsRashi(kind)) {
            tabStrip1_->addTab(ToQString(kind.title));
        }
    }
    // Sixteen charts' tabs are wider than the composed panel: the strip
    // scrolls instead of widening the window.
    tabStrip1_->setSizePolicy(QSizePolicy::Ignored, tabStrip1_->sizePolicy().verticalPolicy());
    vargas_ = new QTableWidget(&panel);
    vargas_->setObjectName(QStringLiteral("tblVargas"));
    vargas_->verticalHeader()->hide();
    vargas_->setSortingEnabled(false);
    // As large as the charts it takes turns with; it scrolls what does not fit.
    vargas_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    vargas_->setMinimumSize(charts_.front()->minimumSize());
    vargas_->hide();
    frames.push_back(vargas_);
    tabStrip1_->addTab(ToQString(kVargaTab));
    connect(tabStrip1_, &QTabBar::currentChanged, this, &frmDisplay::TabStrip1_Click);

    auto* column = new QVBoxLayout(&panel);
    SetFrameMargins(*column, panel, 100, 180, 100, 120);
    column->setSpacing(0);
    auto* heading = TakingTurns({label24_, tabStrip1_}, Qt::AlignLeft | Qt::AlignBottom);
    heading->setContentsMargins(Px(245), 0, 0, 0);
    heading->setRowMinimumHeight(0, Px(300));
    column->addLayout(heading);
    column->addLayout(TakingTurns(frames, {}), 1);
    return &panel;
}

QWidget* frmDisplay::buildBottomStrip() {
    QGroupBox& strip = *AddFrame(*this, QStringLiteral("Frame2"));
    KeepDesignSize(strip, 11200, 1080);
    lblHeader_ = AddLabel(strip, QStringLiteral("lblHeader"), kYellowText, VerdanaFont(8.0, true));
    lblDescription_ =
        AddLabel(strip, QStringLiteral("lblDescription"), kWhiteText, SansSerifFont());
    std::vector<QString> descriptions = {ToQString(kVargaDescription)};
    for (const ChartKind& kind : kChartKinds) {
        descriptions.push_back(ToQString(kind.description));
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

void frmDisplay::showResult(const ChartResult& result) {
    result_ = result;
    report_ = BuildChartReport(result_);
    showReport();
}

void frmDisplay::setLook(const ChartLook& look) {
    look_ = look;
    drawCharts();
}

void frmDisplay::showReport() {
    const std::size_t shown = std::min(report_.sections.size(), sections_.size());
    for (std::size_t section = 0; section < shown; ++section) {
        const ReportSection& part = report_.sections[section];
        // The birth details say which clock charted them, as the page does.
        sections_[section]->setSection(part, part.id == "birth" ? ClockLine(report_) : QString());
    }
    dasha_->setDasha(report_.dasha, result_.birth);
    FillTable(*vargas_, VargaTable(report_.charts));
    drawCharts();
    lblMethod_->setText(
        QStringLiteral("Positions: %1").arg(ToQString(MethodDescription(result_.method))));
}

void frmDisplay::drawCharts() {
    for (std::size_t chart = 0; chart < charts_.size(); ++chart) {
        charts_[chart]->setChart(ChartDrawingOf(report_.charts[chart], result_, look_));
    }
}

const ChartDrawing& frmDisplay::chartOnView() const {
    for (const ChartGrid* chart : charts_) {
        if (!chart->isHidden()) {
            return chart->chart();
        }
    }
    return charts_.front()->chart();
}

void frmDisplay::markDashaAt(UtSeconds moment) {
    dasha_->markRunningAt(moment);
}

void frmDisplay::showInitialView() {
    cmdRashiChart_Click();
    tabStrip2_->setCurrentIndex(0);
    TabStrip2_Click(0);
}

void frmDisplay::cmdRashiChart_Click() {
    tabStrip1_->hide();
    label24_->show();
    showChart(0);
}

void frmDisplay::cmdDivisionalChart_Click() {
    label24_->hide();
    tabStrip1_->show();
    {
        // The first divisional chart, whatever tab was chosen before.
        const QSignalBlocker quiet(tabStrip1_);
        tabStrip1_->setCurrentIndex(0);
    }
    showChart(1);
}

void frmDisplay::TabStrip1_Click(int tab) {
    if (tab >= 0 && static_cast<std::size_t>(tab) + 1 < charts_.size()) {
        showChart(static_cast<std::size_t>(tab) + 1);
    } else if (tab >= 0) {
        for (ChartGrid* chart : charts_) {
            chart->hide();
        }
        vargas_->show();
        lblHeader_->setText(ToQString(kVargaCaption));
        lblDescription_->setText(ToQString(kVargaDescription));
    }
}

void frmDisplay::TabStrip2_Click(int tab) {
    if (tab < 0 || static_cast<std::size_t>(tab) >= details_.size()) {
        return;
    }
    for (std::size_t detail = 0; detail < details_.size(); ++detail) {
        details_[detail]->setVisible(detail == static_cast<std::size_t>(tab));
    }
    const SectionTexts& texts = detailTexts_[static_cast<std::size_t>(tab)];
    lblHTB2_->setText(ToQString(texts.heading));
    lblTab2_->setText(ToQString(texts.help));
}

void frmDisplay::showChart(std::size_t index) {
    vargas_->hide();
    for (std::size_t chart = 0; chart < charts_.size(); ++chart) {
        charts_[chart]->setVisible(chart == index);
    }
    const ChartKind& kind = kChartKinds[index];
    lblHeader_->setText(ToQString(kind.caption));
    lblDescription_->setText(ToQString(kind.description));
}

}  // namespace amsaview
