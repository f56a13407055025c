#include "register/BirthFile.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <cmath>

#include "model/TimeZoneTable.h"
#include "register/ExactClockFields.h"

namespace amsaview {
namespace {

// What the form's boxes can hold: a line box takes 32767 characters, the
// coordinate boxes three or two.
constexpr int kLineBoxLength = 32767;
constexpr int kLongitudeDegreesLength = 3;
constexpr int kCoordinateLength = 2;
// Local time has differed from Universal Time by less than this everywhere.
constexpr int kLargestOffsetSeconds = 18 * 3600;

struct TextField {
    const char* key;
    std::string FormInput::*member;
    int maxLength;
};

constexpr TextField kTextFields[] = {
    {"name", &FormInput::name, kLineBoxLength},
    {"lonDegrees", &FormInput::lonDegrees, kLongitudeDegreesLength},
    {"lonMinutes", &FormInput::lonMinutes, kCoordinateLength},
    {"latDegrees", &FormInput::latDegrees, kCoordinateLength},
    {"latMinutes", &FormInput::latMinutes, kCoordinateLength},
    {"city", &FormInput::city, kLineBoxLength},
    {"state", &FormInput::state, kLineBoxLength},
    {"country", &FormInput::country, kLineBoxLength},
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

constexpr char kZoneRow[] = "zoneRow";
constexpr char kZoneName[] = "zoneName";
constexpr char kUtcOffsetSeconds[] = "utcOffsetSeconds";
constexpr char kOffsetDescription[] = "offsetDescription";
constexpr char kNote[] = "note";

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

QJsonValue NullableText(const std::optional<std::string>& text) {
    return text ? QJsonValue(Text(*text)) : QJsonValue(QJsonValue::Null);
}

QJsonValue NullableNumber(const std::optional<int>& number) {
    return number ? QJsonValue(*number) : QJsonValue(QJsonValue::Null);
}

QJsonObject BirthToJson(const SavedBirth& birth) {
    QJsonObject object;
    for (const TextField& field : kTextFields) {
        object.insert(QLatin1String(field.key), Text(birth.form.*field.member));
    }
    for (const RowField& field : kRowFields) {
        object.insert(QLatin1String(field.key), birth.form.*field.member);
    }
    for (const FlagField& field : kFlagFields) {
        object.insert(QLatin1String(field.key), birth.form.*field.member);
    }
    object.insert(QLatin1String(kZoneRow), NullableNumber(birth.form.zoneRow));
    const ExactClockFields clock = FieldsOf(birth.form.exactClock);
    object.insert(QLatin1String(kZoneName), NullableText(clock.zone));
    object.insert(QLatin1String(kUtcOffsetSeconds), NullableNumber(clock.utcOffsetSeconds));
    object.insert(QLatin1String(kOffsetDescription), NullableText(clock.description));
    object.insert(QLatin1String(kNote), Text(birth.note));
    return object;
}

std::optional<int> WholeNumber(const QJsonValue& value, int first, int last) {
    if (!value.isDouble()) {
        return std::nullopt;
    }
    const double number = value.toDouble();
    if (number != std::trunc(number) || number < first || number > last) {
        return std::nullopt;
    }
    return static_cast<int>(number);
}

// Reads one birth object, naming the first field at fault.
class BirthReader {
  public:
    explicit BirthReader(const QJsonObject& object) : object_(object) {}

    std::optional<QString> read(SavedBirth& birth) {
        if (auto unknown = unknownField()) {
            return QStringLiteral("\"%1\" is not a field of a birth").arg(*unknown);
        }
        FormInput& form = birth.form;
        for (const TextField& field : kTextFields) {
            if (auto fault = text(field.key, field.maxLength, form.*field.member)) {
                return fault;
            }
        }
        for (const RowField& field : kRowFields) {
            const QJsonValue value = object_.value(QLatin1String(field.key));
            if (value.isUndefined() && field.mayBeLeftOut) {
                form.*field.member = 0;
                continue;
            }
            if (value.isUndefined()) {
                return missing(field.key);
            }
            const auto row = WholeNumber(value, 0, field.lastRow);
            if (!row) {
                return QStringLiteral("\"%1\" must be a whole number from 0 to %2")
                    .arg(QLatin1String(field.key))
                    .arg(field.lastRow);
            }
            form.*field.member = *row;
        }
        for (const FlagField& field : kFlagFields) {
            const QJsonValue value = object_.value(QLatin1String(field.key));
            if (value.isUndefined()) {
                return missing(field.key);
            }
            if (!value.isBool()) {
                return QStringLiteral("\"%1\" must be true or false").arg(QLatin1String(field.key));
            }
            form.*field.member = value.toBool();
        }
        if (!object_.contains(QLatin1String(kZoneRow))) {
            return missing(kZoneRow);
        }
        if (auto fault = nullableNumber(kZoneRow, 0, kTimeZoneCount - 1, form.zoneRow)) {
            return fault;
        }
        ExactClockFields clock;
        if (auto fault = nullableText(kZoneName, clock.zone)) {
            return fault;
        }
        if (auto fault = nullableNumber(kUtcOffsetSeconds, -kLargestOffsetSeconds,
                                        kLargestOffsetSeconds, clock.utcOffsetSeconds)) {
            return fault;
        }
        if (auto fault = nullableText(kOffsetDescription, clock.description)) {
            return fault;
        }
        form.exactClock = ClockOf(clock);
        const QJsonValue note = object_.value(QLatin1String(kNote));
        if (!note.isUndefined() && !note.isString()) {
            return QStringLiteral("\"%1\" must be text").arg(QLatin1String(kNote));
        }
        birth.note = note.toString().toStdString();
        return std::nullopt;
    }

  private:
    std::optional<QString> unknownField() const {
        QStringList known = {QLatin1String(kZoneRow), QLatin1String(kZoneName),
                             QLatin1String(kUtcOffsetSeconds), QLatin1String(kOffsetDescription),
                             QLatin1String(kNote)};
        for (const TextField& field : kTextFields) {
            known.append(QLatin1String(field.key));
        }
        for (const RowField& field : kRowFields) {
            known.append(QLatin1String(field.key));
        }
        for (const FlagField& field : kFlagFields) {
            known.append(QLatin1String(field.key));
        }
        for (const QString& key : object_.keys()) {
            if (!known.contains(key)) {
                return key;
            }
        }
        return std::nullopt;
    }

    static QString missing(const char* key) {
        return QStringLiteral("\"%1\" is missing").arg(QLatin1String(key));
    }

    std::optional<QString> text(const char* key, int maxLength, std::string& target) const {
        const QJsonValue value = object_.value(QLatin1String(key));
        if (value.isUndefined()) {
            return missing(key);
        }
        if (!value.isString() || value.toString().size() > maxLength) {
            return QStringLiteral("\"%1\" must be text of at most %2 characters")
                .arg(QLatin1String(key))
                .arg(maxLength);
        }
        target = value.toString().toStdString();
        return std::nullopt;
    }

    // An absent optional field reads as null.
    std::optional<QString> nullableText(const char* key, std::optional<std::string>& target) const {
        const QJsonValue value = object_.value(QLatin1String(key));
        if (value.isUndefined() || value.isNull()) {
            target.reset();
            return std::nullopt;
        }
        if (!value.isString()) {
            return QStringLiteral("\"%1\" must be text or null").arg(QLatin1String(key));
        }
        target = value.toString().toStdString();
        return std::nullopt;
    }

    std::optional<QString> nullableNumber(const char* key, int first, int last,
                                          std::optional<int>& target) const {
        const QJsonValue value = object_.value(QLatin1String(key));
        if (value.isUndefined() || value.isNull()) {
            target.reset();
            return std::nullopt;
        }
        const auto number = WholeNumber(value, first, last);
        if (!number) {
            return QStringLiteral("\"%1\" must be a whole number from %2 to %3, or null")
                .arg(QLatin1String(key))
                .arg(first)
                .arg(last);
        }
        target = number;
        return std::nullopt;
    }

    const QJsonObject& object_;
};

QString BirthLabel(qsizetype index, const QJsonValue& birth) {
    const QString name = birth.toObject().value(QStringLiteral("name")).toString();
    return name.isEmpty() ? QStringLiteral("Birth %1").arg(index + 1)
                          : QStringLiteral("Birth %1 (%2)").arg(index + 1).arg(name);
}

RegisterError NotABirthFile(const QString& why) {
    return RegisterError{QStringLiteral("not a birth file: %1").arg(why)};
}

}  // namespace

QByteArray BirthsToJson(const std::vector<SavedBirth>& births) {
    QJsonArray list;
    for (const SavedBirth& birth : births) {
        list.append(BirthToJson(birth));
    }
    const QJsonObject file = {
        {QStringLiteral("format"), QLatin1String(kBirthFileFormat)},
        {QStringLiteral("version"), kBirthFileVersion},
        {QStringLiteral("births"), list},
    };
    return QJsonDocument(file).toJson(QJsonDocument::Indented);
}

RegisterResult<std::vector<SavedBirth>> BirthsFromJson(const QByteArray& json) {
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        return NotABirthFile(
            QStringLiteral("%1 at byte %2").arg(parseError.errorString()).arg(parseError.offset));
    }
    const QJsonObject file = document.object();
    if (file.value(QStringLiteral("format")).toString() != QLatin1String(kBirthFileFormat)) {
        return NotABirthFile(
            QStringLiteral("its \"format\" is not \"%1\"").arg(QLatin1String(kBirthFileFormat)));
    }
    const QJsonValue version = file.value(QStringLiteral("version"));
    if (!version.isDouble()) {
        return NotABirthFile(QStringLiteral("it has no \"version\" number"));
    }
    if (!WholeNumber(version, 1, kBirthFileVersion)) {
        return RegisterError{QStringLiteral("the birth file is of version %1; this Amsaview reads "
                                            "version %2")
                                 .arg(version.toDouble())
                                 .arg(kBirthFileVersion)};
    }
    for (const QString& key : file.keys()) {
        if (key != QLatin1String("format") && key != QLatin1String("version") &&
            key != QLatin1String("births")) {
            return NotABirthFile(QStringLiteral("\"%1\" is not a key of a birth file").arg(key));
        }
    }
    const QJsonValue list = file.value(QStringLiteral("births"));
    if (!list.isArray()) {
        return NotABirthFile(QStringLiteral("it has no \"births\" list"));
    }

    std::vector<SavedBirth> births;
    const QJsonArray entries = list.toArray();
    births.reserve(static_cast<std::size_t>(entries.size()));
    for (qsizetype index = 0; index < entries.size(); ++index) {
        const QJsonValue entry = entries[index];
        const QString label = BirthLabel(index, entry);
        if (!entry.isObject()) {
            return RegisterError{QStringLiteral("%1 is not an object of fields").arg(label)};
        }
        const QJsonObject object = entry.toObject();
        SavedBirth birth;
        if (auto fault = BirthReader(object).read(birth)) {
            return RegisterError{QStringLiteral("%1: %2").arg(label, *fault)};
        }
        births.push_back(std::move(birth));
    }
    return births;
}

RegisterStatus WriteBirthFile(const QString& path, const std::vector<SavedBirth>& births) {
    QSaveFile file(path);
    const QByteArray json = BirthsToJson(births);
    if (!file.open(QIODevice::WriteOnly) || file.write(json) != json.size() || !file.commit()) {
        return RegisterError{QStringLiteral("%1 cannot be written: %2")
                                 .arg(QDir::toNativeSeparators(path), file.errorString())};
    }
    return Done{};
}

RegisterResult<std::vector<SavedBirth>> ReadBirthFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return RegisterError{QStringLiteral("%1 cannot be read: %2")
                                 .arg(QDir::toNativeSeparators(path), file.errorString())};
    }
    auto births = BirthsFromJson(file.readAll());
    if (!births) {
        return RegisterError{
            QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), births.error())};
    }
    return births;
}

}  // namespace amsaview
