#include "register/BirthRows.h"

#include <QStringList>
#include <QVariant>

#include "register/ExactClockFields.h"
#include "register/SearchKey.h"

namespace amsaview {
namespace {

// Columns written by BindBirth, in the order of the table.
constexpr const char* kBoundColumns[] = {
    "name",
    "month_row",
    "day_row",
    "year_row",
    "hour_row",
    "minute_row",
    "second_row",
    "lon_degrees",
    "lon_minutes",
    "east",
    "lat_degrees",
    "lat_minutes",
    "south",
    "city",
    "state",
    "country",
    "zone_row",
    "dst",
    "note",
    "zone_name",
    "utc_offset_seconds",
    "offset_description",
    "name_key",
    "search_key",
    "modified",
};

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

QVariant NullableText(const std::optional<std::string>& text) {
    return text ? QVariant(Text(*text)) : QVariant(QMetaType::fromType<QString>());
}

QVariant NullableNumber(const std::optional<int>& number) {
    return number ? QVariant(*number) : QVariant(QMetaType::fromType<int>());
}

std::string ReadText(const QSqlQuery& query, const char* column) {
    return query.value(QLatin1String(column)).toString().toStdString();
}

int ReadNumber(const QSqlQuery& query, const char* column) {
    return query.value(QLatin1String(column)).toInt();
}

std::optional<std::string> ReadNullableText(const QSqlQuery& query, const char* column) {
    const QVariant value = query.value(QLatin1String(column));
    return value.isNull() ? std::nullopt : std::optional(value.toString().toStdString());
}

std::optional<int> ReadNullableNumber(const QSqlQuery& query, const char* column) {
    const QVariant value = query.value(QLatin1String(column));
    return value.isNull() ? std::nullopt : std::optional(value.toInt());
}

}  // namespace

QString BirthColumns() {
    return QStringLiteral("id, created, ") + BoundColumnNames();
}

QString SummaryColumns() {
    return QStringLiteral(
        "id, name, year_row, month_row, day_row, hour_row, minute_row, second_row, "
        "city, state, country");
}

QString BirthAssignments() {
    QStringList assignments;
    for (const char* column : kBoundColumns) {
        assignments.append(QStringLiteral("%1 = :%1").arg(QLatin1String(column)));
    }
    return assignments.join(QStringLiteral(", "));
}

QString BoundColumnNames() {
    QStringList columns;
    for (const char* column : kBoundColumns) {
        columns.append(QLatin1String(column));
    }
    return columns.join(QStringLiteral(", "));
}

QString BoundColumnPlaceholders() {
    QStringList placeholders;
    for (const char* column : kBoundColumns) {
        placeholders.append(QStringLiteral(":%1").arg(QLatin1String(column)));
    }
    return placeholders.join(QStringLiteral(", "));
}

void BindBirth(QSqlQuery& query, const SavedBirth& birth, const QString& modified) {
    const FormInput& form = birth.form;
    const auto bind = [&query](const char* column, const QVariant& value) {
        query.bindValue(QStringLiteral(":%1").arg(QLatin1String(column)), value);
    };
    bind("name", Text(form.name));
    bind("month_row", form.monthRow);
    bind("day_row", form.dayRow);
    bind("year_row", form.yearRow);
    bind("hour_row", form.hourRow);
    bind("minute_row", form.minuteRow);
    bind("second_row", form.secondRow);
    bind("lon_degrees", Text(form.lonDegrees));
    bind("lon_minutes", Text(form.lonMinutes));
    bind("east", form.east);
    bind("lat_degrees", Text(form.latDegrees));
    bind("lat_minutes", Text(form.latMinutes));
    bind("south", form.south);
    bind("city", Text(form.city));
    bind("state", Text(form.state));
    bind("country", Text(form.country));
    bind("zone_row", NullableNumber(form.zoneRow));
    bind("dst", form.dst);
    bind("note", Text(birth.note));
    const ExactClockFields clock = FieldsOf(form.exactClock);
    bind("zone_name", NullableText(clock.zone));
    bind("utc_offset_seconds", NullableNumber(clock.utcOffsetSeconds));
    bind("offset_description", NullableText(clock.description));
    bind("name_key", NameKey(form));
    bind("search_key", SearchKey(form));
    bind("modified", modified);
}

SavedBirth ReadBirth(const QSqlQuery& query) {
    SavedBirth birth;
    birth.id = query.value(QStringLiteral("id")).toLongLong();
    FormInput& form = birth.form;
    form.name = ReadText(query, "name");
    form.monthRow = ReadNumber(query, "month_row");
    form.dayRow = ReadNumber(query, "day_row");
    form.yearRow = ReadNumber(query, "year_row");
    form.hourRow = ReadNumber(query, "hour_row");
    form.minuteRow = ReadNumber(query, "minute_row");
    form.secondRow = ReadNumber(query, "second_row");
    form.lonDegrees = ReadText(query, "lon_degrees");
    form.lonMinutes = ReadText(query, "lon_minutes");
    form.east = ReadNumber(query, "east") != 0;
    form.latDegrees = ReadText(query, "lat_degrees");
    form.latMinutes = ReadText(query, "lat_minutes");
    form.south = ReadNumber(query, "south") != 0;
    form.city = ReadText(query, "city");
    form.state = ReadText(query, "state");
    form.country = ReadText(query, "country");
    form.zoneRow = ReadNullableNumber(query, "zone_row");
    form.dst = ReadNumber(query, "dst") != 0;
    birth.note = ReadText(query, "note");
    form.exactClock = ClockOf({ReadNullableText(query, "zone_name"),
                               ReadNullableNumber(query, "utc_offset_seconds"),
                               ReadNullableText(query, "offset_description")});
    birth.created = ReadText(query, "created");
    birth.modified = ReadText(query, "modified");
    return birth;
}

BirthSummary ReadSummary(const QSqlQuery& query) {
    BirthSummary summary;
    summary.id = query.value(0).toLongLong();
    summary.name = query.value(1).toString().toStdString();
    summary.year = kFirstYear + query.value(2).toInt();
    summary.month = query.value(3).toInt() + 1;
    summary.day = query.value(4).toInt() + 1;
    summary.hour = query.value(5).toInt();
    summary.minute = query.value(6).toInt();
    summary.second = query.value(7).toInt();
    summary.city = query.value(8).toString().toStdString();
    summary.state = query.value(9).toString().toStdString();
    summary.country = query.value(10).toString().toStdString();
    return summary;
}

}  // namespace amsaview
