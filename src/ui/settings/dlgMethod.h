#pragma once

#include <QDialog>

#include "swiss/EphemerisSettings.h"

class QComboBox;

namespace amsaview {

// Chooses where a chart's positions come from. The ayanamsa and node lists
// belong to Swiss Ephemeris and stay disabled while the built-in method is
// chosen; they keep their choice for when it is chosen again.
class dlgMethod final : public QDialog {
    Q_OBJECT

  public:
    explicit dlgMethod(const EphemerisSettings& current, QWidget* parent = nullptr);

    EphemerisSettings chosen() const;

  private:
    void enableSwissOptions();

    EphemerisSettings current_;
    QComboBox* cboEphemeris_ = nullptr;
    QComboBox* cboAyanamsa_ = nullptr;
    QComboBox* cboNode_ = nullptr;
};

}  // namespace amsaview
