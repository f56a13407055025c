#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <optional>

namespace amsaview {

// SQLite's own words for an error, without Qt's generic suffix.
QString SqlMessage(const QSqlError& error);

// The file is not a database or its pages are broken, as opposed to being
// out of reach (permissions, a full disk, a lock).
bool IsDamage(const QSqlError& error);

// Runs a statement without bound values; empty when it succeeded.
std::optional<QSqlError> Execute(QSqlDatabase& database, const QString& sql);

// Runs a prepared, bound query; empty when it succeeded.
std::optional<QSqlError> Execute(QSqlQuery& query);

// One write transaction; rolled back unless committed.
class WriteTransaction {
  public:
    explicit WriteTransaction(QSqlDatabase& database) : database_(database) {}
    ~WriteTransaction();
    WriteTransaction(const WriteTransaction&) = delete;
    WriteTransaction& operator=(const WriteTransaction&) = delete;

    std::optional<QSqlError> begin();
    std::optional<QSqlError> commit();

  private:
    QSqlDatabase& database_;
    bool open_ = false;
};

}  // namespace amsaview
