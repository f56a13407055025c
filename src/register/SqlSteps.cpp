#include "register/SqlSteps.h"

namespace amsaview {
namespace {

// Primary result codes; Qt reports the extended ones, whose low byte is these.
constexpr int kSqliteCorrupt = 11;
constexpr int kSqliteNotADatabase = 26;
constexpr int kPrimaryCodeMask = 0xff;

}  // namespace

QString SqlMessage(const QSqlError& error) {
    return error.databaseText().isEmpty() ? error.text() : error.databaseText();
}

bool IsDamage(const QSqlError& error) {
    bool isNumber = false;
    const int code = error.nativeErrorCode().toInt(&isNumber) & kPrimaryCodeMask;
    return isNumber && (code == kSqliteCorrupt || code == kSqliteNotADatabase);
}

std::optional<QSqlError> Execute(QSqlDatabase& database, const QString& sql) {
    QSqlQuery query(database);
    if (!query.exec(sql)) {
        return query.lastError();
    }
    return std::nullopt;
}

std::optional<QSqlError> Execute(QSqlQuery& query) {
    if (!query.exec()) {
        return query.lastError();
    }
    return std::nullopt;
}

WriteTransaction::~WriteTransaction() {
    if (open_) {
        Execute(database_, QStringLiteral("ROLLBACK"));
    }
}

std::optional<QSqlError> WriteTransaction::begin() {
    // IMMEDIATE takes the write lock now, so a busy file fails before any work.
    auto error = Execute(database_, QStringLiteral("BEGIN IMMEDIATE"));
    open_ = !error;
    return error;
}

std::optional<QSqlError> WriteTransaction::commit() {
    auto error = Execute(database_, QStringLiteral("COMMIT"));
    if (!error) {
        open_ = false;
    }
    return error;
}

}  // namespace amsaview
