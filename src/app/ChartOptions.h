#pragma once

#include <QString>
#include <QStringList>
#include <variant>

#include "model/FormInput.h"

namespace amsaview {

// The form input described by the command line, or the one line that says
// what is wrong with it.
std::variant<FormInput, QString> ParseChartOptions(const QStringList& arguments);

}  // namespace amsaview
