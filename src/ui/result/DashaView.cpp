#include "ui/result/DashaView.h"

#include <QDateEdit>
#include <QDateTime>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSignalBlocker>
#include <QTreeWidget>

#include "pipeline/ChartDasha.h"
#include "qtcommon/QtText.h"
#include "ui/common/ProgramColours.h"
#include "ui/common/Twips.h"
#include "ui/common/WindowFonts.h"

namespace amsaview {
namespace {

constexpr int kDateLength = 10;  // "1963-04-12" of "1963-04-12 14:03:22"

QLabel* AddText(QWidget& parent, const char* name) {
    auto* label = new QLabel(&parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    SetColour(*label, QPalette::WindowText, kWhiteText);
    return label;
}

// The lords of a period and of those it lies in: "Saturn – Mercury".
QString PeriodName(const VimshottariDasha& dasha, int level, int index) {
    QStringList lords;
    for (int up = level; up >= 1; --up) {
        lords.prepend(ToQString(DashaLordName(dasha.Period(up, index).lord)));
        index /= kDashaLordCount;
    }
    return lords.join(QStringLiteral(" \u2013 "));
}

QTreeWidgetItem* PeriodItem(const VimshottariDasha& dasha, const BirthData& birth, int level,
                            int index) {
    const DashaPeriod period = dasha.Period(level, index);
    const QString from = ToQString(DashaLocalText(birth, period.start));
    const QString to = ToQString(DashaLocalText(birth, period.end));
    auto* item = new QTreeWidgetItem(
        {ToQString(DashaLordName(period.lord)), from.left(kDateLength), to.left(kDateLength)});
    const QString tip =
        QStringLiteral("%1\nfrom %2 (%3)\nto %4 (%5)")
            .arg(PeriodName(dasha, level, index), from, ToQString(DashaUtText(period.start)), to,
                 ToQString(DashaUtText(period.end)));
    for (int column = 0; column < 3; ++column) {
        item->setToolTip(column, tip);
    }
    if (level < kDashaLevels) {
        for (int sub = 0; sub < kDashaLordCount; ++sub) {
            item->addChild(PeriodItem(dasha, birth, level + 1, FirstSubPeriod(index) + sub));
        }
    }
    return item;
}

}  // namespace

DashaView::DashaView(QWidget* parent) : QGroupBox(parent) {
    balance_ = AddText(*this, "lblDashaBalance");
    balance_->setFont(VerdanaFont(8.0, true));
    year_ = AddText(*this, "lblDashaYear");

    auto* dateCaption = new QLabel(QStringLiteral("&Running on:"), this);
    dateCaption->setTextFormat(Qt::PlainText);
    date_ = new QDateEdit(this);
    date_->setObjectName(QStringLiteral("dtpDashaDate"));
    date_->setCalendarPopup(true);
    date_->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    date_->setDateRange(QDate(1, 1, 1), QDate(9999, 12, 31));
    dateCaption->setBuddy(date_);
    connect(date_, &QDateEdit::dateChanged, this, &DashaView::dateChosen);

    tree_ = new QTreeWidget(this);
    tree_->setObjectName(QStringLiteral("treDasha"));
    tree_->setHeaderLabels(
        {QStringLiteral("Period"), QStringLiteral("From"), QStringLiteral("To")});
    tree_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tree_->setUniformRowHeights(true);
    tree_->setIndentation(Px(180));

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(Px(90), Px(150), Px(90), Px(90));
    grid->addWidget(balance_, 0, 0, 1, 2);
    grid->addWidget(year_, 1, 0, 1, 2);
    grid->addWidget(dateCaption, 2, 0);
    grid->addWidget(date_, 2, 1);
    grid->addWidget(tree_, 3, 0, 1, 2);
    grid->setRowStretch(3, 1);
    grid->setColumnStretch(1, 1);

    markRunningAt(QDateTime::currentSecsSinceEpoch());
}

void DashaView::setDasha(const VimshottariDasha& dasha, const BirthData& birth) {
    dasha_ = dasha;
    birth_ = birth;
    balance_->setText(ToQString(DashaBalanceText(dasha.balance())));
    year_->setText(ToQString(DashaYearText(dasha.year())) +
                   QStringLiteral("; dates on the birth's clock."));
    fillTree();
}

void DashaView::markRunningAt(UtSeconds moment) {
    moment_ = moment;
    {
        const QSignalBlocker quiet(date_);
        date_->setDate(
            QDateTime::fromSecsSinceEpoch(moment + birth_.utcOffsetSeconds, Qt::UTC).date());
    }
    fillTree();
}

void DashaView::dateChosen() {
    // Noon of the chosen day on the birth's clock.
    const QDateTime noon(date_->date(), QTime(12, 0), Qt::UTC);
    moment_ = noon.toSecsSinceEpoch() - birth_.utcOffsetSeconds;
    fillTree();
}

void DashaView::fillTree() {
    tree_->clear();
    if (!dasha_) {
        return;
    }
    for (int index = 0; index < kDashaLordCount; ++index) {
        tree_->addTopLevelItem(PeriodItem(*dasha_, birth_, 1, index));
    }
    const std::optional<DashaPath> running = dasha_->RunningAt(moment_);
    if (!running) {
        return;
    }
    QTreeWidgetItem* item = nullptr;
    int first = 0;
    for (int level = 1; level <= kDashaLevels; ++level) {
        const int offset = (*running)[static_cast<std::size_t>(level - 1)] - first;
        item = level == 1 ? tree_->topLevelItem(offset) : item->child(offset);
        first = FirstSubPeriod((*running)[static_cast<std::size_t>(level - 1)]);
        QFont bold = item->font(0);
        bold.setBold(true);
        for (int column = 0; column < 3; ++column) {
            item->setFont(column, bold);
        }
        item->setText(0, QStringLiteral("\u25B8 ") + item->text(0));
        item->setExpanded(level < kDashaLevels);
    }
    tree_->setCurrentItem(item);
    tree_->scrollToItem(item);
}

}  // namespace amsaview
