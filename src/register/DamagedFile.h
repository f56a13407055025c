#pragma once

#include <QDate>
#include <QString>

#include "register/RegisterResult.h"

namespace amsaview {

// Renames a damaged register, with its write-ahead log and shared-memory
// files, to "<path>.damaged-<date>" (then "-2", "-3", ...), so that nothing
// is deleted or overwritten. Returns the new name of the main file.
RegisterResult<QString> MoveAside(const QString& path, const QDate& date);

}  // namespace amsaview
