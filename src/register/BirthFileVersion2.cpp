#include <QJsonValue>
#include <QStringList>

#include "model/TimeZoneTable.h"
#include "register/BirthFileText.h"
#include "register/BirthFileVersions.h"
#include "register/ExactClockFields.h"

namespace amsaview {
namespace {

struct TextField {
    const char* key;
    std::string FormInput::*member;
};

constexpr TextField kPlaceTexts[] = {
    {"name", &FormInput::name},
    {"city", &FormInput::city},
    {"state", &FormInput::state},
    {"country", &FormInput::country},
};

struct FormedField {
    const char* key;
    const char* form;
    std::string (*write)(const FormInput&);
    bool (*read)(std::string_view, FormInput&);
};

constexpr FormedField kFormedFields[] = {
    {"date", "YYYY-MM-DD (1901 to 2050)", DateText, ReadDateText},
    {"time", "HH:MM:SS", TimeText, ReadTimeText},
    {"lon", "DDDEMM or DDDWMM (77E12)", LongitudeText, ReadLongitudeText},
    {"lat", "DDNMM or DDSMM (28N36)", LatitudeText, ReadLatitudeText},
};

constexpr char kZone[] = "zone";
constexpr char kDst[] = "dst";
constexpr char kTz[] = "tz";
constexpr char kUtcOffsetSeconds[] = "utcOffsetSeconds";
constexpr char kOffsetDescription[] = "offsetDescription";
constexpr char kNote[] = "note";

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

QStringList KnownKeys() {
    QStringList known = {QLatin1String(kZone),
                         QLatin1String(kDst),
                         QLatin1String(kTz),
                         QLatin1String(kUtcOffsetSeconds),
                         QLatin1String(kOffsetDescription),
                         QLatin1String(kNote)};
    for (const TextField& field : kPlaceTexts) {
        known.append(QLatin1String(field.key));
    }
    for (const FormedField& field : kFormedFields) {
        known.append(QLatin1String(field.key));
    }
    return known;
}

}  // namespace

QJsonObject BirthVersion2(const SavedBirth& birth) {
    const FormInput& form = birth.form;
    QJsonObject object;
    for (const TextField& field : kPlaceTexts) {
        object.insert(QLatin1String(field.key), Text(form.*field.member));
    }
    for (const FormedField& field : kFormedFields) {
        object.insert(QLatin1String(field.key), Text(field.write(form)));
    }
    object.insert(QLatin1String(kZone),
                  form.zoneRow ? QJsonValue(*form.zoneRow) : QJsonValue(QJsonValue::Null));
    object.insert(QLatin1String(kDst), form.dst);
    // The exact clock, which stands for the zone row, only where there is one.
    if (form.exactClock) {
        const ExactClockFields clock = FieldsOf(form.exactClock);
        object.insert(QLatin1String(kTz), Text(*clock.zone));
        object.insert(QLatin1String(kUtcOffsetSeconds), *clock.utcOffsetSeconds);
        object.insert(QLatin1String(kOffsetDescription), Text(*clock.description));
    }
    if (!birth.note.empty()) {
        object.insert(QLatin1String(kNote), Text(birth.note));
    }
    return object;
}

FieldFault ReadBirthVersion2(const QJsonObject& object, SavedBirth& birth) {
    const BirthFields fields(object);
    if (auto fault = fields.unknownField(KnownKeys())) {
        return fault;
    }
    FormInput& form = birth.form;
    for (const TextField& field : kPlaceTexts) {
        if (auto fault = fields.text(field.key, kLineBoxLength, form.*field.member)) {
            return fault;
        }
    }
    for (const FormedField& field : kFormedFields) {
        if (auto fault = fields.formedText(field.key, field.form, field.read, form)) {
            return fault;
        }
    }
    if (auto fault = fields.present(kZone)) {
        return fault;
    }
    if (auto fault = fields.nullableNumber(kZone, 0, kTimeZoneCount - 1, form.zoneRow)) {
        return fault;
    }
    if (auto fault = fields.flag(kDst, form.dst)) {
        return fault;
    }
    ExactClockFields clock;
    if (auto fault = fields.nullableText(kTz, clock.zone)) {
        return fault;
    }
    if (auto fault = fields.nullableNumber(kUtcOffsetSeconds, -kLargestOffsetSeconds,
                                           kLargestOffsetSeconds, clock.utcOffsetSeconds)) {
        return fault;
    }
    if (auto fault = fields.nullableText(kOffsetDescription, clock.description)) {
        return fault;
    }
    form.exactClock = ClockOf(clock);
    return fields.note(birth.note);
}

}  // namespace amsaview
