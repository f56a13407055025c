#include "register/BirthRows.h"

#include <QStringList>
#include <QVariant>

#include "register/BirthFileText.h"
#include "register/ExactClockFields.h"
#include "register/SearchKey.h"

namespace amsaview {
namespace {

// Columns written by BindBirth, in the order of the table.
constexpr const char* kBoundColumns[] = {
    "name",
    "birth_date",
    "birth_time",
    "lon",
    "lat",
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
    return QStringLiteral("id, name, birth_date, birth_time, city, state, country");
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
    bind("birth_date", Text(DateText(form)));
    bind("birth_time", Text(TimeText(form)));
    bind("lon", Text(LongitudeText(form)));
    bind("lat", Text(LatitudeText(form)));
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
    // The register writes these texts itself; a row altered by another
    // program to something else keeps the form's defaults.
    ReadDateText(ReadText(query, "birth_date"), form);
    ReadTimeText(ReadText(query, "birth_time"), form);
    ReadLongitudeText(ReadText(query, "lon"), form);
    ReadLatitudeText(ReadText(query, "lat"), form);
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
    FormInput when;
    ReadDateText(query.value(2).toString().toStdString(), when);
    ReadTimeText(query.value(3).toString().toStdString(), when);
    summary.year = kFirstYear + when.yearRow;
    summary.month = when.monthRow + 1;
    summary.day = when.dayRow + 1;
    summary.hour = when.hourRow;
    summary.minute = when.minuteRow;
    summary.second = when.secondRow;
    summary.city = query.value(4).toString().toStdString();
    summary.state = query.value(5).toString().toStdString();
    summary.country = query.value(6).toString().toStdString();
    return summary;
}

}  // namespace amsaview
