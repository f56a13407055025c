#pragma once

#include <QDate>
#include <QString>

#include "register/RegisterResult.h"

namespace amsaview {

// A file with something in it but not SQLite's header. SQLite would delete
// its write-ahead log on opening it, so this is judged before SQLite sees it.
// An empty file is an empty database; one that cannot be read is not judged.
bool LacksDatabaseHeader(const QString& path);

// Renames a damaged register, with its write-ahead log and shared-memory
// files, to "<path>.damaged-<date>" (then "-2", "-3", ...), so that nothing
// is deleted or overwritten. Returns the new name of the main file.
RegisterResult<QString> MoveAside(const QString& path, const QDate& date);

}  // namespace amsaview
