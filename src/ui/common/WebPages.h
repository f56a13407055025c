#pragma once

#include <QString>
#include <QUrl>
#include <functional>
#include <memory>

namespace amsaview {

class MessageSink;

// Where the program's links lead: the user guide installed with it (a local
// file, no network needed) and the home page this build was given. Either
// is empty when there is none, and the entries that need it are disabled.
struct LinkTargets {
    QUrl guide;
    QString homePage;
};

// The guide found beside the running program and the home page of the build.
LinkTargets LinkTargetsOfThisBuild();

// The guide's index.html under `executableFolder` or one of its parents: the
// prefix of an installation (bin/..), or the build folder. Empty when absent.
QString FindUserGuide(const QString& executableFolder);

enum class WebPage { Home, Download };

// The home page itself, or with "page=download-web-page" added to its query.
// Empty while there is no home page.
QUrl WebPageUrl(WebPage page, const QString& homePage);

// Shown on an entry that is disabled for want of its target.
QString NoHomePageTip();
QString NoGuideTip();

// A public map search for the place, where the user reads its coordinates.
QUrl PlaceSearchUrl(const QString& searchText);

// Opens a web page in the user's browser; nothing is read back. Tests put a
// recording opener in its place.
class WebPageOpener {
  public:
    virtual ~WebPageOpener() = default;
    virtual void open(const QUrl& url) = 0;
};

// When no browser takes the page, a message names its address, selectable,
// so that the user can copy it into one.
class DesktopWebPageOpener final : public WebPageOpener {
  public:
    using Launch = std::function<bool(const QUrl&)>;

    DesktopWebPageOpener();
    DesktopWebPageOpener(Launch launch, std::unique_ptr<MessageSink> messages);
    ~DesktopWebPageOpener() override;

    void open(const QUrl& url) override;

  private:
    Launch launch_;
    std::unique_ptr<MessageSink> messages_;
};

// The message for a page no browser took.
QString PageNotOpenedText(const QUrl& url);

}  // namespace amsaview
