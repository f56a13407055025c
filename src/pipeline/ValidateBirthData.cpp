#include "pipeline/ValidateBirthData.h"

#include "model/TextUtil.h"

namespace amsaview {
namespace {

struct RangeCheck {
    const std::string FormInput::*text;
    int largest;
    const char* message;
    FormField focus;
};

// The two blanks before "Minute" are part of the messages users know.
constexpr RangeCheck kCoordinateChecks[] = {
    {&FormInput::lonDegrees, 179, "Please Enter Value Between 0 And 179 in the Degree of Longitude",
     FormField::LonDegrees},
    {&FormInput::lonMinutes, 59, "Please Enter Value Between 0 And 59 in the  Minute of Longitude",
     FormField::LonMinutes},
    {&FormInput::latDegrees, 89, "Please Enter Value Between 0 And 89 in the Degree of Latitude",
     FormField::LatDegrees},
    {&FormInput::latMinutes, 59, "Please Enter Value Between 0 And 59 in the  Minute of Latitude",
     FormField::LatMinutes},
};

constexpr int kFebruaryRow = 1;

// Divisible by four, without the century rule: over 1901..2050 this is the calendar.
bool IsLeapYear(int year) {
    return year % 4 == 0;
}

bool IsThirtyDayMonthRow(int monthRow) {
    return monthRow == 3 || monthRow == 5 || monthRow == 8 || monthRow == 10;
}

}  // namespace

std::optional<ValidationFailure> ValidateBirthData(const FormInput& form) {
    if (TrimBlanks(form.name).empty()) {
        return ValidationFailure{"Please Enter Name", MessageIcon::Critical, FormField::Name};
    }
    for (const RangeCheck& check : kCoordinateChecks) {
        const std::optional<int> value = ParseWholeNumber(form.*check.text);
        if (!value || *value < 0 || *value > check.largest) {
            return ValidationFailure{check.message, MessageIcon::Critical, check.focus};
        }
    }
    const int day = form.dayRow + 1;
    const int year = kFirstYear + form.yearRow;
    if (form.monthRow == kFebruaryRow && day > (IsLeapYear(year) ? 29 : 28)) {
        return ValidationFailure{"Please Enter Correct Date Or Month!", MessageIcon::Information,
                                 FormField::None};
    }
    if (IsThirtyDayMonthRow(form.monthRow) && day == 31) {
        return ValidationFailure{"Please Enter Correct Date Or Month !", MessageIcon::Information,
                                 FormField::None};
    }
    return std::nullopt;
}

}  // namespace amsaview
