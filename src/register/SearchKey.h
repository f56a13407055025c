#pragma once

#include <QString>
#include <QStringList>

#include "model/FormInput.h"

namespace amsaview {

// Text compared without regard to case or to how accents were composed.
QString FoldedForSearch(const QString& text);

// The name as the list sorts it.
QString NameKey(const FormInput& form);

// Everything a filter looks in: name, city, state, country and the year,
// folded, one per line so that no word spans two of them.
QString SearchKey(const FormInput& form);

// The folded words a filter text asks for; every one must be found.
QStringList FilterWords(const QString& filter);

}  // namespace amsaview
