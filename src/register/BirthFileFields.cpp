#include "register/BirthFileFields.h"

#include <QJsonValue>
#include <cmath>

namespace amsaview {
namespace {

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

}  // namespace

QString BirthFields::missing(const char* key) {
    return QStringLiteral("\"%1\" is missing").arg(QLatin1String(key));
}

FieldFault BirthFields::unknownField(const QStringList& known) const {
    for (const QString& key : object_.keys()) {
        if (!known.contains(key)) {
            return QStringLiteral("\"%1\" is not a field of a birth").arg(key);
        }
    }
    return std::nullopt;
}

FieldFault BirthFields::text(const char* key, int maxLength, std::string& target) const {
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

FieldFault BirthFields::wholeNumber(const char* key, int first, int last, int& target) const {
    const QJsonValue value = object_.value(QLatin1String(key));
    if (value.isUndefined()) {
        return missing(key);
    }
    const auto number = WholeNumber(value, first, last);
    if (!number) {
        return QStringLiteral("\"%1\" must be a whole number from %2 to %3")
            .arg(QLatin1String(key))
            .arg(first)
            .arg(last);
    }
    target = *number;
    return std::nullopt;
}

FieldFault BirthFields::flag(const char* key, bool& target) const {
    const QJsonValue value = object_.value(QLatin1String(key));
    if (value.isUndefined()) {
        return missing(key);
    }
    if (!value.isBool()) {
        return QStringLiteral("\"%1\" must be true or false").arg(QLatin1String(key));
    }
    target = value.toBool();
    return std::nullopt;
}

FieldFault BirthFields::present(const char* key) const {
    return object_.contains(QLatin1String(key)) ? std::nullopt : FieldFault(missing(key));
}

FieldFault BirthFields::nullableText(const char* key, std::optional<std::string>& target) const {
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

FieldFault BirthFields::nullableNumber(const char* key, int first, int last,
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

FieldFault BirthFields::note(std::string& target) const {
    const QJsonValue value = object_.value(QStringLiteral("note"));
    if (!value.isUndefined() && !value.isString()) {
        return QStringLiteral("\"note\" must be text");
    }
    target = value.toString().toStdString();
    return std::nullopt;
}

FieldFault BirthFields::formedText(const char* key, const char* form,
                                   bool (*read)(std::string_view, FormInput&),
                                   FormInput& target) const {
    const QJsonValue value = object_.value(QLatin1String(key));
    if (value.isUndefined()) {
        return missing(key);
    }
    if (!value.isString() || !read(value.toString().toStdString(), target)) {
        return QStringLiteral("\"%1\" must be text of the form %2")
            .arg(QLatin1String(key), QLatin1String(form));
    }
    return std::nullopt;
}

}  // namespace amsaview
