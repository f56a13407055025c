#pragma once

#include <QMainWindow>
#include <QRect>
#include <functional>

#include "pipeline/ChartResult.h"

class QPushButton;

namespace amsaview {

struct LinkTargets;
class WebPageOpener;
class frmDisplay;

// The main frame: the result window between a banner and a bar with Back and
// Exit. Back unloads the frame and hands the user back to the input form;
// Exit, or closing the frame, asks for the end of the program.
class MDI final : public QMainWindow {
    Q_OBJECT

  public:
    MDI(WebPageOpener& webPages, const LinkTargets& links, std::function<void()> showAbout,
        QWidget* parent = nullptr);

    frmDisplay& display() { return *display_; }
    // Asked before the frame closes to end the program (not on Back); false keeps it open.
    void setCloseGuard(std::function<bool()> mayClose) { mayClose_ = std::move(mayClose); }

  signals:
    void backRequested();
    void exitRequested();
    void settingsRequested();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void addFileMenu();
    // No larger than the screen's free area.
    QSize FittingSize(QSize wanted) const;
    void goBack();

    frmDisplay* display_ = nullptr;
    bool goingBack_ = false;
    std::function<bool()> mayClose_;
};

// Where the frame opens over the form it replaces: at the form's place, as
// large as the form or as the frame needs, whichever is larger, and moved or
// shrunk only as far as the screen's free area asks. `decoration` is what the
// window manager adds around a window.
QRect PlaceOfForm(const QRect& form, QSize frameSize, QSize decoration, const QRect& screen);

// Keeps Exit 300 twips from the bar's right edge and Back 100 twips left of it.
void PlaceBarButtons(int barWidth, QPushButton& back, QPushButton& exit);

}  // namespace amsaview
