#include <QAction>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "support/RecordingSeams.h"
#include "ui/common/HelpMenu.h"
#include "ui/common/WebPages.h"
#include "ui/shell/frmAbout.h"

namespace amsaview {
namespace {

const QString kHome = QStringLiteral("https://example.net/amsaview/");
const QUrl kGuide = QUrl::fromLocalFile(QStringLiteral("/opt/amsaview/guide/index.html"));

void MakeFile(const QString& path) {
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

template <typename T>
T& Named(QObject& parent, const char* name) {
    T* found = parent.findChild<T*>(QLatin1String(name));
    if (found == nullptr) {
        qFatal("no %s", name);
    }
    return *found;
}

}  // namespace

class LinksTest : public QObject {
    Q_OBJECT

  private slots:
    void findsTheGuideOfAnInstallation() {
        QTemporaryDir prefix;
        const QString index =
            prefix.filePath(QStringLiteral("share/doc/amsaview/guide/index.html"));
        QCOMPARE(FindUserGuide(prefix.filePath(QStringLiteral("bin"))), QString());
        MakeFile(index);
        MakeFile(prefix.filePath(QStringLiteral("bin/amsaview")));
        QCOMPARE(FindUserGuide(prefix.filePath(QStringLiteral("bin"))),
                 QFileInfo(index).canonicalFilePath());
        // Not from anywhere above the folders a program runs from.
        QCOMPARE(FindUserGuide(prefix.filePath(QStringLiteral("a/b/c/d"))), QString());
    }

    void findsTheGuideInTheBuildFolder() {
        const LinkTargets links = LinkTargetsOfThisBuild();
        QVERIFY(links.guide.isLocalFile());
        QFile guide(links.guide.toLocalFile());
        QVERIFY2(guide.open(QIODevice::ReadOnly), qPrintable(guide.fileName()));
        const QByteArray text = guide.readAll();
        for (const char* topic : {"<title>Amsaview user guide</title>", "Date of Birth", "Navamsa",
                                  "amsaview-chart", "--zone"}) {
            QVERIFY2(text.contains(topic), topic);
        }
        // Its pictures travel with it.
        for (const char* picture : {"input-form.png", "result-rashi.png", "result-navamsa.png"}) {
            QVERIFY2(text.contains(picture), picture);
            QVERIFY2(QFileInfo::exists(QFileInfo(guide).dir().filePath(QLatin1String(picture))),
                     picture);
        }
    }

    void pagesOfTheHomePage_data() {
        QTest::addColumn<QString>("home");
        QTest::addColumn<QString>("homeUrl");
        QTest::addColumn<QString>("downloadUrl");
        QTest::newRow("none") << ""
                              << ""
                              << "";
        QTest::newRow("folder") << kHome << kHome << kHome + "?page=download-web-page";
        QTest::newRow("with a query") << "https://example.net/?lang=en"
                                      << "https://example.net/?lang=en"
                                      << "https://example.net/?lang=en&page=download-web-page";
    }

    void pagesOfTheHomePage() {
        QFETCH(QString, home);
        QFETCH(QString, homeUrl);
        QFETCH(QString, downloadUrl);
        QCOMPARE(WebPageUrl(WebPage::Home, home).toString(QUrl::FullyEncoded), homeUrl);
        QCOMPARE(WebPageUrl(WebPage::Download, home).toString(QUrl::FullyEncoded), downloadUrl);
    }

    void helpMenuOpensWhatItHas_data() {
        QTest::addColumn<QUrl>("guide");
        QTest::addColumn<QString>("home");
        QTest::newRow("guide and home page") << kGuide << kHome;
        QTest::newRow("neither") << QUrl() << QString();
        QTest::newRow("guide only") << kGuide << QString();
    }

    void helpMenuOpensWhatItHas() {
        QFETCH(QUrl, guide);
        QFETCH(QString, home);
        testing::RecordingWebPageOpener opener;
        QMenuBar bar;
        int about = 0;
        QMenu* menu = AddHelpMenu(bar, opener, LinkTargets{guide, home}, [&about] { ++about; });
        QVERIFY(menu->toolTipsVisible());

        const struct {
            const char* entry;
            QUrl opens;
            QString tipWhenDisabled;
        } entries[] = {
            {"mnuOnline", guide, NoGuideTip()},
            {"mnuVisit", WebPageUrl(WebPage::Home, home), NoHomePageTip()},
            {"mnuUpdate", WebPageUrl(WebPage::Download, home), NoHomePageTip()},
        };
        for (const auto& entry : entries) {
            QAction& action = Named<QAction>(*menu, entry.entry);
            opener.opened.clear();
            action.trigger();
            if (entry.opens.isEmpty()) {
                QVERIFY2(!action.isEnabled(), entry.entry);
                QCOMPARE(action.toolTip(), entry.tipWhenDisabled);
                QVERIFY2(opener.opened.isEmpty(), entry.entry);
            } else {
                QVERIFY2(action.isEnabled(), entry.entry);
                QCOMPARE(opener.opened, QList<QUrl>{entry.opens});
            }
        }
        Named<QAction>(*menu, "mnuAbout").trigger();
        QCOMPARE(about, 1);
    }

    // No browser takes the page: its address is told, as it can be copied.
    void aPageNoBrowserTookIsNamed() {
        QList<QUrl> launched;
        bool launches = false;
        auto messages = std::make_unique<testing::RecordingMessageSink>();
        testing::RecordingMessageSink& shown = *messages;
        DesktopWebPageOpener opener(
            [&](const QUrl& url) {
                launched.append(url);
                return launches;
            },
            std::move(messages));
        const QUrl search = PlaceSearchUrl(QStringLiteral("S\u00e3o Paulo SP Brasil"));
        opener.open(search);
        opener.open(kGuide);
        QCOMPARE(launched, (QList<QUrl>{search, kGuide}));
        QCOMPARE(shown.shown.size(), 2);
        QVERIFY2(shown.shown[0].text.endsWith(QStringLiteral(
                     "https://www.openstreetmap.org/search?query=S%C3%A3o%20Paulo%20SP%20Brasil")),
                 qPrintable(shown.shown[0].text));
        QVERIFY2(shown.shown[1].text.endsWith(QStringLiteral("/opt/amsaview/guide/index.html")),
                 qPrintable(shown.shown[1].text));
        QCOMPARE(shown.shown[0].icon, MessageIcon::Critical);

        launches = true;
        opener.open(search);
        QCOMPARE(shown.shown.size(), 2);
    }

    void aboutBoxLinksToTheHomePageIfThereIsOne() {
        testing::RecordingWebPageOpener opener;
        {
            frmAbout about(opener, LinkTargets{kGuide, kHome});
            QPushButton& link = Named<QPushButton>(about, "lblHomePage");
            QCOMPARE(link.text(), "Click here to visit " + kHome);
            QVERIFY(link.isEnabled());
            link.click();
            QCOMPARE(opener.opened, QList<QUrl>{QUrl(kHome)});
        }
        opener.opened.clear();
        // Its colours would hide a disabled look: without a home page it is left out.
        frmAbout about(opener, LinkTargets{kGuide, QString()});
        QCOMPARE(about.findChild<QPushButton*>(QStringLiteral("lblHomePage")), nullptr);
    }
};

}  // namespace amsaview

QTEST_MAIN(amsaview::LinksTest)
#include "LinksTest.moc"
