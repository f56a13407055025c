#pragma once

#include <QDialog>

#include "pipeline/CalculationOptions.h"
#include "swiss/EphemerisSettings.h"

class QComboBox;

namespace amsaview {

// Chooses where a chart's positions come from, and the year its dasha is
// counted in. The ayanamsa and node lists
// belong to Swiss Ephemeris and stay disabled while the built-in method is
// chosen; they keep their choice for when it is chosen again.
class dlgMethod final : public QDialog {
    Q_OBJECT

  public:
    explicit dlgMethod(const EphemerisSettings& current, const CalculationOptions& options = {},
                       QWidget* parent = nullptr);

    EphemerisSettings chosen() const;
    CalculationOptions chosenOptions() const;

  private:
    void enableSwissOptions();

    EphemerisSettings current_;
    QComboBox* cboEphemeris_ = nullptr;
    QComboBox* cboAyanamsa_ = nullptr;
    QComboBox* cboNode_ = nullptr;
    QComboBox* cboDashaYear_ = nullptr;
};

}  // namespace amsaview
