#pragma once

#include "swiss/EphemerisSettings.h"

class QSettings;

namespace amsaview {

// The chart method kept between runs, by its command-line keys. A key the
// program does not know (a hand-edited file, a later version) reads as the
// default, never as a failure.
EphemerisSettings ReadMethodSettings(const QSettings& store);
void WriteMethodSettings(QSettings& store, const EphemerisSettings& method);

}  // namespace amsaview
