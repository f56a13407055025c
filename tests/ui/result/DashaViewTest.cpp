#include <QDateEdit>
#include <QLabel>
#include <QTreeWidget>
#include <QtTest>

#include "support/FindChild.h"
#include "ui/result/DashaView.h"

namespace amsaview {
namespace {

using testing::Child;

constexpr UtSeconds kJ2000Midnight = 946684800;  // 2000-01-01 00:00:00 UT

// A Moon at 0° sidereal stands at Ashwini's first point: Ketu's whole seven
// years lie ahead of a birth at 2000-01-01 00:00 UT, on Indian time.
VimshottariDasha AshwiniStart() {
    return VimshottariDasha(0.0, kJ2000Midnight, DashaYear{});
}

BirthData IndianClock() {
    BirthData birth;
    birth.year = 2000;
    birth.utcOffsetSeconds = 19800;
    return birth;
}

QStringList Marked(const QTreeWidget& tree) {
    QStringList path;
    for (const QTreeWidgetItem* item = tree.currentItem(); item != nullptr; item = item->parent()) {
        path.prepend(item->text(0));
    }
    return path;
}

}  // namespace

class DashaViewTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        view_ = std::make_unique<DashaView>();
        view_->setDasha(AshwiniStart(), IndianClock());
        view_->show();
    }

    void cleanup() { view_.reset(); }

    void balanceAndYearAreNamed() {
        QCOMPARE(Child<QLabel>(*view_, "lblDashaBalance").text(),
                 QStringLiteral("Ketu dasha, balance 7 y 0 m 0 d"));
        QVERIFY(Child<QLabel>(*view_, "lblDashaYear")
                    .text()
                    .startsWith(QStringLiteral("Dasha years of 365.2425 days (Gregorian)")));
    }

    void threeLevelsOfNinePeriodsOnTheBirthsClock() {
        const auto& tree = Child<QTreeWidget>(*view_, "treDasha");
        QCOMPARE(tree.topLevelItemCount(), 9);
        const QStringList lords = {"Ketu", "Venus",   "Sun",    "Moon",   "Mars",
                                   "Rahu", "Jupiter", "Saturn", "Mercury"};
        for (int maha = 0; maha < 9; ++maha) {
            const QTreeWidgetItem& item = *tree.topLevelItem(maha);
            QVERIFY2(item.text(0).endsWith(lords[maha]), qPrintable(item.text(0)));
            QCOMPARE(item.childCount(), 9);
            for (int antar = 0; antar < 9; ++antar) {
                QCOMPARE(item.child(antar)->childCount(), 9);
                // Each antardasha begins with the lord after the one before it.
                QVERIFY(item.child(antar)->text(0).endsWith(lords[(maha + antar) % 9]));
            }
        }
        // Venus begins 7 × 365.2425 = 2556.6975 days on: 2006-12-31 16:44:24 UT,
        // 22:14:24 in India.
        const QTreeWidgetItem& venus = *tree.topLevelItem(1);
        QCOMPARE(venus.text(1), QStringLiteral("2006-12-31"));
        QVERIFY2(venus.toolTip(1).contains(QStringLiteral("from 2006-12-31 22:14:24 "
                                                          "(2006-12-31 16:44:24 UT)")),
                 qPrintable(venus.toolTip(1)));
        QCOMPARE(tree.topLevelItem(0)->text(2), QStringLiteral("2006-12-31"));
        // Ketu–Venus begins after Ketu–Ketu's 7 × 7 / 120 years, 149.14069 days:
        // 2000-05-29 03:22:35.6 UT, the second either way.
        const QTreeWidgetItem& ketuVenus = *tree.topLevelItem(0)->child(1);
        QCOMPARE(ketuVenus.text(1), QStringLiteral("2000-05-29"));
        QVERIFY2(ketuVenus.toolTip(0).startsWith(QStringLiteral("Ketu \u2013 Venus\n")),
                 qPrintable(ketuVenus.toolTip(0)));
        QVERIFY2(ketuVenus.toolTip(0).contains(QStringLiteral("(2000-05-29 03:22:3")),
                 qPrintable(ketuVenus.toolTip(0)));
    }

    void theRunningPeriodsAreMarkedAndOpened() {
        // 2003-06-01 is day 1247.5 of Ketu's dasha: past Ketu–Mars's end at
        // day 1065.30 into Ketu–Rahu (383.50 days), whose Rahu, Jupiter and
        // Saturn parts end by day 182.2 of it, 169.38: Mercury's part.
        view_->markRunningAt(1054468800);  // 2003-06-01 12:00 UT
        const auto& tree = Child<QTreeWidget>(*view_, "treDasha");
        QCOMPARE(Marked(tree),
                 (QStringList{QStringLiteral("\u25B8 Ketu"), QStringLiteral("\u25B8 Rahu"),
                              QStringLiteral("\u25B8 Mercury")}));
        QVERIFY(tree.currentItem()->parent()->isExpanded());
        QVERIFY(tree.currentItem()->parent()->parent()->isExpanded());
        QVERIFY(tree.currentItem()->font(0).bold());
        QVERIFY(!tree.topLevelItem(1)->isExpanded());
        QVERIFY(!tree.topLevelItem(1)->font(0).bold());
        QCOMPARE(Child<QDateEdit>(*view_, "dtpDashaDate").date(), QDate(2003, 6, 1));

        // A date picked in the box: 2007-06-01 lies in Venus's mahadasha.
        Child<QDateEdit>(*view_, "dtpDashaDate").setDate(QDate(2007, 6, 1));
        QCOMPARE(Marked(tree).first(), QStringLiteral("\u25B8 Venus"));
        QVERIFY(!tree.topLevelItem(0)->font(0).bold());
    }

    void aDateOutsideTheCycleMarksNothing() {
        view_->markRunningAt(kJ2000Midnight - 86400);
        QCOMPARE(Child<QTreeWidget>(*view_, "treDasha").currentItem(), nullptr);
    }

  private:
    std::unique_ptr<DashaView> view_;
};

}  // namespace amsaview

QTEST_MAIN(amsaview::DashaViewTest)
#include "DashaViewTest.moc"
