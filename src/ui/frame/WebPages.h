#pragma once

#include <QString>
#include <QUrl>

namespace amsaview {

// The product's pages live under one address; the page is chosen by its query.
inline constexpr char kProductPageAddress[] = "https://amsaview.example.org/";

enum class WebPage { Help, Home, Download };

// The product address plus "?page=help-web-page", "home-page" or "download-web-page".
QUrl WebPageUrl(WebPage page);

// A public map search for the place, where the user reads its coordinates.
QUrl PlaceSearchUrl(const QString& searchText);

// Opens a web page in the user's browser; nothing is read back and a failure
// is ignored. Tests put a recording opener in its place.
class WebPageOpener {
  public:
    virtual ~WebPageOpener() = default;
    virtual void open(const QUrl& url) = 0;
};

class DesktopWebPageOpener final : public WebPageOpener {
  public:
    void open(const QUrl& url) override;
};

}  // namespace amsaview
