#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QUrlQuery>

#include "support/FindChild.h"
#include "support/RecordingSeams.h"
#include "ui/form/frmMain.h"

namespace amsaview {
namespace {

const LinkTargets kLinks{QUrl::fromLocalFile(QStringLiteral("/opt/amsaview/guide/index.html")),
                         QStringLiteral("https://example.net/amsaview/")};

// Types each character as a keyboard layout would; QTest's own key clicks know ASCII only.
void TypeText(QWidget& box, const QString& text) {
    for (const char32_t character : text.toUcs4()) {
        if (character < 0x80) {
            QTest::keyClick(&box, static_cast<char>(character));
        } else {
            QTest::sendKeyEvent(QTest::Click, &box, Qt::Key_unknown,
                                QString::fromUcs4(&character, 1), Qt::NoModifier);
        }
    }
}

}  // namespace

class frmMainTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void showsTheCaptionsOfTheDesign();
    void fillsAndSelectsEveryPickList_data();
    void fillsAndSelectsEveryPickList();
    void startsEmptyWithEastNorthAndNoDaylightSaving();
    void limitsTheCoordinateBoxes();
    void filtersTypedCharacters_data();
    void filtersTypedCharacters();
    void letsEditingKeysPassWithoutMessage();
    void treatsEnterByBox();
    void judgesPastedAndDroppedText_data();
    void judgesPastedAndDroppedText();
    void leavesTextTheProgramSetsToTheChecks();
    void enterAsksForTheChart_data();
    void enterAsksForTheChart();
    void looksUpThePlace_data();
    void looksUpThePlace();
    void opensTheHelpPages_data();
    void opensTheHelpPages();
    void forwardsItsCommands();
    void followsTheReadingOrderWithTab();
    void fitsASmallScreenAtAFixedSize();

  private:
    template <typename T>
    T* control(const char* name) const {
        return &testing::Child<T>(*form_, QLatin1String(name));
    }

    testing::RecordingMessageSink messages_;
    testing::RecordingWebPageOpener opener_;
    std::unique_ptr<frmMain> form_;
};

void frmMainTest::init() {
    messages_.shown.clear();
    opener_.opened.clear();
    form_ = std::make_unique<frmMain>(messages_, opener_, kLinks);
    form_->show();
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
}

void frmMainTest::cleanup() {
    form_.reset();
}

void frmMainTest::showsTheCaptionsOfTheDesign() {
    QCOMPARE(form_->objectName(), QStringLiteral("frmMain"));
    QCOMPARE(form_->windowTitle(), QStringLiteral("Amsaview v1.80"));
    QCOMPARE(control<QLabel>("lblHeading")->text(), QStringLiteral("Divisional Charts"));

    const QString description = control<QLabel>("lblDescription")->text();
    QVERIFY(description.startsWith(QStringLiteral(
        "The zodiac or the Bhachakra is composed of 360 degrees of the celestial space. ")));
    QCOMPARE(description.count(QStringLiteral(". ")) + 1, 6);  // the given sentence and five more
    QVERIFY(description.endsWith(u'.'));

    const struct {
        const char* name;
        const char* caption;
    } buttons[] = {
        {"cmdBrowser", "Click for Latitude && Longitude"},
        {"cmdRashi", "Analyze The Divisional Charts"},
    };
    for (const auto& button : buttons) {
        QCOMPARE(control<QPushButton>(button.name)->text(), QLatin1String(button.caption));
    }
    // The doubled ampersand shows one "&" and marks no access key.
    QVERIFY(QKeySequence::mnemonic(control<QPushButton>("cmdBrowser")->text()).isEmpty());

    QCOMPARE(control<QRadioButton>("optLong_0")->text(), QStringLiteral("East"));
    QCOMPARE(control<QRadioButton>("optLong_1")->text(), QStringLiteral("West"));
    QCOMPARE(control<QRadioButton>("optLat_0")->text(), QStringLiteral("North"));
    QCOMPARE(control<QRadioButton>("optLat_1")->text(), QStringLiteral("South"));
    QCOMPARE(control<QCheckBox>("chkDST")->text(), QStringLiteral("Daylight Saving Time"));

    const struct {
        const char* name;
        const char* caption;
    } menuEntries[] = {
        {"mnuNext", "Analyze The Divisional Charts"},
        {"mnuExit", "E&xit"},
        {"mnuOnline", "&Online Help"},
        {"mnuVisit", "&Visit Us Online"},
        {"mnuUpdate", "Check for Software &Update"},
        {"mnuAbout", "&About Software"},
    };
    for (const auto& entry : menuEntries) {
        QCOMPARE(control<QAction>(entry.name)->text(), QLatin1String(entry.caption));
    }

    QStringList captions;
    for (const QLabel* label : form_->findChildren<QLabel*>()) {
        QCOMPARE(label->textFormat(), Qt::PlainText);
        captions.append(label->text());
    }
    for (const char* caption : {"Name", "Date of Birth", "HH:MM:SS", "Time of Birth", "Deg", "Min",
                                "City", "State", "Country"}) {
        QVERIFY2(captions.contains(QLatin1String(caption)), caption);
    }
}

void frmMainTest::fillsAndSelectsEveryPickList_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::addColumn<int>("selectedRow");
    QTest::addColumn<QString>("selected");

    const auto row = [](const char* name, int rows, const char* first, const char* last,
                        int selectedRow, const char* selected) {
        QTest::newRow(name) << QString::fromLatin1(name) << rows << QString::fromLatin1(first)
                            << QString::fromLatin1(last) << selectedRow
                            << QString::fromLatin1(selected);
    };
    row("cboMonth", 12, "January", "December", 0, "January");
    row("cboDate", 31, "1", "31", 0, "1");
    row("cboYear", 150, "1901", "2050", 0, "1901");
    row("cboHH", 24, "0", "23", 0, "0");
    row("cboMM", 60, "0", "59", 0, "0");
    row("cboSS", 60, "0", "59", 0, "0");
    row("cmbTimeZone", 71, "Alaska/Hawaii Daylight Time,AHDT,-9.0", "Yukon War Time,YWT,-8.0", 29,
        "Greenwich Mean Time,GMT,0.0");
}

void frmMainTest::fillsAndSelectsEveryPickList() {
    QFETCH(QString, name);
    QFETCH(int, rows);
    QFETCH(QString, first);
    QFETCH(QString, last);
    QFETCH(int, selectedRow);
    QFETCH(QString, selected);

    const auto* list = control<QComboBox>(name.toLatin1().constData());
    QVERIFY2(!list->isEditable(), "a pick list takes no typed text");
    QCOMPARE(list->count(), rows);
    QCOMPARE(list->itemText(0), first);
    QCOMPARE(list->itemText(rows - 1), last);
    QCOMPARE(list->currentIndex(), selectedRow);
    QCOMPARE(list->currentText(), selected);
}

void frmMainTest::startsEmptyWithEastNorthAndNoDaylightSaving() {
    const FormInput input = form_->formInput();
    QCOMPARE(input.name, std::string());
    QCOMPARE(input.lonDegrees, std::string());
    QCOMPARE(input.latMinutes, std::string());
    QCOMPARE(input.city, std::string());
    QVERIFY(input.east);
    QVERIFY(!input.south);
    QVERIFY(!input.dst);
    QCOMPARE(input.zoneRow, std::optional<int>(29));
    QCOMPARE(input.monthRow + input.dayRow + input.yearRow + input.hourRow + input.minuteRow, 0);

    control<QRadioButton>("optLong_1")->click();
    control<QRadioButton>("optLat_1")->click();
    control<QCheckBox>("chkDST")->click();
    control<QComboBox>("cmbTimeZone")->setCurrentIndex(34);
    control<QComboBox>("cboMonth")->setCurrentIndex(11);
    const FormInput changed = form_->formInput();
    QVERIFY(!changed.east);
    QVERIFY(changed.south);
    QVERIFY(changed.dst);
    QCOMPARE(changed.zoneRow, std::optional<int>(34));
    QCOMPARE(changed.monthRow, 11);
}

void frmMainTest::limitsTheCoordinateBoxes() {
    const struct {
        const char* name;
        int maxLength;
    } boxes[] = {{"txtLonD", 3}, {"txtLonM", 2}, {"txtLatD", 2}, {"txtLatM", 2}};
    for (const auto& box : boxes) {
        QLineEdit* edit = control<QLineEdit>(box.name);
        QCOMPARE(edit->maxLength(), box.maxLength);
        QTest::keyClicks(edit, QStringLiteral("12345"));
        QCOMPARE(edit->text(), QStringLiteral("12345").left(box.maxLength));
    }
    QVERIFY(messages_.shown.isEmpty());
}

void frmMainTest::filtersTypedCharacters_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("inserted");
    QTest::addColumn<QStringList>("messages");

    const QString numbersOnly = QStringLiteral("Only Numbers Are Accepted");
    const QString lettersOnly = QStringLiteral("Please Enter only Letters");
    const auto row = [](const char* tag, const char* box, const char* typed, const char* inserted,
                        const QStringList& messages) {
        QTest::newRow(tag) << QString::fromLatin1(box) << QString::fromUtf8(typed)
                           << QString::fromUtf8(inserted) << messages;
    };
    row("small m becomes capital", "txtName", "m", "M", {});
    row("name with inner blank", "txtName", "Ram kumar", "RAM KUMAR", {});
    row("digit in the name", "txtName", "ra7m", "RAM", {lettersOnly});
    row("accented letters", "txtName", "jos\u00e9 l\u00f6w", "JOS\u00c9 L\u00d6W", {});
    row("apostrophes, hyphen, full stop", "txtName", "o'brien-ng. d\u2019souza",
        "O'BRIEN-NG. D\u2019SOUZA", {});
    row("comma in the name", "txtName", "kumar, ram", "KUMAR RAM", {lettersOnly});
    row("degrees", "txtLonD", "77", "77", {});
    row("minus sign", "txtLonD", "-", "", {numbersOnly});
    row("letter among digits", "txtLatD", "2N8", "28", {numbersOnly});
    row("city is not filtered", "txtMCity", "st. john's 2", "st. john's 2", {});
}

void frmMainTest::filtersTypedCharacters() {
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, inserted);
    QFETCH(QStringList, messages);

    QLineEdit* edit = control<QLineEdit>(box.toLatin1().constData());
    TypeText(*edit, typed);
    QCOMPARE(edit->text(), inserted);
    QStringList shown;
    for (const testing::ShownMessage& message : messages_.shown) {
        shown.append(message.text);
        const MessageIcon expectedIcon =
            box == QLatin1String("txtName") ? MessageIcon::Information : MessageIcon::Critical;
        QCOMPARE(message.icon, expectedIcon);
        QCOMPARE(message.parent, form_.get());
    }
    QCOMPARE(shown, messages);
}

void frmMainTest::letsEditingKeysPassWithoutMessage() {
    QLineEdit* degrees = control<QLineEdit>("txtLonD");
    QTest::keyClicks(degrees, QStringLiteral("123"));
    QTest::keyClick(degrees, Qt::Key_Left);
    QTest::keyClick(degrees, Qt::Key_Backspace);  // removes the "2"
    QCOMPARE(degrees->text(), QStringLiteral("13"));
    QTest::keyClick(degrees, Qt::Key_Home);
    QTest::keyClick(degrees, Qt::Key_Delete);  // removes the "1"
    QCOMPARE(degrees->text(), QStringLiteral("3"));
    QTest::keyClick(degrees, Qt::Key_End);
    QTest::keyClick(degrees, Qt::Key_Right);
    QTest::keyClick(degrees, Qt::Key_Up);

    // The clipboard keys work.
    QTest::keyClick(degrees, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(degrees, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("3"));
    QApplication::clipboard()->setText(QStringLiteral("7"));
    QTest::keyClick(degrees, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(degrees->text(), QStringLiteral("7"));

    QLineEdit* name = control<QLineEdit>("txtName");
    QTest::keyClicks(name, QStringLiteral("AB"));
    QTest::keyClick(name, Qt::Key_Home);
    QTest::keyClick(name, Qt::Key_Delete);
    QCOMPARE(name->text(), QStringLiteral("B"));
    QTest::keyClick(name, Qt::Key_Tab);
    QVERIFY(messages_.shown.isEmpty());
}

void frmMainTest::treatsEnterByBox() {
    // Enter is a character both filters know: the name box lets it pass, a
    // coordinate box refuses it like any other non-digit.
    QTest::keyClick(control<QLineEdit>("txtName"), Qt::Key_Return);
    QVERIFY(messages_.shown.isEmpty());
    QTest::keyClick(control<QLineEdit>("txtLatD"), Qt::Key_Return);
    QCOMPARE(messages_.shown.size(), 1);
    QCOMPARE(messages_.shown.front().text, QStringLiteral("Only Numbers Are Accepted"));
}

void frmMainTest::judgesPastedAndDroppedText_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("way");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("entered");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("message");

    const QString numbersOnly = QStringLiteral("Only Numbers Are Accepted");
    const QString lettersOnly = QStringLiteral("Please Enter only Letters");
    const auto row = [](const char* box, const char* way, const char* before, const char* entered,
                        const char* after, const QString& message) {
        QTest::addRow("%s %s \"%s\"", box, way, entered)
            << QString::fromLatin1(box) << QString::fromLatin1(way) << QString::fromLatin1(before)
            << QString::fromUtf8(entered) << QString::fromUtf8(after) << message;
    };
    for (const char* way : {"Ctrl+V", "Shift+Insert", "context menu", "drop"}) {
        row("txtName", way, "RAM", "ab1-c.x", "RAM", lettersOnly);
        row("txtName", way, "", "sita devi", "SITA DEVI", QString());
        row("txtLonD", way, "", "12.5", "", numbersOnly);
        row("txtLatM", way, "", "36", "36", QString());
    }
    row("txtName", "Ctrl+V", "", "RAM\n", "", lettersOnly);
    row("txtName", "Ctrl+V", "", "Ren\u00e9e", "REN\u00c9E", QString());
    row("txtName", "Ctrl+V", "", "jose\u0301", "JOSE\u0301", QString());
    row("txtName", "drop", "", "o'neil", "O'NEIL", QString());
    row("txtName", "Ctrl+V", "", "\u0301a", "", lettersOnly);
    row("txtLonD", "Shift+Insert", "7", "-", "7", numbersOnly);
    row("txtLatD", "drop", "", " 28", "", numbersOnly);
    row("txtMCity", "Ctrl+V", "", "st. john's 2", "st. john's 2", QString());
}

void frmMainTest::judgesPastedAndDroppedText() {
    QFETCH(QString, box);
    QFETCH(QString, way);
    QFETCH(QString, before);
    QFETCH(QString, entered);
    QFETCH(QString, after);
    QFETCH(QString, message);

    QLineEdit* edit = control<QLineEdit>(box.toLatin1().constData());
    QTest::keyClicks(edit, before);
    edit->setFocus();
    if (way == QLatin1String("drop")) {
        QMimeData dragged;
        dragged.setText(entered);
        const QPoint middle = edit->rect().center();
        QDragEnterEvent enter(middle, Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(edit, &enter);
        QDropEvent drop(QPointF(middle), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(edit, &drop);
    } else {
        QApplication::clipboard()->setText(entered);
        if (way == QLatin1String("Ctrl+V")) {
            QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        } else if (way == QLatin1String("Shift+Insert")) {
            QTest::keyClick(edit, Qt::Key_Insert, Qt::ShiftModifier);
        } else {
            edit->paste();  // what the context menu's Paste calls
        }
    }
    QCoreApplication::processEvents();
    QCOMPARE(edit->text(), after);

    QStringList shown;
    for (const testing::ShownMessage& shownMessage : messages_.shown) {
        shown.append(shownMessage.text);
        QCOMPARE(shownMessage.parent, form_.get());
        QCOMPARE(shownMessage.icon, box == QLatin1String("txtName") ? MessageIcon::Information
                                                                    : MessageIcon::Critical);
    }
    QCOMPARE(shown, message.isEmpty() ? QStringList() : QStringList{message});
}

void frmMainTest::leavesTextTheProgramSetsToTheChecks() {
    QLineEdit* degrees = control<QLineEdit>("txtLonD");
    degrees->setText(QStringLiteral("7E"));
    degrees->setFocus();
    control<QComboBox>("cboYear")->setFocus();
    QCoreApplication::processEvents();
    QCOMPARE(degrees->text(), QStringLiteral("7E"));
    QVERIFY(messages_.shown.isEmpty());
    QCOMPARE(form_->formInput().lonDegrees, std::string("7E"));
}

void frmMainTest::enterAsksForTheChart_data() {
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("analyses");
    QTest::addColumn<QString>("message");

    const auto row = [](const char* focus, int key, int analyses, const char* message) {
        QTest::addRow("%s %s", focus, key == Qt::Key_Enter ? "keypad Enter" : "Return")
            << QString::fromLatin1(focus) << key << analyses << QString::fromLatin1(message);
    };
    row("cmdRashi", Qt::Key_Return, 1, "");
    row("cmdRashi", Qt::Key_Enter, 1, "");
    row("txtName", Qt::Key_Return, 1, "");
    row("cboYear", Qt::Key_Return, 1, "");
    row("optLat_1", Qt::Key_Return, 1, "");
    row("chkDST", Qt::Key_Enter, 1, "");
    row("txtMCountry", Qt::Key_Return, 1, "");
    // A coordinate box refuses Enter as it refuses every other non-digit.
    row("txtLatD", Qt::Key_Return, 0, "Only Numbers Are Accepted");
    // The focused look-up button takes Enter as its own click.
    row("cmdBrowser", Qt::Key_Return, 0, "Please Enter City");
}

void frmMainTest::enterAsksForTheChart() {
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(int, analyses);
    QFETCH(QString, message);

    QVERIFY(control<QPushButton>("cmdRashi")->isDefault());
    QSignalSpy analyze(form_.get(), &frmMain::analyzeRequested);
    QWidget* focused = control<QWidget>(focus.toLatin1().constData());
    focused->setFocus();
    const Qt::KeyboardModifiers modifiers =
        key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
    QTest::keyClick(focused, static_cast<Qt::Key>(key), modifiers);
    QCOMPARE(analyze.size(), analyses);
    QCOMPARE(messages_.shown.size(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty()) {
        QCOMPARE(messages_.shown.front().text, message);
    }
}

void frmMainTest::looksUpThePlace_data() {
    QTest::addColumn<QString>("city");
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("searchText");

    // A refused look-up names its message and focus; a passed one its search text.
    const auto row = [](const char* tag, const char* city, const char* state, const char* country,
                        const char* message, const char* focus, const char* searchText) {
        QTest::newRow(tag) << QString::fromUtf8(city) << QString::fromUtf8(state)
                           << QString::fromUtf8(country) << QString::fromLatin1(message)
                           << QString::fromLatin1(focus) << QString::fromUtf8(searchText);
    };
    row("nothing", "", "", "", "Please Enter City", "txtMCity", "");
    row("no city", "", "Delhi", "India", "Please Enter City", "txtMCity", "");
    row("no state", "New Delhi", "", "India", "Please Enter State", "txtMState", "");
    row("no country", "New Delhi", "Delhi", "", "Please Enter Country", "txtMCountry", "");
    row("whole place", "New Delhi", "Delhi", "India", "", "", "New Delhi Delhi India");
    row("a blank counts as a city", " ", "Delhi", "India", "", "", "  Delhi India");
    row("signs a query could mistake", "Saint-Jean & Co", "A+B", "C\u00f4te d'Ivoire=#?", "", "",
        "Saint-Jean & Co A+B C\u00f4te d'Ivoire=#?");
}

void frmMainTest::looksUpThePlace() {
    QFETCH(QString, city);
    QFETCH(QString, state);
    QFETCH(QString, country);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    QFETCH(QString, searchText);

    control<QLineEdit>("txtMCity")->setText(city);
    control<QLineEdit>("txtMState")->setText(state);
    control<QLineEdit>("txtMCountry")->setText(country);
    control<QComboBox>("cboYear")->setFocus();
    QTest::mouseClick(control<QPushButton>("cmdBrowser"), Qt::LeftButton);

    if (message.isEmpty()) {
        QVERIFY(messages_.shown.isEmpty());
        QCOMPARE(opener_.opened.size(), 1);
        const QUrl url = opener_.opened.front();
        QCOMPARE(url.scheme(), QStringLiteral("https"));
        QCOMPARE(url.host(), QStringLiteral("www.openstreetmap.org"));
        QCOMPARE(url.path(), QStringLiteral("/search"));
        // Read the address back the way a web server splits a query.
        const QUrlQuery query(url.query(QUrl::FullyEncoded).replace(u'+', QStringLiteral("%20")));
        QCOMPARE(query.queryItems(QUrl::FullyDecoded).size(), 1);
        QCOMPARE(query.queryItemValue(QStringLiteral("query"), QUrl::FullyDecoded), searchText);
        QCOMPARE(control<QLineEdit>("txtMCity")->text(), city);
    } else {
        QVERIFY(opener_.opened.isEmpty());
        QCOMPARE(messages_.shown.size(), 1);
        QCOMPARE(messages_.shown.front().text, message);
        QCOMPARE(messages_.shown.front().icon, MessageIcon::Information);
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    }
}

void frmMainTest::opensTheHelpPages_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("address");

    const auto row = [](const char* entry, const char* address) {
        QTest::newRow(entry) << QString::fromLatin1(entry) << QString::fromLatin1(address);
    };
    row("mnuOnline", "file:///opt/amsaview/guide/index.html");
    row("mnuVisit", "https://example.net/amsaview/");
    row("mnuUpdate", "https://example.net/amsaview/?page=download-web-page");
}

void frmMainTest::opensTheHelpPages() {
    QFETCH(QString, entry);
    QFETCH(QString, address);

    control<QAction>(entry.toLatin1().constData())->trigger();
    QCOMPARE(opener_.opened, QList<QUrl>{QUrl(address)});
    QCOMPARE(opener_.opened.front().toString(QUrl::FullyEncoded), address);
}

void frmMainTest::forwardsItsCommands() {
    QSignalSpy analyze(form_.get(), &frmMain::analyzeRequested);
    QSignalSpy about(form_.get(), &frmMain::aboutRequested);
    QSignalSpy exit(form_.get(), &frmMain::exitRequested);

    QTest::mouseClick(control<QPushButton>("cmdRashi"), Qt::LeftButton);
    control<QAction>("mnuNext")->trigger();
    QCOMPARE(analyze.size(), 2);

    control<QAction>("mnuAbout")->trigger();
    QCOMPARE(about.size(), 1);
    QVERIFY(form_->isVisible());

    control<QAction>("mnuExit")->trigger();
    QCOMPARE(exit.size(), 1);
    QVERIFY(!form_->isVisible());

    form_->show();
    form_->close();
    QCOMPARE(exit.size(), 2);
    QVERIFY(messages_.shown.isEmpty());
    QVERIFY(opener_.opened.isEmpty());
}

void frmMainTest::followsTheReadingOrderWithTab() {
    const QStringList readingOrder = {
        "txtName",    "cboMonth",    "cboDate",  "cboYear",   "cboHH",     "cboMM",
        "cboSS",      "txtLonD",     "txtLonM",  "optLong_0", "optLong_1", "txtLatD",
        "txtLatM",    "optLat_0",    "optLat_1", "txtMCity",  "txtMState", "txtMCountry",
        "cmdBrowser", "cmbTimeZone", "chkDST",   "cmdRashi"};
    QStringList chain;
    QWidget* widget = control<QLineEdit>("txtName");
    do {
        if ((widget->focusPolicy() & Qt::TabFocus) != 0 && !widget->objectName().isEmpty()) {
            chain.append(widget->objectName());
        }
        widget = widget->nextInFocusChain();
    } while (widget->objectName() != QLatin1String("txtName"));
    QCOMPARE(chain, readingOrder);
}

void frmMainTest::fitsASmallScreenAtAFixedSize() {
    QCOMPARE(form_->minimumSize(), form_->maximumSize());
    const QSize size = form_->frameGeometry().size();
    QVERIFY2(size.width() <= 1024 && size.height() <= 740,
             qPrintable(QStringLiteral("%1 x %2").arg(size.width()).arg(size.height())));
}

}  // namespace amsaview

QTEST_MAIN(amsaview::frmMainTest)
#include "frmMainTest.moc"
