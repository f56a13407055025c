#include "ui/shell/MDI.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/common/ApplicationTitle.h"
#include "ui/common/HelpMenu.h"
#include "ui/common/ProgramColours.h"
#include "ui/common/SettingsMenu.h"
#include "ui/common/Twips.h"
#include "ui/result/ChartStyleMenu.h"
#include "ui/result/frmDisplay.h"
#include "ui/shell/Banner.h"
#include "ui/shell/PrintMenu.h"

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

// The grey margin round the result window, which fills the rest; where the
// screen is too small for the window, it scrolls.
class Workspace final : public QScrollArea {
  public:
    explicit Workspace(QWidget* parent) : QScrollArea(parent) {
        setFrameShape(QFrame::NoFrame);
        setAlignment(Qt::AlignCenter);
        setBackgroundRole(QPalette::Window);
        SetColour(*this, QPalette::Window, kWorkspace);
        viewport()->setAutoFillBackground(true);
        SetColour(*viewport(), QPalette::Window, kWorkspace);
    }

    // The whole window with its margins, not the scroll area's modest default.
    QSize sizeHint() const override {
        return widget() == nullptr ? QScrollArea::sizeHint() : widget()->sizeHint();
    }
};

}  // namespace

void PlaceBarButtons(int barWidth, QPushButton& back, QPushButton& exit) {
    exit.move(barWidth - exit.width() - Px(300), exit.y());
    back.move(exit.x() - exit.width() - Px(100), back.y());
}

MDI::MDI(WebPageOpener& webPages, const LinkTargets& links, std::function<void()> showAbout,
         QWidget* parent)
    : QMainWindow(parent) {
    setObjectName(QStringLiteral("MDI"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromLatin1(kApplicationTitle));

    auto* client = new QWidget(this);
    auto* rows = new QVBoxLayout(client);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(0);

    auto* banner = new Banner(client);
    banner->setObjectName(QStringLiteral("picTop"));
    banner->setFixedHeight(Px(kBannerHeight));
    rows->addWidget(banner);

    // The result window sits centred between the banner and the bar.
    auto* workspace = new Workspace(client);
    auto* margins = new QWidget;
    margins->setObjectName(QStringLiteral("workspaceMargins"));
    auto* centre = new QVBoxLayout(margins);
    const int margin = Px(kWorkspaceMargin);
    centre->setContentsMargins(margin, margin, margin, margin);
    display_ = new frmDisplay(margins);
    centre->addWidget(display_);
    // The result fills the workspace and grows with the frame; below its
    // composed size it scrolls.
    workspace->setWidgetResizable(true);
    workspace->setWidget(margins);
    rows->addWidget(workspace, 1);

    auto* bar = new ButtonBar(client);
    rows->addWidget(bar);
    connect(&bar->back(), &QPushButton::clicked, this, &MDI::goBack);
    connect(&bar->exit(), &QPushButton::clicked, this, &MDI::close);

    setCentralWidget(client);
    addFileMenu();
    AddChartStyleEntry(*AddSettingsMenu(*menuBar(), [this] { emit settingsRequested(); }),
                       *display_);
    AddHelpMenu(*menuBar(), webPages, links, std::move(showAbout));
    resize(FittingSize(QSize(std::max(Px(kClientWidth), sizeHint().width()), sizeHint().height())));
    display_->showInitialView();
}

QRect PlaceOfForm(const QRect& form, QSize frameSize, QSize decoration, const QRect& screen) {
    const QSize size = form.size().expandedTo(frameSize).boundedTo(screen.size() - decoration);
    const QSize outer = size + decoration;
    const int x =
        std::clamp(form.x(), screen.left(), screen.left() + screen.width() - outer.width());
    const int y =
        std::clamp(form.y(), screen.top(), screen.top() + screen.height() - outer.height());
    return {QPoint(x, y), size};
}

QSize MDI::FittingSize(QSize wanted) const {
    // Room for the window manager's title bar and borders, which a window
    // does not know before it is first shown.
    constexpr int kDecoration = 40;
    if (const QScreen* place = screen()) {
        const QSize room = place->availableGeometry().size() - QSize(kDecoration / 2, kDecoration);
        wanted = wanted.boundedTo(room);
    }
    return wanted;
}

void MDI::addFileMenu() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    AddPrintAndExport(*file, *this, *display_);
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
    if (!goingBack_ && mayClose_ && !mayClose_()) {
        event->ignore();
        return;
    }
    event->accept();
    if (goingBack_) {
        emit backRequested();
    } else {
        emit exitRequested();
    }
}

}  // namespace amsaview
