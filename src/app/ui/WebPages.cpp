#include "app/ui/WebPages.h"

#include <QDesktopServices>
#include <QUrlQuery>

namespace amsaview {

QUrl WebPageUrl(WebPage page) {
    const char* value = "home-page";
    switch (page) {
        case WebPage::Help:
            value = "help-web-page";
            break;
        case WebPage::Home:
            value = "home-page";
            break;
        case WebPage::Download:
            value = "download-web-page";
            break;
    }
    return QUrl(QString::fromLatin1(kProductPageAddress) + QStringLiteral("?page=") +
                QLatin1String(value));
}

QUrl PlaceSearchUrl(const QString& searchText) {
    QUrl url(QStringLiteral("https://www.openstreetmap.org/search"));
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("query"), searchText);
    url.setQuery(query);
    return url;
}

void DesktopWebPageOpener::open(const QUrl& url) {
    QDesktopServices::openUrl(url);
}

}  // namespace amsaview
