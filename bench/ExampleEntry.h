#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QWidget>

namespace amsaview::bench {

// Types the README's example birth into the input form.
inline void EnterExampleBirth(QWidget& form) {
    const auto type = [&form](const char* box, const char* text) {
        form.findChild<QLineEdit*>(QLatin1String(box))->setText(QLatin1String(text));
    };
    const auto pick = [&form](const char* list, int row) {
        form.findChild<QComboBox*>(QLatin1String(list))->setCurrentIndex(row);
    };
    type("txtName", "RAM KUMAR");
    pick("cboMonth", 2);
    pick("cboDate", 6);
    pick("cboYear", 74);
    pick("cboHH", 9);
    pick("cboMM", 5);
    type("txtLonD", "77");
    type("txtLonM", "12");
    type("txtLatD", "28");
    type("txtLatM", "36");
    type("txtMCity", "New Delhi");
    type("txtMState", "Delhi");
    type("txtMCountry", "India");
    pick("cmbTimeZone", 34);
}

// The top-level window of that name, once it is on the screen.
inline QWidget* ShownWindow(const char* name) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String(name) && widget->isVisible()) {
            return widget;
        }
    }
    return nullptr;
}

// Notices the first paint of a window's element. Qt paints a whole window in
// one pass, so once the event loop is back from that pass the window is on
// the screen.
class PaintWatch final : public QObject {
  public:
    explicit PaintWatch(const char* element) : element_(QLatin1String(element)) {
        QCoreApplication::instance()->installEventFilter(this);
    }

    bool painted() const { return painted_; }
    void reset() { painted_ = false; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->objectName() == element_) {
            painted_ = true;
        }
        return false;
    }

  private:
    QString element_;
    bool painted_ = false;
};

}  // namespace amsaview::bench
