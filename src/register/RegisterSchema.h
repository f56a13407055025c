#pragma once

#include <QSqlDatabase>

#include "register/RegisterResult.h"

namespace amsaview {

// The layout this program writes, kept in PRAGMA user_version.
inline constexpr int kRegisterVersion = 3;

// The layout version of an open register file; 0 for an empty file.
RegisterResult<int> RegisterVersion(QSqlDatabase& database);

// Brings the file from its version up to `target`, one transaction per
// version step, so an interrupted upgrade leaves a file of some whole version.
RegisterStatus MigrateRegister(QSqlDatabase& database, int target = kRegisterVersion);

}  // namespace amsaview
