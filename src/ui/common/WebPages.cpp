#include "ui/common/WebPages.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrlQuery>

#include "ui/common/MessageBoxes.h"

namespace amsaview {
namespace {

// From the build: the home page (empty by default) and the guide's folder
// under the installation prefix.
constexpr char kHomePage[] = AMSAVIEW_HOME_PAGE;
constexpr char kGuideFolder[] = AMSAVIEW_GUIDE_DIR;

// bin/ under the prefix; src/app/, src/cli/, tests/ui/ or tools/ under the build folder.
constexpr int kFoldersUp = 3;

}  // namespace

LinkTargets LinkTargetsOfThisBuild() {
    LinkTargets targets;
    const QString guide = FindUserGuide(QCoreApplication::applicationDirPath());
    if (!guide.isEmpty()) {
        targets.guide = QUrl::fromLocalFile(guide);
    }
    targets.homePage = QString::fromUtf8(kHomePage).trimmed();
    return targets;
}

QString FindUserGuide(const QString& executableFolder) {
    const QString index = QLatin1String(kGuideFolder) + QStringLiteral("/index.html");
    QDir folder(executableFolder);
    for (int up = 0; up <= kFoldersUp; ++up) {
        const QFileInfo guide(folder.filePath(index));
        if (guide.isFile()) {
            return guide.canonicalFilePath();
        }
        if (!folder.cdUp()) {
            break;
        }
    }
    return {};
}

QUrl WebPageUrl(WebPage page, const QString& homePage) {
    if (homePage.isEmpty()) {
        return {};
    }
    QUrl url(homePage);
    if (page == WebPage::Download) {
        QUrlQuery query(url);
        query.addQueryItem(QStringLiteral("page"), QStringLiteral("download-web-page"));
        url.setQuery(query);
    }
    return url;
}

QString NoHomePageTip() {
    return QStringLiteral("This copy of the program was built without a home page address.");
}

QString NoGuideTip() {
    return QStringLiteral("The user guide was not installed with this copy of the program.");
}

QUrl PlaceSearchUrl(const QString& searchText) {
    QUrl url(QStringLiteral("https://www.openstreetmap.org/search"));
    // Encoded in full: a query would read a bare "+" as a blank and "&" as a new item.
    url.setQuery(QStringLiteral("query=") +
                 QString::fromLatin1(QUrl::toPercentEncoding(searchText)));
    return url;
}

DesktopWebPageOpener::DesktopWebPageOpener()
    : DesktopWebPageOpener(&QDesktopServices::openUrl, std::make_unique<ModalMessageBox>()) {}

DesktopWebPageOpener::DesktopWebPageOpener(Launch launch, std::unique_ptr<MessageSink> messages)
    : launch_(std::move(launch)), messages_(std::move(messages)) {}

DesktopWebPageOpener::~DesktopWebPageOpener() = default;

void DesktopWebPageOpener::open(const QUrl& url) {
    if (!launch_(url)) {
        messages_->show(QApplication::activeWindow(), PageNotOpenedText(url),
                        MessageIcon::Critical);
    }
}

QString PageNotOpenedText(const QUrl& url) {
    // A guide on this computer reads best as its path; a web address stays encoded as sent.
    const QString address =
        url.isLocalFile() ? url.toLocalFile() : url.toString(QUrl::FullyEncoded);
    return QStringLiteral(
               "No web browser could be started to open this page. You can copy its address "
               "into one:\n\n%1")
        .arg(address);
}

}  // namespace amsaview
