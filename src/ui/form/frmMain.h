#pragma once

#include <QMainWindow>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "atlas/Place.h"
#include "birthclock/BirthClock.h"
#include "model/FormInput.h"
#include "model/ValidationFailure.h"

class QCheckBox;
class QComboBox;
class QCompleter;
class QLabel;
class QModelIndex;
class QStandardItemModel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace amsaview {

struct LinkTargets;
class MessageSink;
class WebPageOpener;

// The input form where the user types one birth. It shows, filters keystrokes
// and forwards commands; the computation belongs to whoever listens to
// analyzeRequested(). Each option pair is named after its element with the
// option's index: optLong_0 "East", optLong_1 "West", optLat_0 "North",
// optLat_1 "South". A place picked from the atlas brings its coordinates and
// the clock of the birth date; editing the coordinates or the zone by hand
// returns to the zone list.
class frmMain final : public QMainWindow {
    Q_OBJECT
  public:
    frmMain(MessageSink& messages, WebPageOpener& opener, const LinkTargets& links,
            QWidget* parent = nullptr);

    // With a place from the atlas, its clock on the form's date: the zone row
    // and box it fits, or its exact offset.
    FormInput formInput() const;
    // Fills every box, list, option and the check box; a zone row of none
    // leaves the zone list without a selection. An exact clock with its zone
    // brings back the atlas place it was found for, as if picked again.
    void setFormInput(const FormInput& input);

    // Asked before the form closes; false keeps it open.
    void setCloseGuard(std::function<bool()> mayClose) { mayClose_ = std::move(mayClose); }

    // Moves the keyboard focus to the box a failed check names; None leaves it.
    void focusField(FormField field);

  signals:
    void analyzeRequested();
    void aboutRequested();
    void settingsRequested();
    void exitRequested();
    // Any entry changed, by the user or by the program.
    void edited();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QWidget* buildIntroduction();
    QWidget* buildInputs();
    void buildMenus(const LinkTargets& links);
    void followReadingOrder();
    void lookUpPlace();
    void connectPlaceSearch();
    void offerPlaces(const QString& typed);
    void pickOfferedPlace(const QModelIndex& index);
    void pickPlace(const Place& place);
    // The city, state, country, coordinates and hemispheres of the input.
    void showPlaceFields(const FormInput& input);
    void forgetPlace();
    void dateOrTimeChanged();
    void showPlaceClock();
    // The zone list while an exact clock stands for it: blank, its row held.
    void blankZoneList();
    void showZoneList();
    std::variant<BirthClock, BirthClockProblem> placeClock() const;
    bool settleClockBeforeAnalysis();
    void requestAnalysis();
    FormInput typedInput() const;
    QLineEdit* boxFor(FormField field) const;
    void reportEdits();

    MessageSink& messages_;
    WebPageOpener& opener_;
    std::function<bool()> mayClose_;

    QLineEdit* txtName = nullptr;
    QComboBox* cboMonth = nullptr;
    QComboBox* cboDate = nullptr;
    QComboBox* cboYear = nullptr;
    QComboBox* cboHH = nullptr;
    QComboBox* cboMM = nullptr;
    QComboBox* cboSS = nullptr;
    QLineEdit* txtLonD = nullptr;
    QLineEdit* txtLonM = nullptr;
    QRadioButton* optLong[2] = {};
    QLineEdit* txtLatD = nullptr;
    QLineEdit* txtLatM = nullptr;
    QRadioButton* optLat[2] = {};
    QLineEdit* txtMCity = nullptr;
    QLineEdit* txtMState = nullptr;
    QLineEdit* txtMCountry = nullptr;
    QPushButton* cmdBrowser = nullptr;
    QComboBox* cmbTimeZone = nullptr;
    QCheckBox* chkDST = nullptr;
    QPushButton* cmdRashi = nullptr;
    QLabel* lblClock = nullptr;

    QCompleter* placeCompleter_ = nullptr;
    QStandardItemModel* offeredModel_ = nullptr;
    std::vector<Place> offered_;
    std::optional<Place> atlasPlace_;
    RepeatedMoment repeatedMoment_ = RepeatedMoment::Ask;
    // The row the zone list had before an exact clock blanked it.
    std::optional<int> heldZoneRow_;
    // The typed birth whose clock was last questioned, so it is asked once.
    std::string questionedTypedClock_;
    // Reading the city list takes over half a second: done while the user
    // types the name, not on the first keystroke in the City box.
    std::jthread atlasWarmUp_;
};

}  // namespace amsaview
