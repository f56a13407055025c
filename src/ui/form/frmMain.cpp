#include "ui/form/frmMain.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCompleter>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardItemModel>
#include <QVBoxLayout>

#include "atlas/PlaceText.h"
#include "birthclock/BirthPlace.h"
#include "clock/ClockTexts.h"
#include "model/LookupLists.h"
#include "model/TimeZoneTable.h"
#include "pipeline/KeyFilters.h"
#include "pipeline/PlaceLookup.h"
#include "qtcommon/QtText.h"
#include "ui/common/ApplicationTitle.h"
#include "ui/common/HelpMenu.h"
#include "ui/common/MessageBoxes.h"
#include "ui/common/ProgramColours.h"
#include "ui/common/SettingsMenu.h"
#include "ui/common/WebPages.h"
#include "ui/form/EnteredTextValidator.h"
#include "ui/form/KeystrokeFilter.h"

namespace amsaview {
namespace {

constexpr char kDescription[] =
    "The zodiac or the Bhachakra is composed of 360 degrees of the celestial space. "
    "It is divided into twelve signs, so every sign spans 30 degrees. "
    "Each sign is divided further into smaller parts called vargas, such as the Hora of "
    "15 degrees or the Navamsa of 3 degrees 20 minutes. "
    "Every varga makes a divisional chart of its own that looks at one side of life in "
    "finer detail. "
    "A planet gains strength when its divisions fall in its own or exalted signs, and loses "
    "strength when they fall in the signs of its enemies or of its debilitation. "
    "Reading a planet in the divisional charts beside the birth chart therefore shows how "
    "fully it can give its results.";

constexpr int kCoordinateMinutesLength = 2;
constexpr int kLongitudeDegreesLength = 3;
constexpr int kLatitudeDegreesLength = 2;
constexpr int kLastHour = 23;
constexpr int kLastMinute = 59;
constexpr int kLastDay = 31;
constexpr std::size_t kOfferedPlaces = 12;
constexpr int kOfferedRowRole = Qt::UserRole + 1;

QLabel* PlainLabel(const QString& text) {
    auto* label = new QLabel(text);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLineEdit* TextBox(const char* name) {
    auto* box = new QLineEdit;
    box->setObjectName(QLatin1String(name));
    return box;
}

QLineEdit* CoordinateBox(const char* name, int maxLength) {
    QLineEdit* box = TextBox(name);
    box->setMaxLength(maxLength);
    // Measured in the font, so the box grows with it; the extra width holds the frame.
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(QString(maxLength + 3, u'0')));
    return box;
}

QRadioButton* OptionButton(const char* name, const QString& caption) {
    auto* option = new QRadioButton(caption);
    option->setObjectName(QLatin1String(name));
    return option;
}

// A frame of degrees, minutes and the two hemispheres; the option pair is
// exclusive because the frame is its parent.
QGroupBox* CoordinateFrame(const QString& title, QLineEdit& degrees, QLineEdit& minutes,
                           QRadioButton& option0, QRadioButton& option1) {
    auto* frame = new QGroupBox(title);
    auto* grid = new QGridLayout(frame);
    grid->addWidget(PlainLabel(QStringLiteral("Deg")), 0, 0);
    grid->addWidget(&degrees, 0, 1);
    grid->addWidget(PlainLabel(QStringLiteral("Min")), 0, 2);
    grid->addWidget(&minutes, 0, 3);
    grid->addWidget(&option0, 1, 0, 1, 2);
    grid->addWidget(&option1, 1, 2, 1, 2);
    return frame;
}

QStringList NumberRows(int first, int last) {
    QStringList rows;
    for (int number = first; number <= last; ++number) {
        rows.append(QString::number(number));
    }
    return rows;
}

QComboBox* PickList(const char* name, const QStringList& rows, int selectedRow = 0) {
    auto* list = new QComboBox;
    list->setObjectName(QLatin1String(name));
    list->addItems(rows);
    list->setCurrentIndex(selectedRow);
    return list;
}

QStringList MonthRows() {
    QStringList rows;
    for (const std::string_view month : MonthNames) {
        rows.append(QString::fromLatin1(month.data(), static_cast<qsizetype>(month.size())));
    }
    return rows;
}

QStringList ZoneRows() {
    QStringList rows;
    for (const TimeZone& zone : TimeZoneTable) {
        rows.append(QString::fromLatin1(zone.listText.data(),
                                        static_cast<qsizetype>(zone.listText.size())));
    }
    return rows;
}

QPushButton* Button(const char* name, const QString& caption) {
    auto* button = new QPushButton(caption);
    button->setObjectName(QLatin1String(name));
    return button;
}

}  // namespace

frmMain::frmMain(MessageSink& messages, WebPageOpener& opener, const LinkTargets& links,
                 QWidget* parent)
    : QMainWindow(parent), messages_(messages), opener_(opener) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QString::fromLatin1(kApplicationTitle));

    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("fraForm"));
    SetColour(*panel, QPalette::Window, kPanelBrown);
    SetColour(*panel, QPalette::WindowText, kLightYellowText);

    auto* columns = new QHBoxLayout(panel);
    const QMargins margins = columns->contentsMargins();
    columns->setContentsMargins(margins * 2);
    columns->setSpacing(columns->spacing() * 4);
    columns->addWidget(buildIntroduction(), 0, Qt::AlignTop);
    columns->addWidget(buildInputs(), 0, Qt::AlignTop);
    setCentralWidget(panel);

    buildMenus(links);
    followReadingOrder();
    reportEdits();

    auto* nameFilter = new KeystrokeFilter(&FilterNameKey, messages_, this);
    txtName->installEventFilter(nameFilter);
    txtName->setValidator(new EnteredTextValidator(&FilterNameText, messages_, *txtName));
    auto* coordinateFilter = new KeystrokeFilter(&FilterCoordinateKey, messages_, this);
    for (QLineEdit* box : {txtLonD, txtLonM, txtLatD, txtLatM}) {
        box->installEventFilter(coordinateFilter);
        box->setValidator(new EnteredTextValidator(&FilterCoordinateText, messages_, *box));
    }

    connectPlaceSearch();
    atlasWarmUp_ = std::jthread([] { PlaceAtlas(); });
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void frmMain::connectPlaceSearch() {
    offeredModel_ = new QStandardItemModel(this);
    placeCompleter_ = new QCompleter(offeredModel_, this);
    placeCompleter_->setObjectName(QStringLiteral("placeCompleter"));
    // The atlas has already chosen and ranked the rows; the box gets the name alone.
    placeCompleter_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    placeCompleter_->setCompletionRole(Qt::UserRole);
    txtMCity->setCompleter(placeCompleter_);
    connect(txtMCity, &QLineEdit::textEdited, this, &frmMain::offerPlaces);
    connect(placeCompleter_, qOverload<const QModelIndex&>(&QCompleter::activated), this,
            &frmMain::pickOfferedPlace);

    for (QComboBox* list : {cboMonth, cboDate, cboYear, cboHH, cboMM}) {
        connect(list, &QComboBox::currentIndexChanged, this, &frmMain::dateOrTimeChanged);
    }
    // Only what the user does by hand: the program's own settings send none of these.
    for (QLineEdit* box : {txtLonD, txtLonM, txtLatD, txtLatM}) {
        connect(box, &QLineEdit::textEdited, this, &frmMain::forgetPlace);
    }
    for (QRadioButton* option : {optLong[0], optLong[1], optLat[0], optLat[1]}) {
        connect(option, &QRadioButton::clicked, this, &frmMain::forgetPlace);
    }
    connect(cmbTimeZone, &QComboBox::activated, this, &frmMain::forgetPlace);
    connect(chkDST, &QCheckBox::clicked, this, &frmMain::forgetPlace);
}

void frmMain::offerPlaces(const QString& typed) {
    offered_ = PlaceAtlas().Search(typed.trimmed().toStdString(), kOfferedPlaces);
    offeredModel_->clear();
    for (std::size_t row = 0; row < offered_.size(); ++row) {
        auto* item = new QStandardItem(ToQString(FormatPlace(offered_[row])));
        item->setData(QString::fromStdString(offered_[row].name), Qt::UserRole);
        item->setData(static_cast<int>(row), kOfferedRowRole);
        offeredModel_->appendRow(item);
    }
}

void frmMain::pickOfferedPlace(const QModelIndex& index) {
    const int row = index.data(kOfferedRowRole).toInt();
    if (row >= 0 && static_cast<std::size_t>(row) < offered_.size()) {
        pickPlace(offered_[static_cast<std::size_t>(row)]);
    }
}

void frmMain::pickPlace(const Place& place) {
    FormInput filled = typedInput();
    ApplyPlace(place, filled);
    showPlaceFields(filled);
    atlasPlace_ = place;
    repeatedMoment_ = RepeatedMoment::Ask;
    showPlaceClock();
}

void frmMain::showPlaceFields(const FormInput& input) {
    txtMCity->setText(QString::fromStdString(input.city));
    txtMState->setText(QString::fromStdString(input.state));
    txtMCountry->setText(QString::fromStdString(input.country));
    txtLonD->setText(QString::fromStdString(input.lonDegrees));
    txtLonM->setText(QString::fromStdString(input.lonMinutes));
    optLong[input.east ? 0 : 1]->setChecked(true);
    txtLatD->setText(QString::fromStdString(input.latDegrees));
    txtLatM->setText(QString::fromStdString(input.latMinutes));
    optLat[input.south ? 1 : 0]->setChecked(true);
}

void frmMain::forgetPlace() {
    atlasPlace_.reset();
    showZoneList();
    repeatedMoment_ = RepeatedMoment::Ask;
    lblClock->clear();
}

void frmMain::dateOrTimeChanged() {
    repeatedMoment_ = RepeatedMoment::Ask;
    showPlaceClock();
}

std::variant<BirthClock, BirthClockProblem> frmMain::placeClock() const {
    return ResolveBirthClock(atlasPlace_->timeZone, LocalMomentOf(typedInput()), atlasPlace_->name,
                             repeatedMoment_);
}

void frmMain::showPlaceClock() {
    if (!atlasPlace_) {
        return;
    }
    const auto settled = placeClock();
    if (const auto* problem = std::get_if<BirthClockProblem>(&settled)) {
        lblClock->setText(QString::fromStdString(problem->message));
        return;
    }
    const BirthClock& clock = std::get<BirthClock>(settled);
    if (clock.row) {
        heldZoneRow_.reset();
        cmbTimeZone->setCurrentIndex(clock.row->row);
        chkDST->setChecked(clock.row->dst);
    } else {
        blankZoneList();
    }
    lblClock->setText(QString::fromStdString(BirthClockText(clock)));
}

// No row of the list is the clock in force, so none is shown; the row stays
// the form's, for the birth files and for a return to the list.
void frmMain::blankZoneList() {
    if (cmbTimeZone->currentIndex() < 0) {
        return;
    }
    heldZoneRow_ = cmbTimeZone->currentIndex();
    cmbTimeZone->setCurrentIndex(-1);
}

// A row picked by hand has already taken the list's place.
void frmMain::showZoneList() {
    if (heldZoneRow_ && cmbTimeZone->currentIndex() < 0) {
        cmbTimeZone->setCurrentIndex(*heldZoneRow_);
    }
    heldZoneRow_.reset();
}

// A skipped local time stops here; a repeated one is settled by the user; a
// typed clock that a nearby place did not keep is questioned once.
bool frmMain::settleClockBeforeAnalysis() {
    if (atlasPlace_) {
        const auto settled = placeClock();
        const auto* problem = std::get_if<BirthClockProblem>(&settled);
        if (problem == nullptr || !problem->change) {
            return true;  // the form's own checks speak of a date not on the calendar
        }
        const QString message = QString::fromStdString(problem->message);
        if (problem->kind == BirthClockProblem::Kind::Skipped) {
            messages_.show(this, message, MessageIcon::Critical);
            cboHH->setFocus(Qt::OtherFocusReason);
            return false;
        }
        const int answer = messages_.choose(
            this, message + QStringLiteral("\n\nWhich moment is meant?"),
            {QStringLiteral("The first (%1)")
                 .arg(QString::fromStdString(ClockLabel(problem->change->before))),
             QStringLiteral("The second (%1)")
                 .arg(QString::fromStdString(ClockLabel(problem->change->after)))});
        if (answer != 0 && answer != 1) {
            cboHH->setFocus(Qt::OtherFocusReason);
            return false;
        }
        repeatedMoment_ = answer == 0 ? RepeatedMoment::Earlier : RepeatedMoment::Later;
        showPlaceClock();
        return true;
    }
    const FormInput typed = typedInput();
    const auto disagreement = CheckTypedClock(PlaceAtlas(), typed);
    if (!disagreement) {
        return true;
    }
    const LocalDateTime local = LocalMomentOf(typed);
    const std::string asked = disagreement->place.name + '|' + disagreement->place.timeZone + '|' +
                              FormatLocalMoment(local) + '|' +
                              std::to_string(typed.zoneRow.value_or(-1)) + '|' +
                              (typed.dst ? "dst" : "");
    if (asked == questionedTypedClock_) {
        return true;
    }
    const int answer =
        messages_.choose(this, QString::fromStdString(ClockDisagreementText(*disagreement)),
                         {QStringLiteral("Use its clock"), QStringLiteral("Keep mine")});
    if (answer < 0) {
        return false;  // asked again at the next Analyze
    }
    questionedTypedClock_ = asked;
    if (answer == 0) {
        atlasPlace_ = disagreement->place;
        repeatedMoment_ = RepeatedMoment::Ask;
        showPlaceClock();
    }
    return true;
}

void frmMain::requestAnalysis() {
    if (settleClockBeforeAnalysis()) {
        emit analyzeRequested();
    }
}

QWidget* frmMain::buildIntroduction() {
    auto* introduction = new QWidget;
    auto* column = new QVBoxLayout(introduction);
    column->setContentsMargins(0, 0, 0, 0);

    QLabel* heading = PlainLabel(QStringLiteral("Divisional Charts"));
    heading->setObjectName(QStringLiteral("lblHeading"));
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.8);
    heading->setFont(headingFont);
    SetColour(*heading, QPalette::WindowText, kCyanText);

    QLabel* description = PlainLabel(QString::fromLatin1(kDescription));
    description->setObjectName(QStringLiteral("lblDescription"));
    description->setWordWrap(true);
    description->setFixedWidth(description->fontMetrics().averageCharWidth() * 40);

    column->addWidget(heading);
    column->addWidget(description);
    column->addStretch();
    return introduction;
}

QWidget* frmMain::buildInputs() {
    auto* inputs = new QWidget;
    auto* column = new QVBoxLayout(inputs);
    column->setContentsMargins(0, 0, 0, 0);

    txtName = TextBox("txtName");
    cboMonth = PickList("cboMonth", MonthRows());
    cboDate = PickList("cboDate", NumberRows(1, kLastDay));
    cboYear = PickList("cboYear", NumberRows(kFirstYear, kLastYear));
    cboHH = PickList("cboHH", NumberRows(0, kLastHour));
    cboMM = PickList("cboMM", NumberRows(0, kLastMinute));
    cboSS = PickList("cboSS", NumberRows(0, kLastMinute));

    txtLonD = CoordinateBox("txtLonD", kLongitudeDegreesLength);
    txtLonM = CoordinateBox("txtLonM", kCoordinateMinutesLength);
    optLong[0] = OptionButton("optLong_0", QStringLiteral("East"));
    optLong[1] = OptionButton("optLong_1", QStringLiteral("West"));
    txtLatD = CoordinateBox("txtLatD", kLatitudeDegreesLength);
    txtLatM = CoordinateBox("txtLatM", kCoordinateMinutesLength);
    optLat[0] = OptionButton("optLat_0", QStringLiteral("North"));
    optLat[1] = OptionButton("optLat_1", QStringLiteral("South"));
    optLong[0]->setChecked(true);
    optLat[0]->setChecked(true);
    auto* coordinates = new QHBoxLayout;
    coordinates->addWidget(
        CoordinateFrame(QStringLiteral("Longitude"), *txtLonD, *txtLonM, *optLong[0], *optLong[1]));
    coordinates->addWidget(
        CoordinateFrame(QStringLiteral("Latitude"), *txtLatD, *txtLatM, *optLat[0], *optLat[1]));

    txtMCity = TextBox("txtMCity");
    txtMState = TextBox("txtMState");
    txtMCountry = TextBox("txtMCountry");
    cmdBrowser = Button("cmdBrowser", QStringLiteral("Click for Latitude && Longitude"));
    connect(cmdBrowser, &QPushButton::clicked, this, &frmMain::lookUpPlace);

    // One grid, so every caption and every box lines up down the form.
    auto* birth = new QGridLayout;
    int row = 0;
    const auto addRow = [birth, &row](const char* caption, QWidget* field) {
        birth->addWidget(PlainLabel(QLatin1String(caption)), row, 0);
        birth->addWidget(field, row++, 1, 1, 3);
    };
    addRow("Name", txtName);
    birth->addWidget(PlainLabel(QStringLiteral("Date of Birth")), row, 0);
    birth->addWidget(cboMonth, row, 1);
    birth->addWidget(cboDate, row, 2);
    birth->addWidget(cboYear, row++, 3);
    birth->addWidget(PlainLabel(QStringLiteral("HH:MM:SS")), row++, 1, 1, 3);
    birth->addWidget(PlainLabel(QStringLiteral("Time of Birth")), row, 0);
    birth->addWidget(cboHH, row, 1);
    birth->addWidget(cboMM, row, 2);
    birth->addWidget(cboSS, row++, 3);
    birth->addLayout(coordinates, row++, 0, 1, 4);
    addRow("City", txtMCity);
    addRow("State", txtMState);
    addRow("Country", txtMCountry);
    birth->addWidget(cmdBrowser, row, 1, 1, 3, Qt::AlignRight);
    column->addLayout(birth);

    cmbTimeZone = PickList("cmbTimeZone", ZoneRows(), kDefaultTimeZoneRow);
    cmbTimeZone->setPlaceholderText(QStringLiteral("Exact clock from the atlas"));
    chkDST = new QCheckBox(QStringLiteral("Daylight Saving Time"));
    chkDST->setObjectName(QStringLiteral("chkDST"));
    auto* zone = new QGroupBox(QStringLiteral("Zone"));
    auto* zoneColumn = new QVBoxLayout(zone);
    zoneColumn->addWidget(cmbTimeZone);
    zoneColumn->addWidget(chkDST);
    lblClock = PlainLabel(QString());
    lblClock->setObjectName(QStringLiteral("lblClock"));
    lblClock->setWordWrap(true);
    zoneColumn->addWidget(lblClock);
    column->addWidget(zone);

    cmdRashi = Button("cmdRashi", QStringLiteral("Analyze The Divisional Charts"));
    cmdRashi->setDefault(true);
    // Enter on the focused look-up button is its own click, as in a dialog.
    cmdBrowser->setAutoDefault(true);
    connect(cmdRashi, &QPushButton::clicked, this, &frmMain::requestAnalysis);
    column->addWidget(cmdRashi, 0, Qt::AlignRight);
    return inputs;
}

void frmMain::buildMenus(const LinkTargets& links) {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction* next = file->addAction(QStringLiteral("Analyze The Divisional Charts"));
    next->setObjectName(QStringLiteral("mnuNext"));
    connect(next, &QAction::triggered, this, &frmMain::requestAnalysis);
    QAction* exit = file->addAction(QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    connect(exit, &QAction::triggered, this, &QWidget::close);

    AddSettingsMenu(*menuBar(), [this] { emit settingsRequested(); });
    AddHelpMenu(*menuBar(), opener_, links, [this] { emit aboutRequested(); });
}

void frmMain::followReadingOrder() {
    QWidget* const order[] = {
        txtName,   cboMonth,    cboDate,    cboYear,     cboHH,   cboMM,     cboSS,     txtLonD,
        txtLonM,   optLong[0],  optLong[1], txtLatD,     txtLatM, optLat[0], optLat[1], txtMCity,
        txtMState, txtMCountry, cmdBrowser, cmbTimeZone, chkDST,  cmdRashi};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
}

FormInput frmMain::formInput() const {
    FormInput input = typedInput();
    if (atlasPlace_) {
        const auto settled = placeClock();
        if (const auto* clock = std::get_if<BirthClock>(&settled)) {
            ApplyBirthClock(*clock, input);
        }
    }
    return input;
}

FormInput frmMain::typedInput() const {
    FormInput input;
    input.name = txtName->text().toStdString();
    input.monthRow = cboMonth->currentIndex();
    input.dayRow = cboDate->currentIndex();
    input.yearRow = cboYear->currentIndex();
    input.hourRow = cboHH->currentIndex();
    input.minuteRow = cboMM->currentIndex();
    input.secondRow = cboSS->currentIndex();
    input.lonDegrees = txtLonD->text().toStdString();
    input.lonMinutes = txtLonM->text().toStdString();
    input.east = optLong[0]->isChecked();
    input.latDegrees = txtLatD->text().toStdString();
    input.latMinutes = txtLatM->text().toStdString();
    input.south = optLat[1]->isChecked();
    input.city = txtMCity->text().toStdString();
    input.state = txtMState->text().toStdString();
    input.country = txtMCountry->text().toStdString();
    const int zoneRow = cmbTimeZone->currentIndex();
    input.zoneRow = zoneRow >= 0 ? std::optional<int>(zoneRow) : heldZoneRow_;
    input.dst = chkDST->isChecked();
    return input;
}

void frmMain::setFormInput(const FormInput& input) {
    // The place the form held before must not lend its clock to this birth.
    forgetPlace();
    txtName->setText(QString::fromStdString(input.name));
    cboMonth->setCurrentIndex(input.monthRow);
    cboDate->setCurrentIndex(input.dayRow);
    cboYear->setCurrentIndex(input.yearRow);
    cboHH->setCurrentIndex(input.hourRow);
    cboMM->setCurrentIndex(input.minuteRow);
    cboSS->setCurrentIndex(input.secondRow);
    showPlaceFields(input);
    cmbTimeZone->setCurrentIndex(input.zoneRow.value_or(-1));
    chkDST->setChecked(input.dst);
    // An exact clock came from an atlas place: the place comes back with it, as
    // picked, so that another date gets that place's clock for that date.
    if (auto place = PlaceOfExactClock(input)) {
        atlasPlace_ = std::move(place);
        repeatedMoment_ = MomentKeepingOffset(atlasPlace_->timeZone, LocalMomentOf(input),
                                              input.exactClock->utcOffsetSeconds);
        showPlaceClock();
    }
}

void frmMain::reportEdits() {
    for (QLineEdit* box :
         {txtName, txtLonD, txtLonM, txtLatD, txtLatM, txtMCity, txtMState, txtMCountry}) {
        connect(box, &QLineEdit::textChanged, this, &frmMain::edited);
    }
    for (QComboBox* list : {cboMonth, cboDate, cboYear, cboHH, cboMM, cboSS, cmbTimeZone}) {
        connect(list, &QComboBox::currentIndexChanged, this, &frmMain::edited);
    }
    for (QAbstractButton* choice :
         std::initializer_list<QAbstractButton*>{optLong[0], optLat[0], chkDST}) {
        connect(choice, &QAbstractButton::toggled, this, &frmMain::edited);
    }
}

QLineEdit* frmMain::boxFor(FormField field) const {
    switch (field) {
        case FormField::Name:
            return txtName;
        case FormField::LonDegrees:
            return txtLonD;
        case FormField::LonMinutes:
            return txtLonM;
        case FormField::LatDegrees:
            return txtLatD;
        case FormField::LatMinutes:
            return txtLatM;
        case FormField::City:
            return txtMCity;
        case FormField::State:
            return txtMState;
        case FormField::Country:
            return txtMCountry;
        case FormField::None:
            break;
    }
    return nullptr;
}

void frmMain::focusField(FormField field) {
    if (QLineEdit* box = boxFor(field)) {
        box->setFocus(Qt::OtherFocusReason);
    }
}

void frmMain::lookUpPlace() {
    const FormInput input = formInput();
    if (const auto failure = ValidatePlaceForLookup(input)) {
        messages_.show(this, QString::fromStdString(failure->message), failure->icon);
        focusField(failure->focus);
        return;
    }
    opener_.open(PlaceSearchUrl(QString::fromStdString(PlaceSearchText(input))));
}

void frmMain::keyPressEvent(QKeyEvent* event) {
    // Enter that no control took asks for the chart, as a dialog's default button does.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (enter && modifiers == Qt::NoModifier && cmdRashi->isEnabled()) {
        cmdRashi->click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (mayClose_ && !mayClose_()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
    emit exitRequested();
}

}  // namespace amsaview
