#include "ui/frame/WebPages.h"

#include <QDesktopServices>

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
    // Encoded in full: a query would read a bare "+" as a blank and "&" as a new item.
    url.setQuery(QStringLiteral("query=") +
                 QString::fromLatin1(QUrl::toPercentEncoding(searchText)));
    return url;
}

void DesktopWebPageOpener::open(const QUrl& url) {
    QDesktopServices::openUrl(url);
}

}  // namespace amsaview
