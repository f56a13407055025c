#include "ui/settings/dlgMethod.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QVBoxLayout>

#include "pipeline/ChartDasha.h"
#include "qtcommon/QtText.h"

namespace amsaview {
namespace {

template <typename Value, std::size_t N>
QComboBox* ListOf(QWidget& parent, const char* objectName, const std::array<Value, N>& values,
                  Value current) {
    auto* list = new QComboBox(&parent);
    list->setObjectName(QLatin1String(objectName));
    for (const Value value : values) {
        list->addItem(ToQString(DisplayName(value)));
        if (value == current) {
            list->setCurrentIndex(list->count() - 1);
        }
    }
    return list;
}

template <typename Value, std::size_t N>
Value ChosenOf(const QComboBox& list, const std::array<Value, N>& values) {
    return values[static_cast<std::size_t>(list.currentIndex())];
}

}  // namespace

dlgMethod::dlgMethod(const EphemerisSettings& current, const CalculationOptions& options,
                     QWidget* parent)
    : QDialog(parent), current_(current) {
    setObjectName(QStringLiteral("dlgMethod"));
    setWindowTitle(QStringLiteral("Chart Method"));

    cboEphemeris_ = ListOf(*this, "cboEphemeris", kEphemerisKinds, current.kind);
    cboAyanamsa_ = ListOf(*this, "cboAyanamsa", kAyanamsaModes, current.ayanamsa);
    cboNode_ = ListOf(*this, "cboNode", kLunarNodes, current.node);
    cboDashaYear_ = new QComboBox(this);
    cboDashaYear_->setObjectName(QStringLiteral("cboDashaYear"));
    for (const DashaYearChoice& choice : kDashaYearChoices) {
        cboDashaYear_->addItem(ToQString(DashaYearText(DashaYear{choice.kind})));
        if (choice.kind == options.dashaYear.kind) {
            cboDashaYear_->setCurrentIndex(cboDashaYear_->count() - 1);
        }
    }

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("&Positions from:"), cboEphemeris_);
    fields->addRow(QStringLiteral("&Ayanamsa:"), cboAyanamsa_);
    fields->addRow(QStringLiteral("Lunar &node (Rahu):"), cboNode_);
    fields->addRow(QStringLiteral("&Dasha year:"), cboDashaYear_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* column = new QVBoxLayout(this);
    column->addLayout(fields);
    column->addWidget(buttons);
    column->setSizeConstraint(QLayout::SetFixedSize);

    connect(cboEphemeris_, &QComboBox::currentIndexChanged, this, &dlgMethod::enableSwissOptions);
    enableSwissOptions();
}

EphemerisSettings dlgMethod::chosen() const {
    EphemerisSettings method = current_;
    method.kind = ChosenOf(*cboEphemeris_, kEphemerisKinds);
    method.ayanamsa = ChosenOf(*cboAyanamsa_, kAyanamsaModes);
    method.node = ChosenOf(*cboNode_, kLunarNodes);
    return method;
}

CalculationOptions dlgMethod::chosenOptions() const {
    CalculationOptions options;
    options.dashaYear.kind =
        kDashaYearChoices[static_cast<std::size_t>(cboDashaYear_->currentIndex())].kind;
    return options;
}

void dlgMethod::enableSwissOptions() {
    const bool swiss = ChosenOf(*cboEphemeris_, kEphemerisKinds) == EphemerisKind::Swiss;
    cboAyanamsa_->setEnabled(swiss);
    cboNode_->setEnabled(swiss);
}

}  // namespace amsaview
