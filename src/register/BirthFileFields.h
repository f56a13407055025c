#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <optional>
#include <string>

#include "register/SavedBirth.h"

namespace amsaview {

// What every version of the birth file shares: the limits of the form's
// boxes and one birth object's fields, each read or named as the first fault.
inline constexpr int kLineBoxLength = 32767;
inline constexpr int kLongitudeDegreesLength = 3;
inline constexpr int kCoordinateLength = 2;
// Local time has differed from Universal Time by less than this everywhere.
inline constexpr int kLargestOffsetSeconds = 18 * 3600;

using FieldFault = std::optional<QString>;

class BirthFields {
  public:
    explicit BirthFields(const QJsonObject& object) : object_(object) {}

    // The first key not among `known`.
    FieldFault unknownField(const QStringList& known) const;

    FieldFault text(const char* key, int maxLength, std::string& target) const;
    FieldFault wholeNumber(const char* key, int first, int last, int& target) const;
    FieldFault flag(const char* key, bool& target) const;
    // A key that must be there, though its value may be null.
    FieldFault present(const char* key) const;
    // An absent optional field reads as null.
    FieldFault nullableText(const char* key, std::optional<std::string>& target) const;
    FieldFault nullableNumber(const char* key, int first, int last,
                              std::optional<int>& target) const;
    // Absent reads as empty text.
    FieldFault note(std::string& target) const;
    // A text of a fixed form (a date, a coordinate) that `read` puts into the form.
    FieldFault formedText(const char* key, const char* form,
                          bool (*read)(std::string_view, FormInput&), FormInput& target) const;

    static QString missing(const char* key);

  private:
    const QJsonObject& object_;
};

}  // namespace amsaview
