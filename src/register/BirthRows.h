#pragma once

#include <QSqlQuery>
#include <QString>

#include "register/SavedBirth.h"

namespace amsaview {

// The columns of births that hold a SavedBirth, for SELECT lists.
QString BirthColumns();
// The columns of a summary row, for SELECT lists.
QString SummaryColumns();

// "column = :column, ..." for every column BindBirth fills.
QString BirthAssignments();
// "column, ..." and ":column, ..." for every column BindBirth fills.
QString BoundColumnNames();
QString BoundColumnPlaceholders();

// Binds every value of the birth, its sort and search keys, and the given
// modification time (the id and created time are the caller's).
void BindBirth(QSqlQuery& query, const SavedBirth& birth, const QString& modified);

// Reads a row selected with BirthColumns() / SummaryColumns().
SavedBirth ReadBirth(const QSqlQuery& query);
BirthSummary ReadSummary(const QSqlQuery& query);

}  // namespace amsaview
