#include "ui/settings/dlgChartStyle.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "qtcommon/QtText.h"

namespace amsaview {

dlgChartStyle::dlgChartStyle(const ChartLook& current, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("dlgChartStyle"));
    setWindowTitle(QStringLiteral("Chart Style"));

    auto* styleBox = new QGroupBox(QStringLiteral("Style"), this);
    auto* styleColumn = new QVBoxLayout(styleBox);
    for (std::size_t index = 0; index < kChartStyles.size(); ++index) {
        const ChartStyle style = kChartStyles[index];
        // "&South Indian": each style's first letter reaches it from the keyboard.
        auto* button = new QRadioButton(QLatin1Char('&') + StyleName(style), styleBox);
        button->setObjectName(QStringLiteral("optStyle_") + ToQString(StyleKey(style)));
        button->setChecked(style == current.style);
        styleColumn->addWidget(button);
        styles_[index] = button;
    }

    degrees_ = new QCheckBox(QStringLiteral("&Degrees in the boxes"), this);
    degrees_->setObjectName(QStringLiteral("chkDegrees"));
    degrees_->setChecked(current.degreesInBoxes);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* column = new QVBoxLayout(this);
    column->addWidget(styleBox);
    column->addWidget(degrees_);
    column->addWidget(buttons);
    column->setSizeConstraint(QLayout::SetFixedSize);
}

ChartLook dlgChartStyle::chosen() const {
    ChartLook look;
    for (std::size_t index = 0; index < styles_.size(); ++index) {
        if (styles_[index]->isChecked()) {
            look.style = kChartStyles[index];
        }
    }
    look.degreesInBoxes = degrees_->isChecked();
    return look;
}

}  // namespace amsaview
