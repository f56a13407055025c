#include "ui/frame/MDI.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/common/ProgramColours.h"
#include "ui/common/Twips.h"
#include "ui/frame/ApplicationTitle.h"
#include "ui/frame/Banner.h"
#include "ui/frame/HelpMenu.h"
#include "ui/result/frmDisplay.h"

namespace amsaview {
namespace {

constexpr QRgb kBarBackground = qRgb(192, 192, 0);
constexpr QRgb kBarButton = qRgb(200, 175, 149);
constexpr QRgb kWorkspace = qRgb(128, 128, 128);
constexpr int kClientWidth = 11880;  // twips
constexpr int kBannerHeight = 795;
constexpr int kBarHeight = 465;
constexpr int kWorkspaceMargin = 90;

// Picture1: the bar that keeps its two buttons at its right end.
class ButtonBar final : public QWidget {
  public:
    explicit ButtonBar(QWidget* parent) : QWidget(parent) {
        setObjectName(QStringLiteral("Picture1"));
        setFixedHeight(Px(kBarHeight));
        SetColour(*this, QPalette::Window, kBarBackground);
        back_ = addButton("cmdBack", QStringLiteral("&Back"), 9000);
        exit_ = addButton("cmdExit", QStringLiteral("E&xit"), 10440);
    }

    QPushButton& back() { return *back_; }
    QPushButton& exit() { return *exit_; }

  protected:
    void resizeEvent(QResizeEvent*) override { PlaceBarButtons(width(), *back_, *exit_); }

  private:
    QPushButton* addButton(const char* name, const QString& caption, int left) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(QLatin1String(name));
        button->setGeometry(TwipsRect(left, 30, 1335, 400));
        SetColour(*button, QPalette::Button, kBarButton);
        return button;
    }

    QPushButton* back_ = nullptr;
    QPushButton* exit_ = nullptr;
};

}  // namespace

void PlaceBarButtons(int barWidth, QPushButton& back, QPushButton& exit) {
    exit.move(barWidth - exit.width() - Px(300), exit.y());
    back.move(exit.x() - exit.width() - Px(100), back.y());
}

MDI::MDI(WebPageOpener& webPages, std::function<void()> showAbout, QWidget* parent)
    : QMainWindow(parent) {
    setObjectName(QStringLiteral("MDI"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromLatin1(kApplicationTitle));

    addFileMenu();
    AddHelpMenu(*menuBar(), webPages, std::move(showAbout));

    auto* client = new QWidget(this);
    auto* rows = new QVBoxLayout(client);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(0);

    auto* banner = new Banner(client);
    banner->setObjectName(QStringLiteral("picTop"));
    banner->setFixedHeight(Px(kBannerHeight));
    rows->addWidget(banner);

    // The result window sits centred and whole between the banner and the bar;
    // the frame cannot shrink below it.
    auto* workspace = new QWidget(client);
    SetColour(*workspace, QPalette::Window, kWorkspace);
    auto* centre = new QVBoxLayout(workspace);
    const int margin = Px(kWorkspaceMargin);
    centre->setContentsMargins(margin, margin, margin, margin);
    display_ = new frmDisplay(workspace);
    centre->addWidget(display_, 0, Qt::AlignCenter);
    rows->addWidget(workspace, 1);

    auto* bar = new ButtonBar(client);
    rows->addWidget(bar);
    connect(&bar->back(), &QPushButton::clicked, this, &MDI::goBack);
    connect(&bar->exit(), &QPushButton::clicked, this, &MDI::close);

    setCentralWidget(client);
    resize(std::max(Px(kClientWidth), sizeHint().width()), sizeHint().height());
    display_->showInitialView();
}

void MDI::addFileMenu() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction* back = file->addAction(QStringLiteral("&Back"));
    back->setObjectName(QStringLiteral("mnuBack"));
    connect(back, &QAction::triggered, this, &MDI::goBack);
    QAction* exit = file->addAction(QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    connect(exit, &QAction::triggered, this, &MDI::close);
}

void MDI::goBack() {
    goingBack_ = true;
    close();
}

void MDI::closeEvent(QCloseEvent* event) {
    event->accept();
    if (goingBack_) {
        emit backRequested();
    } else {
        emit exitRequested();
    }
}

}  // namespace amsaview
