#include "register/Register.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>
#include <algorithm>
#include <string>
#include <unordered_map>

#include "register/BirthRows.h"
#include "register/DamagedFile.h"
#include "register/RegisterSchema.h"
#include "register/SearchKey.h"
#include "register/SqlSteps.h"

namespace amsaview {
namespace {

const QString kDriver = QStringLiteral("QSQLITE");

QString NewConnectionName() {
    static QAtomicInt counter;
    return QStringLiteral("amsaview-register-%1").arg(counter.fetchAndAddRelaxed(1));
}

// The next place in the recent births, as an SQL expression.
const QString kNextOpening =
    QStringLiteral("(SELECT coalesce(max(last_opened), 0) + 1 FROM births)");

struct Attempt {
    enum class Outcome { Opened, Damaged, Failed } outcome;
    QString detail;  // SQLite's words when not opened
};

Attempt Failed(const QSqlError& error) {
    return {IsDamage(error) ? Attempt::Outcome::Damaged : Attempt::Outcome::Failed,
            SqlMessage(error)};
}

// The first fault SQLite's own check finds in the file's pages, if any.
std::optional<Attempt> CheckPages(QSqlDatabase& database) {
    QSqlQuery check(database);
    if (!check.exec(QStringLiteral("PRAGMA integrity_check(1)")) || !check.next()) {
        return Failed(check.lastError());
    }
    const QString verdict = check.value(0).toString();
    if (verdict == QLatin1String("ok")) {
        return std::nullopt;
    }
    return Attempt{Attempt::Outcome::Damaged, verdict};
}

// Opens, checks, upgrades and proves the file writable; the connection stays
// registered under `connection` whatever the outcome.
Attempt AttemptOpen(const QString& connection, const QString& path) {
    QSqlDatabase database = QSqlDatabase::addDatabase(kDriver, connection);
    database.setDatabaseName(path);
    database.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    if (!database.open()) {
        return Failed(database.lastError());
    }
    // Nothing is written before the file is known sound and not too new.
    if (auto fault = CheckPages(database)) {
        return *fault;
    }
    const auto version = RegisterVersion(database);
    if (!version) {
        return {Attempt::Outcome::Failed, version.error()};
    }
    if (version.value() > kRegisterVersion) {
        return {Attempt::Outcome::Failed,
                QStringLiteral("it was written by a newer Amsaview (layout %1; this one reads up "
                               "to %2)")
                    .arg(version.value())
                    .arg(kRegisterVersion)};
    }
    if (version.value() < 0) {
        return {Attempt::Outcome::Failed,
                QStringLiteral("unknown layout version %1").arg(version.value())};
    }
    // A committed save survives a crash of the program and a power cut alike.
    for (const char* pragma : {"PRAGMA journal_mode = WAL", "PRAGMA synchronous = FULL"}) {
        if (auto error = Execute(database, QLatin1String(pragma))) {
            return Failed(*error);
        }
    }
    if (const auto migrated = MigrateRegister(database); !migrated) {
        return {Attempt::Outcome::Failed, migrated.error()};
    }
    // A read-only file opens without complaint; find out now rather than at
    // the first save.
    WriteTransaction probe(database);
    std::optional<QSqlError> error = probe.begin();
    if (!error) {
        error = Execute(database, QStringLiteral("PRAGMA user_version = %1").arg(kRegisterVersion));
    }
    if (!error) {
        error = probe.commit();
    }
    if (error) {
        return Failed(*error);
    }
    return {Attempt::Outcome::Opened, {}};
}

void CloseConnection(const QString& connection) {
    {
        QSqlDatabase database = QSqlDatabase::database(connection, false);
        database.close();
    }
    QSqlDatabase::removeDatabase(connection);
}

}  // namespace

QString OpenReport::message() const {
    if (!startedFresh()) {
        return {};
    }
    return QStringLiteral(
               "The register of births was damaged. It was kept as %1 and a new, empty register "
               "was started.")
        .arg(QDir::toNativeSeparators(movedAsideTo));
}

Register::Register(Clock utcNow) : utcNow_(std::move(utcNow)) {}

Register::~Register() {
    close();
}

// Named after the program alone: the organisation name, set for the settings,
// must not move the register away from where earlier versions kept it.
QString Register::DefaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + u'/' +
           QCoreApplication::applicationName() + QStringLiteral("/births.sqlite");
}

void Register::close() {
    if (!connectionName_.isEmpty()) {
        CloseConnection(connectionName_);
        connectionName_.clear();
    }
    path_.clear();
}

bool Register::isOpen() const {
    return !connectionName_.isEmpty();
}

RegisterError Register::notOpen() const {
    return RegisterError{QStringLiteral("The register of births is not open.")};
}

RegisterError Register::failure(const QString& action, const QString& detail) const {
    return RegisterError{QStringLiteral("Could not %1 in the register %2: %3")
                             .arg(action, QDir::toNativeSeparators(path_), detail)};
}

RegisterResult<OpenReport> Register::open(const QString& path) {
    close();
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const auto cannotOpen = [&absolute](const QString& detail) {
        return RegisterError{QStringLiteral("The register %1 cannot be opened: %2")
                                 .arg(QDir::toNativeSeparators(absolute), detail)};
    };
    const QString folder = QFileInfo(absolute).absolutePath();
    if (!QDir().mkpath(folder)) {
        return cannotOpen(QStringLiteral("its folder %1 cannot be created")
                              .arg(QDir::toNativeSeparators(folder)));
    }

    // SQLite opens a read-only file without complaint, then leaves a
    // read-only -shm file behind that goes on refusing writes once the file
    // is writable again; name the file in the way and touch nothing.
    for (const char* suffix : {"", "-wal", "-shm"}) {
        const QFileInfo file(absolute + QLatin1String(suffix));
        if (file.exists() && !file.isWritable()) {
            return cannotOpen(QStringLiteral("%1 is read-only")
                                  .arg(QDir::toNativeSeparators(file.absoluteFilePath())));
        }
    }

    OpenReport report;
    QString connection = NewConnectionName();
    Attempt attempt = LacksDatabaseHeader(absolute)
                          ? Attempt{Attempt::Outcome::Damaged, QStringLiteral("not a database")}
                          : AttemptOpen(connection, absolute);
    if (attempt.outcome == Attempt::Outcome::Damaged) {
        CloseConnection(connection);
        const auto aside = MoveAside(absolute, utcNow_().date());
        if (!aside) {
            return cannotOpen(aside.error());
        }
        report.movedAsideTo = aside.value();
        connection = NewConnectionName();
        attempt = AttemptOpen(connection, absolute);
    }
    if (attempt.outcome != Attempt::Outcome::Opened) {
        CloseConnection(connection);
        if (report.startedFresh()) {
            return cannotOpen(
                attempt.detail +
                QStringLiteral(" (the damaged file was kept as %1)").arg(report.movedAsideTo));
        }
        return cannotOpen(attempt.detail);
    }
    connectionName_ = connection;
    path_ = absolute;
    return report;
}

RegisterResult<BirthId> Register::saveNew(const SavedBirth& birth) {
    auto stored = insertNew({birth}, true);
    if (!stored) {
        return RegisterError{stored.error()};
    }
    return stored.value().ids.front();
}

RegisterResult<ImportCount> Register::importNew(const std::vector<SavedBirth>& births) {
    return insertNew(births, false);
}

RegisterResult<ImportCount> Register::insertNew(const std::vector<SavedBirth>& births,
                                                bool opened) {
    if (!isOpen()) {
        return notOpen();
    }
    const QString action =
        births.size() == 1 ? QStringLiteral("save the birth") : QStringLiteral("save the births");
    QSqlDatabase database = QSqlDatabase::database(connectionName_, false);
    const QString now = utcNow_().toString(Qt::ISODateWithMs);
    WriteTransaction transaction(database);
    if (auto error = transaction.begin()) {
        return failure(action, SqlMessage(*error));
    }
    // Read inside the transaction, so no other writer slips a copy in between;
    // by name, so that an import does not compare every pair.
    std::unordered_map<std::string, std::vector<FormInput>> kept;
    const auto isKept = [&kept](const FormInput& form) {
        const auto sameName = kept.find(form.name);
        return sameName != kept.end() && std::find(sameName->second.begin(), sameName->second.end(),
                                                   form) != sameName->second.end();
    };
    if (!opened) {
        QSqlQuery saved(database);
        saved.setForwardOnly(true);
        if (!saved.exec(QStringLiteral("SELECT %1 FROM births").arg(BirthColumns()))) {
            return failure(action, SqlMessage(saved.lastError()));
        }
        while (saved.next()) {
            FormInput form = ReadBirth(saved).form;
            kept[form.name].push_back(std::move(form));
        }
    }
    ImportCount count;
    count.ids.reserve(births.size());
    {
        QSqlQuery insert(database);
        insert.prepare(
            QStringLiteral(
                "INSERT INTO births (%1, created, last_opened) VALUES (%2, :created, %3)")
                .arg(BoundColumnNames(), BoundColumnPlaceholders(),
                     opened ? kNextOpening : QStringLiteral("NULL")));
        for (const SavedBirth& birth : births) {
            if (!opened && isKept(birth.form)) {
                ++count.alreadySaved;
                continue;
            }
            BindBirth(insert, birth, now);
            insert.bindValue(QStringLiteral(":created"), now);
            if (auto error = Execute(insert)) {
                return failure(action, SqlMessage(*error));
            }
            count.ids.push_back(insert.lastInsertId().toLongLong());
            if (!opened) {
                kept[birth.form.name].push_back(birth.form);
            }
        }
    }
    if (auto error = transaction.commit()) {
        return failure(action, SqlMessage(*error));
    }
    return count;
}

RegisterStatus Register::update(BirthId id, const SavedBirth& birth) {
    const QString modified = utcNow_().toString(Qt::ISODateWithMs);
    return changeOne(id, QStringLiteral("update the birth"),
                     QStringLiteral("UPDATE births SET %1, last_opened = %2 WHERE id = :id")
                         .arg(BirthAssignments(), kNextOpening),
                     [&](QSqlQuery& query) { BindBirth(query, birth, modified); });
}

RegisterStatus Register::changeOne(BirthId id, const QString& action, const QString& sql,
                                   const std::function<void(QSqlQuery&)>& bindMore) {
    if (!isOpen()) {
        return notOpen();
    }
    QSqlDatabase database = QSqlDatabase::database(connectionName_, false);
    WriteTransaction transaction(database);
    if (auto error = transaction.begin()) {
        return failure(action, SqlMessage(*error));
    }
    {
        QSqlQuery query(database);
        query.prepare(sql);
        if (bindMore) {
            bindMore(query);
        }
        query.bindValue(QStringLiteral(":id"), QVariant::fromValue(id));
        if (auto error = Execute(query)) {
            return failure(action, SqlMessage(*error));
        }
        if (query.numRowsAffected() != 1) {
            return failure(action, QStringLiteral("no birth has the number %1").arg(id));
        }
    }
    if (auto error = transaction.commit()) {
        return failure(action, SqlMessage(*error));
    }
    return Done{};
}

RegisterStatus Register::remove(BirthId id) {
    return changeOne(id, QStringLiteral("delete the birth"),
                     QStringLiteral("DELETE FROM births WHERE id = :id"));
}

RegisterStatus Register::removeAll(const std::vector<BirthId>& ids) {
    if (!isOpen()) {
        return notOpen();
    }
    const QString action = QStringLiteral("delete the births");
    QSqlDatabase database = QSqlDatabase::database(connectionName_, false);
    WriteTransaction transaction(database);
    if (auto error = transaction.begin()) {
        return failure(action, SqlMessage(*error));
    }
    {
        QSqlQuery remove(database);
        remove.prepare(QStringLiteral("DELETE FROM births WHERE id = :id"));
        for (const BirthId id : ids) {
            remove.bindValue(QStringLiteral(":id"), QVariant::fromValue(id));
            if (auto error = Execute(remove)) {
                return failure(action, SqlMessage(*error));
            }
            if (remove.numRowsAffected() != 1) {
                return failure(action, QStringLiteral("no birth has the number %1").arg(id));
            }
        }
    }
    if (auto error = transaction.commit()) {
        return failure(action, SqlMessage(*error));
    }
    return Done{};
}

RegisterStatus Register::markOpened(BirthId id) {
    return changeOne(
        id, QStringLiteral("note the birth as opened"),
        QStringLiteral("UPDATE births SET last_opened = %1 WHERE id = :id").arg(kNextOpening));
}

RegisterResult<SavedBirth> Register::load(BirthId id) const {
    if (!isOpen()) {
        return notOpen();
    }
    const QString action = QStringLiteral("read the birth");
    QSqlQuery query(QSqlDatabase::database(connectionName_, false));
    query.prepare(QStringLiteral("SELECT %1 FROM births WHERE id = :id").arg(BirthColumns()));
    query.bindValue(QStringLiteral(":id"), QVariant::fromValue(id));
    if (auto error = Execute(query)) {
        return failure(action, SqlMessage(*error));
    }
    if (!query.next()) {
        return failure(action, QStringLiteral("no birth has the number %1").arg(id));
    }
    return ReadBirth(query);
}

RegisterResult<std::vector<SavedBirth>> Register::loadAll() const {
    if (!isOpen()) {
        return notOpen();
    }
    QSqlQuery query(QSqlDatabase::database(connectionName_, false));
    query.setForwardOnly(true);
    if (!query.exec(
            QStringLiteral("SELECT %1 FROM births ORDER BY name_key, id").arg(BirthColumns()))) {
        return failure(QStringLiteral("read the births"), SqlMessage(query.lastError()));
    }
    std::vector<SavedBirth> births;
    while (query.next()) {
        births.push_back(ReadBirth(query));
    }
    return births;
}

RegisterResult<std::vector<BirthSummary>> Register::summaries(const QString& condition,
                                                              const QStringList& values,
                                                              const QString& order) const {
    if (!isOpen()) {
        return notOpen();
    }
    QSqlQuery query(QSqlDatabase::database(connectionName_, false));
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT %1 FROM births %2 ORDER BY %3")
                      .arg(SummaryColumns(), condition, order));
    for (qsizetype i = 0; i < values.size(); ++i) {
        query.bindValue(static_cast<int>(i), values[i]);
    }
    if (auto error = Execute(query)) {
        return failure(QStringLiteral("list the births"), SqlMessage(*error));
    }
    std::vector<BirthSummary> rows;
    while (query.next()) {
        rows.push_back(ReadSummary(query));
    }
    return rows;
}

RegisterResult<std::vector<BirthSummary>> Register::search(const QString& filter) const {
    const QStringList words = FilterWords(filter);
    QStringList conditions;
    for (qsizetype i = 0; i < words.size(); ++i) {
        conditions.append(QStringLiteral("instr(search_key, ?) > 0"));
    }
    const QString where = words.isEmpty()
                              ? QString()
                              : QStringLiteral("WHERE ") + conditions.join(QStringLiteral(" AND "));
    return summaries(where, words, QStringLiteral("name_key, id"));
}

RegisterResult<std::vector<BirthSummary>> Register::recent(int limit) const {
    return summaries(QStringLiteral("WHERE last_opened IS NOT NULL"), {},
                     QStringLiteral("last_opened DESC LIMIT %1").arg(std::max(limit, 0)));
}

RegisterResult<int> Register::count() const {
    if (!isOpen()) {
        return notOpen();
    }
    QSqlQuery query(QSqlDatabase::database(connectionName_, false));
    if (!query.exec(QStringLiteral("SELECT count(*) FROM births")) || !query.next()) {
        return failure(QStringLiteral("count the births"), SqlMessage(query.lastError()));
    }
    return query.value(0).toInt();
}

}  // namespace amsaview
