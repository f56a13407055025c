#include "register/RegisterSchema.h"

#include <QSqlQuery>
#include <QVariant>
#include <vector>

#include "register/SearchKey.h"
#include "register/SqlSteps.h"

namespace amsaview {
namespace {

// Version 1: the form's fields and the times.
std::optional<QSqlError> CreateBirthsTable(QSqlDatabase& database) {
    return Execute(database, QStringLiteral(R"(
        CREATE TABLE births (
            id INTEGER PRIMARY KEY,
            name TEXT NOT NULL,
            month_row INTEGER NOT NULL,
            day_row INTEGER NOT NULL,
            year_row INTEGER NOT NULL,
            hour_row INTEGER NOT NULL,
            minute_row INTEGER NOT NULL,
            second_row INTEGER NOT NULL,
            lon_degrees TEXT NOT NULL,
            lon_minutes TEXT NOT NULL,
            east INTEGER NOT NULL,
            lat_degrees TEXT NOT NULL,
            lat_minutes TEXT NOT NULL,
            south INTEGER NOT NULL,
            city TEXT NOT NULL,
            state TEXT NOT NULL,
            country TEXT NOT NULL,
            zone_row INTEGER,
            dst INTEGER NOT NULL,
            created TEXT NOT NULL,
            modified TEXT NOT NULL
        ))"));
}

// The search keys need Qt's case folding, which SQL lacks.
std::optional<QSqlError> FillKeys(QSqlDatabase& database) {
    struct Keys {
        qlonglong id;
        QString name;
        QString search;
    };
    std::vector<Keys> keys;
    {
        QSqlQuery rows(database);
        rows.setForwardOnly(true);
        if (!rows.exec(
                QStringLiteral("SELECT id, name, city, state, country, year_row FROM births"))) {
            return rows.lastError();
        }
        while (rows.next()) {
            FormInput form;
            form.name = rows.value(1).toString().toStdString();
            form.city = rows.value(2).toString().toStdString();
            form.state = rows.value(3).toString().toStdString();
            form.country = rows.value(4).toString().toStdString();
            form.yearRow = rows.value(5).toInt();
            keys.push_back({rows.value(0).toLongLong(), NameKey(form), SearchKey(form)});
        }
    }
    QSqlQuery update(database);
    update.prepare(
        QStringLiteral("UPDATE births SET name_key = :name, search_key = :search WHERE id = :id"));
    for (const Keys& row : keys) {
        update.bindValue(QStringLiteral(":name"), row.name);
        update.bindValue(QStringLiteral(":search"), row.search);
        update.bindValue(QStringLiteral(":id"), row.id);
        if (auto error = Execute(update)) {
            return error;
        }
    }
    return std::nullopt;
}

// Version 2: the note, the place's zone and exact offset, the recent births
// and the keys the list sorts and filters by.
std::optional<QSqlError> AddNoteZoneAndKeys(QSqlDatabase& database) {
    const char* const kStatements[] = {
        "ALTER TABLE births ADD COLUMN note TEXT NOT NULL DEFAULT ''",
        "ALTER TABLE births ADD COLUMN zone_name TEXT",
        "ALTER TABLE births ADD COLUMN utc_offset_seconds INTEGER",
        "ALTER TABLE births ADD COLUMN offset_description TEXT",
        "ALTER TABLE births ADD COLUMN last_opened INTEGER",
        "ALTER TABLE births ADD COLUMN name_key TEXT NOT NULL DEFAULT ''",
        "ALTER TABLE births ADD COLUMN search_key TEXT NOT NULL DEFAULT ''",
    };
    for (const char* statement : kStatements) {
        if (auto error = Execute(database, QLatin1String(statement))) {
            return error;
        }
    }
    if (auto error = FillKeys(database)) {
        return error;
    }
    for (const char* statement : {
             "CREATE INDEX births_by_name ON births (name_key, id)",
             "CREATE INDEX births_by_last_opened ON births (last_opened) "
             "WHERE last_opened IS NOT NULL",
         }) {
        if (auto error = Execute(database, QLatin1String(statement))) {
            return error;
        }
    }
    return std::nullopt;
}

// Version 3: the date, time and coordinates as birth files write them
// ("1975-03-07", "09:05:30", "77E12", "28N36") in place of the form's rows.
// SQLite cannot change columns in place, so the table is copied.
std::optional<QSqlError> KeepCalendarTexts(QSqlDatabase& database) {
    const char* const kStatements[] = {
        R"(CREATE TABLE births_by_date (
            id INTEGER PRIMARY KEY,
            name TEXT NOT NULL,
            birth_date TEXT NOT NULL,
            birth_time TEXT NOT NULL,
            lon TEXT NOT NULL,
            lat TEXT NOT NULL,
            city TEXT NOT NULL,
            state TEXT NOT NULL,
            country TEXT NOT NULL,
            zone_row INTEGER,
            dst INTEGER NOT NULL,
            zone_name TEXT,
            utc_offset_seconds INTEGER,
            offset_description TEXT,
            note TEXT NOT NULL DEFAULT '',
            last_opened INTEGER,
            name_key TEXT NOT NULL DEFAULT '',
            search_key TEXT NOT NULL DEFAULT '',
            created TEXT NOT NULL,
            modified TEXT NOT NULL
        ))",
        R"(INSERT INTO births_by_date
           SELECT id, name,
                  printf('%04d-%02d-%02d', 1901 + year_row, month_row + 1, day_row + 1),
                  printf('%02d:%02d:%02d', hour_row, minute_row, second_row),
                  lon_degrees || CASE WHEN east THEN 'E' ELSE 'W' END || lon_minutes,
                  lat_degrees || CASE WHEN south THEN 'S' ELSE 'N' END || lat_minutes,
                  city, state, country, zone_row, dst, zone_name, utc_offset_seconds,
                  offset_description, note, last_opened, name_key, search_key, created, modified
           FROM births)",
        "DROP TABLE births",
        "ALTER TABLE births_by_date RENAME TO births",
        "CREATE INDEX births_by_name ON births (name_key, id)",
        "CREATE INDEX births_by_last_opened ON births (last_opened) WHERE last_opened IS NOT NULL",
    };
    for (const char* statement : kStatements) {
        if (auto error = Execute(database, QLatin1String(statement))) {
            return error;
        }
    }
    return std::nullopt;
}

using MigrationStep = std::optional<QSqlError> (*)(QSqlDatabase&);

// Step i turns a version-i file into a version-(i+1) file.
constexpr MigrationStep kSteps[] = {CreateBirthsTable, AddNoteZoneAndKeys, KeepCalendarTexts};
static_assert(std::size(kSteps) == kRegisterVersion);

RegisterError SchemaError(const QString& what, const QSqlError& error) {
    return RegisterError{QStringLiteral("%1: %2").arg(what, SqlMessage(error))};
}

}  // namespace

RegisterResult<int> RegisterVersion(QSqlDatabase& database) {
    QSqlQuery query(database);
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next()) {
        return SchemaError(QStringLiteral("cannot read the layout version"), query.lastError());
    }
    return query.value(0).toInt();
}

RegisterStatus MigrateRegister(QSqlDatabase& database, int target) {
    for (;;) {
        const auto version = RegisterVersion(database);
        if (!version) {
            return RegisterError{version.error()};
        }
        if (version.value() >= target) {
            return Done{};
        }
        if (version.value() < 0) {
            return RegisterError{QStringLiteral("unknown layout version %1").arg(version.value())};
        }
        const QString step = QStringLiteral("cannot upgrade from layout %1 to %2")
                                 .arg(version.value())
                                 .arg(version.value() + 1);
        WriteTransaction transaction(database);
        std::optional<QSqlError> error = transaction.begin();
        if (!error) {
            error = kSteps[version.value()](database);
        }
        if (!error) {
            // A pragma takes no bound values; the number is ours.
            error = Execute(database,
                            QStringLiteral("PRAGMA user_version = %1").arg(version.value() + 1));
        }
        if (!error) {
            error = transaction.commit();
        }
        if (error) {
            return SchemaError(step, *error);
        }
    }
}

}  // namespace amsaview
