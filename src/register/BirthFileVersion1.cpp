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
    int maxLength;
    bool digits;  // a coordinate box, which takes digits only
};

constexpr TextField kTextFields[] = {
    {"name", &FormInput::name, kLineBoxLength, false},
    {"lonDegrees", &FormInput::lonDegrees, kLongitudeDegreesLength, true},
    {"lonMinutes", &FormInput::lonMinutes, kCoordinateLength, true},
    {"latDegrees", &FormInput::latDegrees, kCoordinateLength, true},
    {"latMinutes", &FormInput::latMinutes, kCoordinateLength, true},
    {"city", &FormInput::city, kLineBoxLength, false},
    {"state", &FormInput::state, kLineBoxLength, false},
    {"country", &FormInput::country, kLineBoxLength, false},
};

struct RowField {
    const char* key;
    int FormInput::*member;
    int lastRow;
    bool mayBeLeftOut = false;  // then row 0
};

constexpr RowField kRowFields[] = {
    {"monthRow", &FormInput::monthRow, 11},
    {"dayRow", &FormInput::dayRow, 30},
    {"yearRow", &FormInput::yearRow, kLastYear - kFirstYear},
    {"hourRow", &FormInput::hourRow, 23},
    {"minuteRow", &FormInput::minuteRow, 59},
    // Births kept to the minute elsewhere are born at :00.
    {"secondRow", &FormInput::secondRow, 59, true},
};

struct FlagField {
    const char* key;
    bool FormInput::*member;
};

constexpr FlagField kFlagFields[] = {
    {"east", &FormInput::east},
    {"south", &FormInput::south},
    {"dst", &FormInput::dst},
};

QStringList KnownKeys() {
    QStringList known = {QStringLiteral("zoneRow"), QStringLiteral("zoneName"),
                         QStringLiteral("utcOffsetSeconds"), QStringLiteral("offsetDescription"),
                         QStringLiteral("note")};
    for (const TextField& field : kTextFields) {
        known.append(QLatin1String(field.key));
    }
    for (const RowField& field : kRowFields) {
        known.append(QLatin1String(field.key));
    }
    for (const FlagField& field : kFlagFields) {
        known.append(QLatin1String(field.key));
    }
    return known;
}

}  // namespace

FieldFault ReadBirthVersion1(const QJsonObject& object, SavedBirth& birth) {
    const BirthFields fields(object);
    if (auto fault = fields.unknownField(KnownKeys())) {
        return fault;
    }
    FormInput& form = birth.form;
    for (const TextField& field : kTextFields) {
        if (auto fault = fields.text(field.key, field.maxLength, form.*field.member)) {
            return fault;
        }
        // Version 2 writes a coordinate as one text split at its letter.
        if (field.digits &&
            !IsCoordinateBoxText(form.*field.member, static_cast<std::size_t>(field.maxLength))) {
            return QStringLiteral("\"%1\" must hold digits only").arg(QLatin1String(field.key));
        }
    }
    for (const RowField& field : kRowFields) {
        if (field.mayBeLeftOut && !object.contains(QLatin1String(field.key))) {
            form.*field.member = 0;
            continue;
        }
        if (auto fault = fields.wholeNumber(field.key, 0, field.lastRow, form.*field.member)) {
            return fault;
        }
    }
    for (const FlagField& field : kFlagFields) {
        if (auto fault = fields.flag(field.key, form.*field.member)) {
            return fault;
        }
    }
    if (auto fault = fields.present("zoneRow")) {
        return fault;
    }
    if (auto fault = fields.nullableNumber("zoneRow", 0, kTimeZoneCount - 1, form.zoneRow)) {
        return fault;
    }
    ExactClockFields clock;
    if (auto fault = fields.nullableText("zoneName", clock.zone)) {
        return fault;
    }
    if (auto fault = fields.nullableNumber("utcOffsetSeconds", -kLargestOffsetSeconds,
                                           kLargestOffsetSeconds, clock.utcOffsetSeconds)) {
        return fault;
    }
    if (auto fault = fields.nullableText("offsetDescription", clock.description)) {
        return fault;
    }
    form.exactClock = ClockOf(clock);
    return fields.note(birth.note);
}

}  // namespace amsaview
